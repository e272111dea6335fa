#pragma once

#include <cstdint>
#include <string>

namespace platform {
class ByteReader;
class ByteWriter;
}  // namespace platform

// The placement of the view window as the window system reports it; saved
// for the record and never applied on restore.
struct WindowPlacementRecord {
    std::int32_t flags = 0;
    std::int32_t showCmd = 0;
    std::int32_t minX = 0;
    std::int32_t minY = 0;
    std::int32_t maxX = 0;
    std::int32_t maxY = 0;
    std::int32_t normalLeft = 0;
    std::int32_t normalTop = 0;
    std::int32_t normalRight = 0;
    std::int32_t normalBottom = 0;

    bool operator==(const WindowPlacementRecord&) const = default;
};

// The fixed 456-byte head of a saved game: the game's settings, clock, score
// and view. Texts are kept without their terminators.
struct SavedGameHeader {
    static constexpr int kSize = 456;
    static constexpr int kPathField = 256;  // 255 characters and the terminator
    static constexpr int kNameField = 50;   // 49 characters and the terminator
    static constexpr int kMinPieceSize = 10;

    std::string picturePath;
    std::int16_t pieceWidth = 60;
    std::int16_t pieceHeight = 60;
    std::int32_t seed = 0;
    // Main window rectangle at the time of saving (left, top, right, bottom).
    std::int16_t frameLeft = 0;
    std::int16_t frameTop = 0;
    std::int16_t frameRight = 0;
    std::int16_t frameBottom = 0;
    std::int16_t level = 4;
    std::int16_t reservedPreference = 1;
    std::uint16_t smallPieceThreshold = 8;
    std::int16_t adjustOriginal = 1;
    std::int16_t onSnap = 0;
    std::int16_t moveAside = 1;
    std::int16_t autoScroll = 1;
    std::int32_t background = 0;  // 0x00BBGGRR
    std::int32_t elapsedSeconds = 0;
    std::int32_t totalScore = 0;
    std::int32_t assists = 0;
    std::string pictureName;
    std::int16_t groupCount = 0;
    std::int32_t bonusSum = 0;
    // Picture rectangle: always (0, 0) to the picture's width and height.
    std::int32_t pictureLeft = 0;
    std::int32_t pictureTop = 0;
    std::int32_t pictureRight = 0;
    std::int32_t pictureBottom = 0;
    // The view's scroll position in table pixels; a restore applies the zoom
    // step first and then scrolls here.
    std::int32_t scrollX = 0;
    std::int32_t scrollY = 0;
    std::int16_t zoomOutLevel = 0;
    std::int16_t zoomInLevel = 0;
    std::int16_t largestZoomOut = 1;
    std::int16_t pieceCount = 0;
    std::int16_t workspaceHeight = 0;
    std::int16_t workspaceWidth = 0;
    WindowPlacementRecord placement;

    int pictureWidth() const { return pictureRight - pictureLeft; }
    int pictureHeight() const { return pictureBottom - pictureTop; }

    // The picture name as it fits the header: at most 49 bytes, cut before a
    // character that would not fit whole.
    static std::string fitName(const std::string& name);

    // Writes exactly kSize bytes; unused bytes are 0. The caller has checked
    // problem() first: a path too long for its field is cut here.
    void write(platform::ByteWriter& out) const;
    // Reads kSize bytes. Fewer bytes or a wrong identification fail the
    // reader with kNotAPuzzle; values that no game can hold fail it with their reason.
    bool read(platform::ByteReader& in);
    // Why this header cannot describe a game, or null.
    const char* problem() const;

    bool operator==(const SavedGameHeader&) const = default;
};

// The message for a file without the saved-game identification.
inline constexpr const char* kNotAPuzzle = "This is not a puzzle file!";
