#include "cutting/Failures.h"

namespace cutting {

const char* MemoryException::what() const noexcept {
    return "No memory left for operation!";
}

const char* ResourceException::what() const noexcept {
    return "A graphics resource could not be had";
}

}  // namespace cutting
