#pragma once

#include <QIcon>
#include <QImage>

// The tool-bar bitmap (resource 185): one 16 by 18 image per button of the
// tool bar, left to right in the order of the button slots, drawn here rather
// than shipped so that it stays crisp and needs no binary file.
class ToolBarBitmap {
  public:
    static constexpr int kImageWidth = 16;
    static constexpr int kImageHeight = 18;
    static constexpr int kResourceId = 185;

    // The whole strip, transparent where no image is drawn.
    static QImage strip();
    // The image of one command's button; a null icon for a command that has
    // no button.
    static QIcon iconFor(int commandId);
};
