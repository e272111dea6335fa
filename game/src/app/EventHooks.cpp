#include "app/EventHooks.h"

#include <cstdlib>
#include <ctime>
#include <utility>

#include "PIXPICK32.h"
#include "platform/Exec.h"
#include "settings/IniStore.h"
#include "settings/PackedValues.h"

namespace {

constexpr const char* kPlaceholder = "%PICTHELPFILE%";
// Paths handed between the program and the picture library fit in this.
constexpr int kPathBufferSize = 260;

std::string lastRunKey(const char* key) {
    return std::string("LastAnimation") + key;
}

std::tm today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

}  // namespace

EventHooks::EventHooks(HelpFileLookup helpFile, ProgramStarter start)
    : helpFile_(std::move(helpFile)), start_(std::move(start)) {}

EventHooks EventHooks::forSystem(std::function<std::string()> currentPicture) {
    auto lookup = [currentPicture = std::move(currentPicture)](std::string& path) {
        const std::string picture = currentPicture ? currentPicture() : std::string();
        char buffer[kPathBufferSize] = {};
        if (picture.empty() ||
            QueryInformationFile(picture.c_str(), buffer, kPathBufferSize) == 0) {
            return false;
        }
        buffer[kPathBufferSize - 1] = '\0';
        path = buffer;
        return true;
    };
    auto start = [](const std::string& commandLine) { WinExec(commandLine.c_str(), SW_SHOW); };
    return EventHooks(std::move(lookup), std::move(start));
}

bool EventHooks::run(const char* key) const {
    std::string value = GetIniString(key, "");
    if (!substituteHelpFile(value)) {
        return false;
    }
    bool due = false;
    const bool daily = value.compare(0, 6, "Daily,") == 0;
    if (value.compare(0, 7, "Always,") == 0) {
        due = true;
    } else if (value.compare(0, 7, "Random,") == 0) {
        std::srand(static_cast<unsigned>(std::time(nullptr)));
        due = (std::rand() & 1) != 0;
    } else if (daily) {
        due = dueToday(key);
    }
    if (!due) {
        return false;
    }
    start_(value.substr(value.find(',') + 1));
    if (daily) {
        const std::tm now = today();
        const int stamp[2] = {now.tm_yday, now.tm_year};
        WriteIniString(FormatNumbers(stamp, 2, ',').c_str(), lastRunKey(key).c_str());
    }
    return true;
}

// Replaces the first placeholder; false when there is one but the picture has
// no help file.
bool EventHooks::substituteHelpFile(std::string& value) const {
    const auto at = value.find(kPlaceholder);
    if (at == std::string::npos) {
        return true;
    }
    std::string path;
    if (!helpFile_ || !helpFile_(path)) {
        return false;
    }
    value.replace(at, std::char_traits<char>::length(kPlaceholder), path);
    return true;
}

bool EventHooks::dueToday(const char* key) const {
    int last[2] = {-1, -1};
    const std::string stored = GetIniString(lastRunKey(key).c_str(), "");
    if (ScanNumbers(stored, ',', last, 2) < 2) {
        return true;
    }
    const std::tm now = today();
    return last[0] != now.tm_yday || last[1] != now.tm_year;
}
