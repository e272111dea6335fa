#pragma once

#include <string>

#include "PiclibSettings.h"

namespace piclib {

// The directory of the shared configuration file (from QueryIniPathName),
// with a trailing separator.
std::string configDirectory();
// Full path of QUIET.INI in that directory.
std::string configFile();
// Full path of the library's own Gallery.ini, worked out once.
const std::string& galleryFile();

// The language letter: the first letter of Registration / Language in
// QUIET.INI (default "English"), read once. Upper case.
char languageLetter();

// The screen's colour depth: 24, or 8 in the emulated 256-colour mode
// (Options / Emulate256Colours "On" in QUIET.INI, or the environment
// variable TESSELLA_256_COLOURS=1).
int screenDepth();

// Changes to the configuration directory for its lifetime and back to the
// directory that was current before, so relative picture paths are resolved
// against the configuration directory.
class ConfigDirectoryScope {
  public:
    ConfigDirectoryScope();
    ~ConfigDirectoryScope();
    ConfigDirectoryScope(const ConfigDirectoryScope&) = delete;
    ConfigDirectoryScope& operator=(const ConfigDirectoryScope&) = delete;

  private:
    std::string saved_;
};

}  // namespace piclib
