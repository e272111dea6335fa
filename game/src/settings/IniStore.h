#pragma once

#include <string>

// The program's settings live in the shared configuration file "Quiet.Ini"
// (sections of key=value lines). Every read opens the file afresh, so there is
// no cache: a read always sees the latest write. A missing file or key reads
// as the caller's default; the file and section are created on first write; a
// failed write is not reported.

// Section used when none is given.
inline constexpr const char* kDefaultSection = "Jigsaw";

// Full path of the settings file: built once from the program's directory and
// the configured location of the shared files, then kept for the whole run.
const std::string& IniPath();

// Replaces the settings path for the rest of the run (tests point it at a
// temporary file so they never touch the player's settings).
void SetIniPath(const std::string& path);

// Directory of the running program, ending in the platform separator.
std::string ProgramDirectory();

// Reads key of section (kDefaultSection when null) into buffer of size
// characters, def when missing. Returns the number of characters copied.
int GetIniString(char* buffer, const char* def, int size, const char* key,
                 const char* section = nullptr);
std::string GetIniString(const char* key, const char* def, const char* section = nullptr);

// As GetIniString, then one trailing separator removed; a value that names no
// existing file or directory is taken relative to the program's directory (so
// an empty value gives the program's directory itself).
int GetIniPath(char* buffer, const char* def, int size, const char* key,
               const char* section = nullptr);
std::string GetIniPath(const char* key, const char* def, const char* section = nullptr);

void WriteIniString(const char* value, const char* key, const char* section = nullptr);

// A default of 0 or 1 reads a switch: "On" or "Yes" (any case) give 1,
// otherwise the number the text starts with (0 for words and empty text). Any
// other default reads an unsigned 16-bit number (a stored -1 gives 65535).
int GetIniInt(int def, const char* key, const char* section = nullptr);

// 0 and 1 are written as offText and onText, every other value as an unsigned
// 16-bit decimal number.
void WriteIniInt(int value, const char* onText, const char* offText, const char* key,
                 const char* section = nullptr);
