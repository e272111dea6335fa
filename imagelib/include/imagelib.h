#pragma once

// The image library: pictures held in numbered slots as packed
// device-independent bitmaps (24 bits per pixel, or 8 bits with a colour
// table; rows bottom-up). One named function per ordinal of the old
// interface; the ordinal is given beside each. Slots are numbered from 0;
// every function given an unknown slot fails (returns 0, -1 or null) without
// touching anything. Device contexts are platform::Surface pointers, device
// bitmaps are Surfaces the library allocates.
//
// Readable formats: JPEG, PNG, BMP, GIF, TIFF and Targa (also run-length
// coded and without footer). Pictures wider or taller than 32767 pixels, or
// needing more than IMG_MAX_PIXELS pixels, are refused, as are corrupt and
// truncated files.

#include <cstdint>
#include <cstdio>

#include "imagelib_export.h"

namespace platform {
class Surface;
}
class QWidget;

// Largest picture a slot may hold: 64 megapixels (192 MiB at 24 bits).
constexpr long long IMG_MAX_PIXELS = 64LL * 1024 * 1024;
// Largest width or height: coordinates are signed 16-bit.
constexpr int IMG_MAX_SIDE = 32767;

// Resampling quality, chosen by the game's loading priority.
constexpr int IMG_PRIORITY_SPEED = 1;    // nearest neighbour
constexpr int IMG_PRIORITY_MEDIUM = 2;   // bilinear
constexpr int IMG_PRIORITY_QUALITY = 3;  // area averaging when shrinking

// Progress of a long read or resample: percent runs from 0 to 100 and only
// grows. The return value is ignored.
typedef int (*IMGProgressProc)(void* record, int percent);

