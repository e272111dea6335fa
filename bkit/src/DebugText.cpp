#include <cstdio>

#include "BKIT32.h"

extern "C" {

int DebugStr(const char* text) {
    char line[256];
    const int n = std::snprintf(line, sizeof line, "Sound: %s                               \n",
                                text != nullptr ? text : "");
    DebugStrOut(line);
    if (n < 0) {
        return 0;
    }
    return n < static_cast<int>(sizeof line) ? n : static_cast<int>(sizeof line) - 1;
}

// The debug sink: release builds discard the text.
void DebugStrOut(const char*) {}
}
