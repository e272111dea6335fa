#include "RegistryStore.h"

#include <strings.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "platform/AtomicFile.h"

namespace platform {
namespace {

bool sameKey(const std::string& a, const std::string& b) {
    return ::strcasecmp(a.c_str(), b.c_str()) == 0;
}

// True when key lies below parent ("A\B\C" below "a\b").
bool isBelow(const std::string& key, const std::string& parent) {
    return key.size() > parent.size() && key[parent.size()] == '\\' &&
           ::strncasecmp(key.c_str(), parent.c_str(), parent.size()) == 0;
}

bool hasControlCharacters(const std::string& text) {
    for (unsigned char c : text) {
        if (c < 0x20 && c != '\t') {
            return true;
        }
    }
    return false;
}

}  // namespace

std::string RegistryStore::location() {
    if (const char* env = std::getenv("TESSELLA_REGISTRY"); env != nullptr && *env != '\0') {
        return env;
    }
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg == '/') {
        return std::string(xdg) + "/tessella/registry";
    }
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : ".") + "/.config/tessella/registry";
}

std::string RegistryStore::join(const std::string& parent, const std::string& child) {
    std::string joined;
    std::string part;
    const std::string all = parent + "\\" + child;
    for (std::size_t i = 0; i <= all.size(); ++i) {
        if (i < all.size() && all[i] != '\\') {
            part += all[i];
            continue;
        }
        if (!part.empty()) {
            joined += (joined.empty() ? "" : "\\") + part;
        }
        part.clear();
    }
    return joined;
}

RegistryStore::Line RegistryStore::parse(const std::string& text) {
    Line line{text, {}, std::nullopt};
    if (text.empty() || text.front() == '#' || hasControlCharacters(text)) {
        return line;
    }
    const std::size_t eq = text.find('=');
    const std::string key = join(text.substr(0, eq), "");
    if (key.empty()) {
        return line;
    }
    line.key = key;
    if (eq != std::string::npos) {
        line.value = text.substr(eq + 1);
    }
    return line;
}

bool RegistryStore::load(const std::string& path) {
    lines_.clear();
    std::string data;
    bool missing = false;
    if (!readWholeFile(path, data, &missing)) {
        return false;
    }
    std::istringstream in(data);
    std::string text;
    while (std::getline(in, text)) {
        lines_.push_back(parse(text));
    }
    return true;
}

bool RegistryStore::save(const std::string& path) const {
    std::string data;
    for (const Line& line : lines_) {
        data += line.text + "\n";
    }
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    return replaceFileAtomically(path, data);
}

const RegistryStore::Line* RegistryStore::find(const std::string& key) const {
    for (const Line& line : lines_) {
        if (!line.key.empty() && sameKey(line.key, key)) {
            return &line;
        }
    }
    return nullptr;
}

bool RegistryStore::exists(const std::string& key) const {
    if (find(key) != nullptr) {
        return true;
    }
    for (const Line& line : lines_) {
        if (!line.key.empty() && isBelow(line.key, key)) {
            return true;
        }
    }
    return false;
}

std::optional<std::string> RegistryStore::value(const std::string& key) const {
    if (const Line* line = find(key); line != nullptr && line->value) {
        return line->value;
    }
    return exists(key) ? std::optional<std::string>(std::string()) : std::nullopt;
}

void RegistryStore::create(const std::string& key) {
    if (!exists(key)) {
        lines_.push_back(Line{key, key, std::nullopt});
    }
}

void RegistryStore::setValue(const std::string& key, const std::string& value) {
    for (Line& line : lines_) {
        if (!line.key.empty() && sameKey(line.key, key)) {
            line.value = value;
            line.text = line.key + "=" + value;
            return;
        }
    }
    lines_.push_back(Line{key + "=" + value, key, value});
}

}  // namespace platform
