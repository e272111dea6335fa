#pragma once

#include <cstdint>

#include "platform_export.h"

// A small persistent key store standing in for the system registry. Keys are
// paths of names separated by '\'; each key may hold one default string value.
// The store is a text file in the user's configuration directory
// ($XDG_CONFIG_HOME/tessella/registry, or ~/.config/tessella/registry); the
// environment variable TESSELLA_REGISTRY names another file, which tests use so
// that they never touch the user's store. A malformed store reads as empty
// lines skipped; writes replace the file atomically.

struct RegistryKey;
using HKEY = RegistryKey*;

// Predefined root. Only this root is used by the system.
PLATFORM_EXPORT extern const HKEY HKEY_CLASSES_ROOT;

constexpr long ERROR_SUCCESS = 0;
constexpr long ERROR_FILE_NOT_FOUND = 2;
constexpr long ERROR_ACCESS_DENIED = 5;
constexpr long ERROR_MORE_DATA = 234;
constexpr std::uint32_t REG_SZ = 1;

// Opens an existing key (names match without regard to case).
PLATFORM_EXPORT long RegOpenKeyA(HKEY root, const char* subKey, HKEY* result);
// Opens the key, creating it and its parents when missing.
PLATFORM_EXPORT long RegCreateKeyA(HKEY root, const char* subKey, HKEY* result);
// Reads the default value of key\subKey (subKey may be null or empty) into
// value; *size holds the buffer size on entry and the bytes written (with the
// terminating zero) on return. A value that does not fit is cut and
// ERROR_MORE_DATA returned.
PLATFORM_EXPORT long RegQueryValueA(HKEY key, const char* subKey, char* value, long* size);
// Sets the default string value of key\subKey (type must be REG_SZ).
PLATFORM_EXPORT long RegSetValueA(HKEY key, const char* subKey, std::uint32_t type,
                                  const char* data, std::uint32_t size);
PLATFORM_EXPORT long RegCloseKey(HKEY key);
