#pragma once

// Public interface of the utility library: configuration path, path and date
// helpers, debug text, and the wave engine's message pump. Every export has C
// linkage and keeps the system's name and argument order. Paths use the
// platform separator where the old interface spoke of a backslash.

#include <cstdint>

#include "BKIT32_export.h"

extern "C" {

// Module instance handle: the address of any function or object inside the
// module whose directory is wanted.
typedef const void* HINSTANCE;

BKIT32_EXPORT int QueryIniPathName(char* buffer, int length, HINSTANCE instance);
BKIT32_EXPORT int SetupPathForIniFile(char* directory);
BKIT32_EXPORT int QueryPathFromIniFile(char* buffer, int length, const char* section,
                                       const char* key, const char* def, const char* iniName,
                                       HINSTANCE instance);
BKIT32_EXPORT int ChangeDir(const char* path);
BKIT32_EXPORT void NeedBackSlash(char* string);
BKIT32_EXPORT void NoBackSlash(char* string);
BKIT32_EXPORT int StrCurrDate(char* buffer);
BKIT32_EXPORT int DebugStr(const char* text);
BKIT32_EXPORT void DebugStrOut(const char* text);

// Keeps the wave engine's output buffers filled; returns at once while the
// engine has not been started.
BKIT32_EXPORT void DispatchSoundMessages(void);
}
