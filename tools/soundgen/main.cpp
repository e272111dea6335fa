// soundgen <folder>: writes the game's sixteen event sounds into folder.
#include <iostream>
#include <string>

#include "WavFile.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: soundgen <output folder>\n";
        return 2;
    }
    std::string error;
    if (!soundgen::writeSoundBank(argv[1], error)) {
        std::cerr << "soundgen: " << error << '\n';
        return 1;
    }
    return 0;
}
