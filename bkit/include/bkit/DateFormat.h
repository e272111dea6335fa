#pragma once

#include <ctime>

#include "BKIT32_export.h"

namespace bkit {

// Writes date as the short date text of the given regional order ("iDate":
// 1 day.month.year, 2 year.month.day, else month/day/year) into buffer, which
// must hold at least kDateTextSize bytes. The year counts from 1900 (94 for
// 1994, 100 for 2000); numbers have no leading zeros. Returns the text length.
constexpr int kDateTextSize = 40;
BKIT32_EXPORT int formatDate(char* buffer, const std::tm& date, int order);

}  // namespace bkit
