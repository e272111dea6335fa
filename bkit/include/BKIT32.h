#pragma once

// Public interface of the utility library: configuration path, path and date
// helpers, debug text, the wave engine and its memory waves. Every export has
// C linkage and keeps the system's name and argument order. Paths use the
// platform separator where the old interface spoke of a backslash.

#include <cstdint>

#include "BKIT32_export.h"

class QObject;

// A window: any QObject; messages reach it as platform::WindowMessageEvent.
typedef QObject* HWND;
// A loaded wave (owned by the caller until FreeMemoryWave).
typedef struct WaveRecord WaveRecord;
// End and reading callbacks: two caller-chosen values (numbers or addresses).
typedef void (*WAVECALLBACK)(std::intptr_t first, std::intptr_t second);

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

// The wave engine. One background wave (the main wave) streams from a RIFF
// file through five one-second buffers; memory waves are mixed over it with
// saturation. Samples are 16-bit PCM in the main wave's format. All calls
// come from one thread (the one that called PlayWave), which must call
// DispatchSoundMessages regularly unless it runs a Qt event loop.
BKIT32_EXPORT int InitSound(int unused);
BKIT32_EXPORT int PlayWave(const char* file);
BKIT32_EXPORT int PlayDifferentWave(const char* file);
BKIT32_EXPORT int ExitSound(void);
BKIT32_EXPORT void StopPlayingMainWave(void);
// peak 0..128 (128 = full volume).
BKIT32_EXPORT int SetMainPeak(int peak);
// Posts message (wParam, lParam 0) once, when the end of the main wave has played.
BKIT32_EXPORT void SetMainWaveNotifyWindow(HWND window, unsigned message, std::uintptr_t wParam);
// Keeps the wave engine's output buffers filled; returns at once while the
// engine has not been started. Returns 0.
BKIT32_EXPORT int DispatchSoundMessages(void);

// Memory waves: loaded once (a wave file's samples are quartered, a
// collection's are used as stored), played as instances with ids from 1 on.
BKIT32_EXPORT WaveRecord* LoadWave(const char* file);
BKIT32_EXPORT int AddWave(const char* file);
BKIT32_EXPORT std::uint32_t PlayMemoryWave(WaveRecord* wave);
BKIT32_EXPORT std::uint32_t PlayMemoryWaveLooped(WaveRecord* wave);
// silence != 0 also clears the buffers already queued when no memory wave is left.
BKIT32_EXPORT int StopPlayingMemoryWave(std::uint32_t id, int silence);
BKIT32_EXPORT void FreeMemoryWave(WaveRecord* wave);
// Stored for a playing instance (result: the window); for id 0 or an
// instance that has ended, posted at once (result: that of posting).
BKIT32_EXPORT std::intptr_t SetNotifyWindow(std::uint32_t id, HWND window, unsigned message,
                                            std::uintptr_t wParam);
BKIT32_EXPORT void SetNotifyCallBack(std::uint32_t id, WAVECALLBACK callback, std::intptr_t first,
                                     std::intptr_t second);
// Wave collections: a directory of named records; quickLoader may be null.
BKIT32_EXPORT int SetWaveCollection(const char* collection, const char* quickLoader);
BKIT32_EXPORT void CloseWaveCollection(void);
BKIT32_EXPORT std::int32_t QueryCollectedWaveSize(const char* name);
BKIT32_EXPORT WaveRecord* LoadCollectedWave(const char* name);
BKIT32_EXPORT int SaveQuickLoader(const char* file);
// Called after every piece of a long read from a collection.
BKIT32_EXPORT void SetReadingCallback(WAVECALLBACK callback, std::intptr_t first,
                                      std::intptr_t second);
}
