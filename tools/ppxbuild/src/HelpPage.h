#pragma once

#include <string>

#include "PictureDescription.h"

namespace ppxbuild {

// The help file of a picture in one language: an HTML document whose topics
// are the elements with the ids "contents", the picture topic and the artist
// topic, the names the picture library jumps to.
std::string helpPage(const PictureDescription& picture, Language language);

// Text with &, <, > and " written as HTML character references.
std::string escapeHtml(const std::string& text);

}  // namespace ppxbuild
