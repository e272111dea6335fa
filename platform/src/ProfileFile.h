#pragma once

#include <optional>
#include <string>
#include <vector>

namespace platform {

// One profile file held as its lines. Lines that are neither section headers
// nor key lines (comments, blank lines, garbage) are kept byte for byte so a
// rewrite changes only what the caller asked for.
class ProfileFile {
  public:
    enum class LoadResult { Loaded, Missing, Unreadable };

    // Reads path; a missing file loads as empty, an unreadable one as well but
    // is reported so that writers do not replace a file they could not read.
    LoadResult load(const std::string& path);

    // The trimmed value of key in the first section named section (both
    // compared without regard to case).
    std::optional<std::string> value(const std::string& section, const std::string& key) const;

    void setValue(const std::string& section, const std::string& key, const std::string& value);
    void removeKey(const std::string& section, const std::string& key);
    void removeSection(const std::string& section);

    // Replaces path atomically: a temporary file beside it, then rename.
    // Returns false (leaving any old file untouched) when that fails.
    bool save(const std::string& path) const;

  private:
    struct Range {
        std::size_t header;  // index of the "[section]" line
        std::size_t end;     // one past the section's last line
    };

    std::optional<Range> findSection(const std::string& section) const;
    std::optional<std::size_t> findKey(const Range& range, const std::string& key) const;

    std::vector<std::string> lines_;
    bool crlf_ = false;
};

}  // namespace platform
