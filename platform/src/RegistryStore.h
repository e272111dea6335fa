#pragma once

#include <optional>
#include <string>
#include <vector>

namespace platform {

// The key store file behind the registry calls. One line per key:
//   HKEY_CLASSES_ROOT\SOFTWARE\Classes\Name           a key without value
//   HKEY_CLASSES_ROOT\SOFTWARE\Classes\Name=value     a key and its value
// Key paths compare without regard to case; a key also exists when a key below
// it does. Lines that are not understood are ignored and kept on write.
class RegistryStore {
  public:
    // The store's file: $TESSELLA_REGISTRY, else the user's configuration dir.
    static std::string location();

    // Loads the store; false when it exists but cannot be read.
    bool load(const std::string& path);
    // Writes atomically, creating the directory; false on failure.
    bool save(const std::string& path) const;

    bool exists(const std::string& key) const;
    // The key's value; empty text for a key without one, nothing when the key
    // does not exist.
    std::optional<std::string> value(const std::string& key) const;
    void create(const std::string& key);
    void setValue(const std::string& key, const std::string& value);

    // Joins key paths and removes empty components ("A\\B\" + "C" -> "A\B\C").
    static std::string join(const std::string& parent, const std::string& child);

  private:
    struct Line {
        std::string text;                  // as read, for lines kept verbatim
        std::string key;                   // empty for lines not understood
        std::optional<std::string> value;  // the default value, if any
    };

    static Line parse(const std::string& text);
    const Line* find(const std::string& key) const;

    std::vector<Line> lines_;
};

}  // namespace platform
