#pragma once

#include <cstdint>

#include "platform_export.h"

// Profile files: sectioned text files of "[Section]" headers followed by
// "key=value" lines. Section and key names match without regard to letter
// case; values are trimmed; comments and lines that are not understood survive
// a write; every write replaces the file atomically (temporary file, then
// rename). A file name that does not exist as given is looked up without
// regard to letter case (see Paths.h).

// Copies the value of key in section (or def when the file, section or key is
// missing) into buf, cut to size - 1 characters and terminated. Returns the
// number of characters copied. A null buf or size 0 copies nothing.
PLATFORM_EXPORT std::uint32_t GetPrivateProfileStringA(const char* section, const char* key,
                                                       const char* def, char* buf,
                                                       std::uint32_t size, const char* file);

// Reads the value as a decimal integer: leading blanks skipped, an optional
// sign, then digits; a value that does not start with a number gives 0; a
// missing key gives def.
PLATFORM_EXPORT int GetPrivateProfileIntA(const char* section, const char* key, int def,
                                          const char* file);

// Writes key=value into section, creating file and section when needed. A null
// value removes the key; a null key removes the whole section. Returns 1 on
// success, 0 when the file could not be written (the old file is then intact).
PLATFORM_EXPORT int WritePrivateProfileStringA(const char* section, const char* key,
                                               const char* value, const char* file);

// The system profile. Only "Intl" "iDate" is known: it follows the user's
// locale (day-month-year gives 1, year-month-day 2, anything else 0). The
// environment variable TESSELLA_IDATE, when set to a number, overrides it.
// Every other key returns def.
PLATFORM_EXPORT int GetProfileIntA(const char* section, const char* key, int def);
