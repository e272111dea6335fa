#include "ProfileFile.h"

#include <strings.h>

#include <sstream>

#include "platform/AtomicFile.h"

namespace platform {
namespace {

constexpr const char* kBlanks = " \t\r\n\v\f";

std::string trim(const std::string& text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

bool sameName(const std::string& a, const std::string& b) {
    return ::strcasecmp(a.c_str(), b.c_str()) == 0;
}

// The name of a "[name]" header line, or nothing for any other line.
std::optional<std::string> headerName(const std::string& line) {
    const std::string text = trim(line);
    if (text.empty() || text.front() != '[') {
        return std::nullopt;
    }
    const std::size_t close = text.find(']');
    if (close == std::string::npos) {
        return std::nullopt;
    }
    return trim(text.substr(1, close - 1));
}

// The key of a "key=value" line; comments (';') and lines without '=' have none.
std::optional<std::string> keyName(const std::string& line) {
    const std::string text = trim(line);
    if (text.empty() || text.front() == ';' || text.front() == '[') {
        return std::nullopt;
    }
    const std::size_t eq = text.find('=');
    if (eq == std::string::npos) {
        return std::nullopt;
    }
    return trim(text.substr(0, eq));
}

}  // namespace

ProfileFile::LoadResult ProfileFile::load(const std::string& path) {
    lines_.clear();
    crlf_ = false;
    std::string data;
    bool missing = false;
    if (!readWholeFile(path, data, &missing)) {
        return LoadResult::Unreadable;
    }
    std::istringstream text(data);
    std::string line;
    bool first = true;
    while (std::getline(text, line)) {
        const bool endsCr = !line.empty() && line.back() == '\r';
        if (first) {
            crlf_ = endsCr;
            first = false;
        }
        if (endsCr) {
            line.pop_back();
        }
        lines_.push_back(line);
    }
    return missing ? LoadResult::Missing : LoadResult::Loaded;
}

std::optional<ProfileFile::Range> ProfileFile::findSection(const std::string& section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = headerName(lines_[i]);
        if (!name || !sameName(*name, section)) {
            continue;
        }
        std::size_t end = i + 1;
        while (end < lines_.size() && !headerName(lines_[end])) {
            ++end;
        }
        return Range{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> ProfileFile::findKey(const Range& range, const std::string& key) const {
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        const auto name = keyName(lines_[i]);
        if (name && sameName(*name, key)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::string> ProfileFile::value(const std::string& section,
                                              const std::string& key) const {
    const auto range = findSection(section);
    if (!range) {
        return std::nullopt;
    }
    const auto line = findKey(*range, key);
    if (!line) {
        return std::nullopt;
    }
    const std::string& text = lines_[*line];
    return trim(text.substr(text.find('=') + 1));
}

void ProfileFile::setValue(const std::string& section, const std::string& key,
                           const std::string& value) {
    const auto range = findSection(section);
    if (!range) {
        if (!lines_.empty() && !trim(lines_.back()).empty()) {
            lines_.emplace_back();
        }
        lines_.push_back("[" + section + "]");
        lines_.push_back(key + "=" + value);
        return;
    }
    if (const auto line = findKey(*range, key)) {
        // Keep the spelling of the stored key name.
        lines_[*line] = *keyName(lines_[*line]) + "=" + value;
        return;
    }
    // After the section's last non-blank line, so blank separators stay last.
    std::size_t at = range->end;
    while (at > range->header + 1 && trim(lines_[at - 1]).empty()) {
        --at;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), key + "=" + value);
}

void ProfileFile::removeKey(const std::string& section, const std::string& key) {
    const auto range = findSection(section);
    if (!range) {
        return;
    }
    if (const auto line = findKey(*range, key)) {
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*line));
    }
}

void ProfileFile::removeSection(const std::string& section) {
    if (const auto range = findSection(section)) {
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(range->header),
                     lines_.begin() + static_cast<std::ptrdiff_t>(range->end));
    }
}

bool ProfileFile::save(const std::string& path) const {
    const std::string eol = crlf_ ? "\r\n" : "\n";
    std::string data;
    for (const std::string& line : lines_) {
        data += line;
        data += eol;
    }
    return replaceFileAtomically(path, data);
}

}  // namespace platform
