#pragma once

#include <functional>
#include <string>

#include "platform/Surface.h"

// Loads a picture for a game through the picture and image libraries: finds
// or takes its image slot, fits it to the window, stamps the logo, reduces
// its colours and makes the picture bitmap.
class PictureLoader {
  public:
    struct Request {
        std::string path;
        int clientRight = 0;
        int clientBottom = 0;
        bool fixedSize = false;  // right x bottom is the size to resample to
        int slot = -1;           // -1: load the path with GetImageHandle
        bool adjustToWindow = true;
        int loadingPriority = 2;
    };
    struct Result {
        int slot = -1;
        platform::Surface bitmap;
        std::string title;  // the picture's short description
        bool hasHelp = false;
    };
    struct Hooks {
        // Each step as it begins ("Adjusting size of image", "Optimizing
        // Palette").
        std::function<void(const char* text)> status;
        // The running step's progress, 0 to 100; installed as the image
        // library's progress function for the load and given to the colour
        // reduction.
        std::function<void(int percent)> progress;
    };

    // False when the picture cannot be had; *error then holds the message
    // the player sees.
    static bool Load(const Request& request, const Hooks& hooks, Result& result,
                     std::string* error);

    // The slot's pixels as a bitmap of width x height.
    static platform::Surface Bitmap(int slot, int width, int height);
    // Resamples the slot and makes its bitmap again (the cut to whole pieces).
    static void Resample(int slot, platform::Surface& bitmap, int width, int height);
};
