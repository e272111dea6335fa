#pragma once

namespace cutting {

// The texts the region and sprite code shows in its "Error" boxes.
inline constexpr const char* kNotAllocated = "Error: Region was not allocated!";
inline constexpr const char* kNoMemory = "No memory left for operation!";
inline constexpr const char* kLockingError = "Bitmap Locking Error";

// Shows text in a box titled "Error" with an OK button; the caller then goes
// on as far as it can.
void regionMessage(const char* text);

}  // namespace cutting
