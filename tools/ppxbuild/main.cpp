#include <QCoreApplication>

#include <cstdio>
#include <string>

#include "PictureSet.h"

// ppxbuild <descriptions folder> <source pictures folder> <output folder>
// Builds the game's own picture files, their help files and the logo file.
int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);  // lets the image readers find their plugins
    if (argc != 4) {
        std::fprintf(stderr, "usage: ppxbuild <descriptions> <sources> <output>\n");
        return 2;
    }
    std::string error;
    if (!ppxbuild::buildPictureSet(argv[1], argv[2], argv[3], error)) {
        std::fprintf(stderr, "ppxbuild: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
