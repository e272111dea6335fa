// Runs a fuzz target's entry function over every file of the folders given,
// as an ordinary test: each input gets the target's time limit (and, outside
// the address sanitizer, its memory limit as an address-space limit on top of
// what the process already holds); a crash, a hang or an abort fails the test
// and names the input.
#include <sys/resource.h>

#include <unistd.h>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "FuzzSupport.h"

extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

const char* current = "";

void onAlarm(int) {
    const char text[] = "replay: time limit exceeded on ";
    [[maybe_unused]] auto n = write(2, text, sizeof text - 1);
    n = write(2, current, std::strlen(current));
    n = write(2, "\n", 1);
    _exit(1);
}

#if defined(__SANITIZE_ADDRESS__)
void limitMemory(long) {}
#else
// The limit counts on top of the address space the process holds now.
void limitMemory(long mebibytes) {
    long held = 0;
    std::ifstream status("/proc/self/statm");
    status >> held;
    const rlim_t bytes = static_cast<rlim_t>(held) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) +
                         static_cast<rlim_t>(mebibytes) * 1024 * 1024;
    const rlimit limit{bytes, bytes};
    setrlimit(RLIMIT_AS, &limit);
}
#endif

std::vector<std::filesystem::path> inputsOf(const std::vector<std::string>& folders) {
    std::vector<std::filesystem::path> inputs;
    for (const std::string& folder : folders) {
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
            if (entry.is_regular_file()) {
                inputs.push_back(entry.path());
            }
        }
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

}  // namespace

int main(int argc, char** argv) {
    unsigned timeout = 10;
    long memory = 2048;
    std::vector<std::string> folders;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--timeout" && i + 1 < argc) {
            timeout = static_cast<unsigned>(std::atoi(argv[++i]));
        } else if (arg == "--memory" && i + 1 < argc) {
            memory = std::atol(argv[++i]);
        } else {
            folders.push_back(arg);
        }
    }
    if (LLVMFuzzerInitialize != nullptr) {
        LLVMFuzzerInitialize(&argc, &argv);
    }
    const auto inputs = inputsOf(folders);
    if (inputs.empty()) {
        std::fprintf(stderr, "replay: no inputs found\n");
        return 1;
    }
    std::signal(SIGALRM, onAlarm);
    // The first input loads the libraries' lazily made state; the limit on
    // memory starts after it.
    bool limited = false;
    for (const auto& path : inputs) {
        std::ifstream file(path, std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
        const std::string name = path.string();
        current = name.c_str();
        alarm(timeout);
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
        alarm(0);
        if (!limited) {
            limitMemory(memory);
            limited = true;
        }
    }
    std::printf("replayed %zu inputs\n", inputs.size());
    return 0;
}
