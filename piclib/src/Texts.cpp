#include "Texts.h"

namespace piclib {
namespace {

constexpr char kPictureTypes[] = " (*.tif *.jpg *.tga *.bmp *.gif *.ppx *.lgo)";

}  // namespace

std::string notValidPictureText(char language, const std::string& name) {
    switch (language) {
        case 'G':
            return name + " ist kein gültiges Bild";
        case 'F':
            return name + " n'est pas une image valide";
        default:
            return name + " is not a valid picture";
    }
}

std::string pictureFilter(char language, bool onlyPpx) {
    if (onlyPpx) {
        switch (language) {
            case 'G':
                return "Orbis Bilder (*.ppx)";
            case 'F':
                return "Images d'Orbis (*.ppx)";
            default:
                return "Bitmaps (*.ppx)";
        }
    }
    switch (language) {
        case 'G':
            return std::string("Bilder") + kPictureTypes;
        case 'F':
            return std::string("Images") + kPictureTypes;
        default:
            return std::string("Pictures") + kPictureTypes;
    }
}

}  // namespace piclib