extern "C" {

// Ordinal 12: reads the picture that starts at byte offset of an open file
// (bytes after the picture are ignored). The file position is left
// unspecified. flags must be 0. Returns the slot, or -1.
IMAGELIB_EXPORT int IMGReadFromFile(std::FILE* file, long offset, int flags);
// Ordinal 12 limited to the length bytes from offset on (a picture stored
// inside a larger file): no more than the picture is read.
IMAGELIB_EXPORT int IMGReadFromFilePart(std::FILE* file, long offset, long length);
// Ordinal 12 for a file descriptor (the descriptor's position is unchanged).
IMAGELIB_EXPORT int IMGReadFromDescriptor(int fd, long offset, int flags);
// Reads a picture from bytes in memory. Returns the slot, or -1.
IMAGELIB_EXPORT int IMGReadFromMemory(const std::uint8_t* bytes, std::uint32_t size);

// Ordinal 13: makes a slot of a copy of a packed bitmap in memory (1, 4, 8,
// 24 or 32 bits, uncompressed, rows either way up; size bytes readable).
// Returns the slot, or -1 when the bitmap is malformed or too large.
IMAGELIB_EXPORT int IMGCreateFromDib(const std::uint8_t* packedDib, std::uint32_t size);
// Ordinal 4: frees the slot (an unknown slot is ignored).
IMAGELIB_EXPORT void IMGFree(int slot);

// Ordinal 6: fills width, height and bits per pixel (each pointer may be
// null) and returns the address of the slot's packed bitmap, which stays
// valid until the slot is freed, resampled or reduced. Pixels and colour
// table may be changed through it; the header may not. Null for an unknown
// slot.
IMAGELIB_EXPORT std::uint8_t* IMGGetDib(int slot, int* width, int* height, int* bits);
// Bytes of the block IMGGetDib returns (0 for an unknown slot).
IMAGELIB_EXPORT std::uint32_t IMGGetDibSize(int slot);
// Ordinal 8: the slot's rectangle (0, 0, width, height). Returns 1, 0 for an
// unknown slot.
IMAGELIB_EXPORT int IMGGetRect(int slot, int* left, int* top, int* right, int* bottom);

// Ordinal 25: resamples the slot in place to width x height, with the
// quality of the current loading priority. Returns 1, 0 when the slot is
// unknown or the size is out of range (the slot is then unchanged).
IMAGELIB_EXPORT int IMGResample(int slot, int width, int height);
// Chooses the resampling quality (IMG_PRIORITY_*); other values give medium.
IMAGELIB_EXPORT void IMGSetLoadingPriority(int priority);
IMAGELIB_EXPORT int IMGGetLoadingPriority(void);

// Ordinal 19: a device bitmap of the slot resampled to width x height; the
// caller releases it with IMGFreeBitmap. Null on failure.
IMAGELIB_EXPORT platform::Surface* IMGCreateBitmap(int slot, int width, int height);
IMAGELIB_EXPORT void IMGFreeBitmap(platform::Surface* bitmap);
// Ordinal 20: copies a device bitmap to (x, y) of the surface. Returns 1, 0
// when either pointer is null.
IMAGELIB_EXPORT int IMGDrawBitmap(const platform::Surface* bitmap, platform::Surface* dc, int x,
                                  int y);

// Ordinal 32: reduces the slot to the 16 standard colours in place (8 bits
// per pixel, 16-entry colour table). Returns 1, 0 for an unknown slot.
IMAGELIB_EXPORT int IMGReduceTo16Colours(int slot);
// Ordinal 10: realises the slot's palette in the device context. The display
// is true colour, so nothing needs mapping: returns the number of palette
// entries that changed, 0; -1 for an unknown slot.
IMAGELIB_EXPORT int IMGRealizePalette(int slot, platform::Surface* dc);
// Ordinal 2: draws the slot stretched (nearest neighbour) over the rectangle
// of the surface, clipped to the surface's clip. Returns 1, 0 on failure.
IMAGELIB_EXPORT int IMGDrawStretched(int slot, platform::Surface* dc, int left, int top, int right,
                                     int bottom);

// Ordinal 54: stores the slot's display option. Returns 1, 0 for an unknown
// slot.
IMAGELIB_EXPORT int IMGSetDisplayOption(int slot, std::uint16_t option);
IMAGELIB_EXPORT int IMGGetDisplayOption(int slot);
// Ordinal 48: prepares the slot for display in a window; the mode value is
// kept with the slot. Returns 1, 0 for an unknown slot.
IMAGELIB_EXPORT int IMGPrepareForWindow(int slot, QWidget* window, int mode);

// Ordinal 51: installs the progress function that reads and resamples call
// (enable 1); IMGSetProgress(0, 0, 0) clears it.
IMAGELIB_EXPORT void IMGSetProgress(void* record, IMGProgressProc progress, int enable);
// Ordinal 60: called with 0 before a slot's bitmap is fetched or drawn. The
// bitmaps are always in memory, so there is nothing to do. Returns 1.
IMAGELIB_EXPORT int IMGBeginAccess(int reserved);

// Ordinal 14: reads the picture file at path (whole file) for the preview of
// the file dialog. Returns the slot, or -1.
IMAGELIB_EXPORT int IMGReadPreview(const char* path);
// Ordinal 62: draws the slot into the rectangle of the surface, shrunk or
// enlarged with its aspect kept and centred; the rest of the rectangle gets
// background (0x00RRGGBB). Returns 1, 0 on failure.
IMAGELIB_EXPORT int IMGDrawPreview(int slot, platform::Surface* dc, int left, int top, int right,
                                   int bottom, std::uint32_t background);
// Ordinal 63: tells size and bits per pixel of the picture in a file without
// decoding its pixels. Returns 1 when the file holds a readable picture.
IMAGELIB_EXPORT int IMGPingFile(const char* path, int* width, int* height, int* bits);
// No ordinal (this library's own): as IMGPingFile for the length bytes at
// offset of an open file (to its end for a negative length), such as the
// picture inside a picture file.
IMAGELIB_EXPORT int IMGPingFilePart(std::FILE* file, long offset, long length, int* width,
                                    int* height, int* bits);

// No ordinal (this library's own): the reads that follow may decode a JPEG of
// exactly fullWidth x fullHeight at 1/2, 1/4 or 1/8 of its size, the smallest
// of these that is still at least width x height, so that a picture about to
// be shrunk to that size is never held in full. Pictures of another size
// (an emblem before the main picture, say) are read in full, and
// IMGSetDecodeFloor(0, 0, 0, 0) restores full-size reads.
IMAGELIB_EXPORT void IMGSetDecodeFloor(int fullWidth, int fullHeight, int width, int height);
}
