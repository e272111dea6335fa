#pragma once

#include <cstdint>
#include <string>

// Several settings hold a group of numbers in one text ("1,8,1,1,0" or
// "128 255 0"). They are read the way the C library's scanf reads "%d,%d,..."
// or "%d %d %d": each number may be preceded by blanks, a comma separator must
// follow a number directly, a blank separator matches any run of blanks. The
// scan stops at the first field that does not match; fields not reached keep
// what they held before, which is how a short value leaves later fields at
// their defaults. Unlike scanf, numbers beyond the int range are clamped
// instead of being undefined.

using COLORREF = std::uint32_t;

// Red in the low byte, green in the second, blue in the third.
constexpr COLORREF RGB(int red, int green, int blue) {
    return static_cast<COLORREF>(red & 0xFF) | (static_cast<COLORREF>(green & 0xFF) << 8) |
           (static_cast<COLORREF>(blue & 0xFF) << 16);
}
constexpr int GetRValue(COLORREF c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GetGValue(COLORREF c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int GetBValue(COLORREF c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

// Reads up to count numbers separated by separator (',' or ' ') into fields;
// returns how many were read.
int ScanNumbers(const std::string& text, char separator, int* fields, int count);

// The decimal number the text starts with (after blanks, with an optional
// sign), clamped to the int range; 0 when the text does not start with one.
int LeadingNumber(const char* text);

// Joins count numbers with separator ("%d,%d,..." or "%d %d %d").
std::string FormatNumbers(const int* fields, int count, char separator);

// A colour stored as "red green blue"; fields that are missing keep the
// components of fallback.
COLORREF ParseColour(const std::string& text, COLORREF fallback);
std::string FormatColour(COLORREF colour);
