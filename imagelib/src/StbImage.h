#pragma once

// The Targa part of the system's stb_image, built once in StbImage.cpp.
#define STBI_ONLY_TGA
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_MAX_DIMENSIONS 32767
#include <stb/stb_image.h>
