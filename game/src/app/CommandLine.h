#pragma once

#include <string>

// What the program does with its one command-line argument.
struct CommandLineAction {
    bool enableOldtimer = false;  // empty command line
    bool restoreGame = false;     // ".JIG": post 0x405 with the path
    bool loadPicture = false;     // ".PPX": post 0x404 with the path
    bool newGame = false;         // "/V" anywhere: post 57601
    std::string path;
};

// The whole command line is one argument; the extension test ignores letter
// case, and any other extension is ignored.
CommandLineAction parseCommandLine(const std::string& commandLine);
