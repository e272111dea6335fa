#pragma once

#include <string>

namespace piclib {

// The multiple selection: entries separated by ';', each one ending with it.
class SelectionList {
  public:
    explicit SelectionList(const std::string& text) : text_(text) {}

    // The first entry; empty when there is none.
    std::string first() const;
    // The entry after the one given. The given entry is looked up as a whole
    // entry, or else by its file name among the entries' file names. Empty
    // after the last entry; unknown when given is not in the list.
    std::string next(const std::string& given, bool* unknown) const;

  private:
    const std::string& text_;
};

// The last component of a path (either separator).
std::string fileNameOf(const std::string& path);

}  // namespace piclib
