#pragma once

// Public interface of the picture library. Every export has C linkage and
// keeps the system's name and argument order; window handles are QWidget
// pointers. 1 or a handle means success, 0 or null failure.

#include <cstdint>

#include "PIXPICK32_export.h"

class QWidget;

extern "C" {

// Initialises the library: reads the language letter, registers the shared
// window controls by class name. Returns 1.
PIXPICK32_EXPORT int InitPictloadLib(void);
// Marks the library as started by an old-style caller without command line.
PIXPICK32_EXPORT void EnableOldtimer(void);

// Builds the path of the picture's help file (the picture's directory plus the
// help file name from its picture information). Returns 1 and copies at most
// size bytes into path when the name is not empty and the file exists; else 0.
PIXPICK32_EXPORT int QueryInformationFile(const char* fileName, char* path, int size);
}
