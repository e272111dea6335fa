#pragma once

// Public interface of the utility library: configuration path, path and date
// helpers, debug text, the wave engine and its memory waves. Every export has
// C linkage and keeps the system's name and argument order. Paths use the
// platform separator where the old interface spoke of a backslash.

#include <cstdint>

#include "BKIT32_export.h"
#include "platform/Palette.h"
#include "platform/Surface.h"

class QObject;

// A window: any QObject; messages reach it as platform::WindowMessageEvent.
typedef QObject* HWND;
// A loaded wave (owned by the caller until FreeMemoryWave).
typedef struct WaveRecord WaveRecord;
// A device context: a raster surface of the platform.
typedef platform::Surface* HDC;
// A packed device-independent bitmap: the address of one block holding the
// 40-byte information header, the colour table and the pixel rows (bottom-up
// unless the height is negative), rows padded to 4 bytes.
typedef std::uint8_t* PACKEDDIB;
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

// Bitmaps. BKITLoad reads a bitmap file (14-byte file header optional;
// 12-byte core headers widened; RLE8 expanded; malformed files give null) or,
// when no such file exists, the executable's bitmap resource of that name.
// A module's bitmap resources are the Qt resources ":/<module>/bitmaps/<name>"
// where <module> is the module's file name without "lib" and extensions.
// Resource bitmaps live as long as the process; BKITFree leaves them alone.
// Only handles from BKITLoad and BKITLoadFromResource are worked on; any
// other address counts as null.
BKIT32_EXPORT PACKEDDIB BKITLoad(const char* name);
BKIT32_EXPORT PACKEDDIB BKITLoadFromResource(const char* name, HINSTANCE instance);
BKIT32_EXPORT void BKITFree(PACKEDDIB dib);
BKIT32_EXPORT int BKITWidth(PACKEDDIB dib);
// As stored: negative for rows stored top-down.
BKIT32_EXPORT int BKITHeight(PACKEDDIB dib);
// Copies the whole bitmap 1:1 to (x, y); returns the number of rows.
BKIT32_EXPORT int BKITDraw(PACKEDDIB dib, HDC dc, int x, int y);
// Both 8-bit: draws the image's pixels whose mask byte is below 127, from
// (firstColumn, firstRow) on, at most count columns per row.
BKIT32_EXPORT int BKITDibDrawWithMask(HDC dc, PACKEDDIB image, PACKEDDIB mask, int x, int y,
                                      int count, int unused, int firstColumn, int firstRow);
// Mirrors an 8-bit bitmap left to right.
BKIT32_EXPORT int BKITMirror256(PACKEDDIB dib);
// Gives the bitmap the palette's colours, translating 8- and 4-bit pixels to
// the nearest entries; the block grows or shrinks in place.
BKIT32_EXPORT int BKITDibMapToPalette(PACKEDDIB dib, HPALETTE palette);
// A palette of the bitmap's colours (the default palette above 8 bits);
// release with DeletePalette.
BKIT32_EXPORT HPALETTE CreateDIBPalette(PACKEDDIB dib);

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
