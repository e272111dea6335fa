#pragma once

#include <exception>

namespace cutting {

// Raised by the region and sprite code when memory cannot be had; ends the
// operation in progress and is reported by the application.
class MemoryException : public std::exception {
  public:
    const char* what() const noexcept override;
};

// Raised when a graphics resource (surface, region, brush) cannot be had.
class ResourceException : public std::exception {
  public:
    const char* what() const noexcept override;
};

}  // namespace cutting
