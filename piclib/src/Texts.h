#pragma once

#include <string>

namespace piclib {

// "%1 is not a valid picture" in the language of the letter, with name in
// place of %1.
std::string notValidPictureText(char language, const std::string& name);
// The file dialog's filter of all pictures, or of the library's own picture
// files only, in the language of the letter (Qt's filter syntax).
std::string pictureFilter(char language, bool onlyPpx);

}  // namespace piclib
