#include "SelectionList.h"

#include <vector>

namespace piclib {
namespace {

std::vector<std::string> entries(const std::string& text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find(';', start);
        const std::size_t stop = end == std::string::npos ? text.size() : end;
        if (stop > start) {
            out.push_back(text.substr(start, stop - start));
        }
        start = stop + 1;
    }
    return out;
}

}  // namespace

std::string fileNameOf(const std::string& path) {
    const std::size_t sep = path.find_last_of("/\\");
    return sep == std::string::npos ? path : path.substr(sep + 1);
}

std::string SelectionList::first() const {
    const auto all = entries(text_);
    return all.empty() ? std::string() : all.front();
}

std::string SelectionList::next(const std::string& given, bool* unknown) const {
    const auto all = entries(text_);
    *unknown = false;
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i] == given) {
            return i + 1 < all.size() ? all[i + 1] : std::string();
        }
    }
    const std::string name = fileNameOf(given);
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (fileNameOf(all[i]) == name) {
            return i + 1 < all.size() ? all[i + 1] : std::string();
        }
    }
    *unknown = true;
    return {};
}

}  // namespace piclib
