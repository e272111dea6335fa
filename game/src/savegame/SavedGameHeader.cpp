#include "savegame/SavedGameHeader.h"

#include <algorithm>

#include "platform/ByteReader.h"
#include "platform/ByteWriter.h"

namespace {

constexpr char kIdentification[3] = {'P', 'Z', 'K'};
constexpr int kPlacementLength = 44;
// Largest table side a signed 16-bit coordinate can address.
constexpr int kMaxSide = 32000;

void zeros(platform::ByteWriter& out, int n) {
    for (int i = 0; i < n; ++i) {
        out.u8(0);
    }
}

// A zero-terminated text in a field of fixed size; a longer text is cut so
// that the terminator always fits.
void writeText(platform::ByteWriter& out, const std::string& text, int field) {
    const int n = std::min(static_cast<int>(text.size()), field - 1);
    for (int i = 0; i < n; ++i) {
        out.u8(static_cast<std::uint8_t>(text[static_cast<std::size_t>(i)]));
    }
    zeros(out, field - n);
}

// The text up to the first 0 of the field; a field without one gives its
// first field - 1 bytes, as a writer would have cut it.
std::string readText(platform::ByteReader& in, int field) {
    std::string text;
    bool ended = false;
    for (int i = 0; i < field; ++i) {
        const char c = static_cast<char>(in.u8());
        if (c == 0) {
            ended = true;
        } else if (!ended && i < field - 1) {
            text.push_back(c);
        }
    }
    return text;
}

void skip(platform::ByteReader& in, int n) {
    for (int i = 0; i < n; ++i) {
        in.u8();
    }
}

}  // namespace

std::string SavedGameHeader::fitName(const std::string& name) {
    std::size_t n = std::min<std::size_t>(name.size(), kNameField - 1);
    if (n < name.size()) {
        // Step back over UTF-8 continuation bytes so no character is split.
        while (n > 0 && (static_cast<unsigned char>(name[n]) & 0xC0) == 0x80) {
            --n;
        }
    }
    return name.substr(0, n);
}

void SavedGameHeader::write(platform::ByteWriter& out) const {
    for (char c : kIdentification) {
        out.u8(static_cast<std::uint8_t>(c));
    }
    zeros(out, 1);
    writeText(out, picturePath, kPathField);
    out.i16(std::max<std::int16_t>(pieceWidth, kMinPieceSize));
    out.i16(std::max<std::int16_t>(pieceHeight, kMinPieceSize));
    out.i32(seed);
    for (std::int16_t v :
         {frameLeft, frameTop, frameRight, frameBottom, level, reservedPreference}) {
        out.i16(v);
    }
    out.i16(static_cast<std::int16_t>(smallPieceThreshold));
    for (std::int16_t v : {adjustOriginal, onSnap, moveAside, autoScroll}) {
        out.i16(v);
    }
    out.i32(background);
    zeros(out, 10);
    out.i32(elapsedSeconds);
    out.i32(totalScore);
    out.i32(assists);
    writeText(out, fitName(pictureName), kNameField);
    out.i16(groupCount);
    out.i32(bonusSum);
    for (std::int32_t v : {pictureLeft, pictureTop, pictureRight, pictureBottom}) {
        out.i32(v);
    }
    zeros(out, 4);
    out.i32(scrollX);
    out.i32(scrollY);
    for (std::int16_t v :
         {zoomOutLevel, zoomInLevel, largestZoomOut, pieceCount, workspaceHeight, workspaceWidth}) {
        out.i16(v);
    }
    out.i32(kPlacementLength);
    const WindowPlacementRecord& p = placement;
    for (std::int32_t v : {p.flags, p.showCmd, p.minX, p.minY, p.maxX, p.maxY, p.normalLeft,
                           p.normalTop, p.normalRight, p.normalBottom}) {
        out.i32(v);
    }
}

bool SavedGameHeader::read(platform::ByteReader& in) {
    // A file too short for the header (an empty one included) is no saved game.
    if (in.remaining() < static_cast<std::size_t>(kSize)) {
        in.fail(kNotAPuzzle);
        return false;
    }
    for (char c : kIdentification) {
        if (static_cast<char>(in.u8()) != c) {
            in.fail(kNotAPuzzle);
            return false;
        }
    }
    skip(in, 1);
    picturePath = readText(in, kPathField);
    pieceWidth = in.i16();
    pieceHeight = in.i16();
    seed = in.i32();
    for (std::int16_t* v :
         {&frameLeft, &frameTop, &frameRight, &frameBottom, &level, &reservedPreference}) {
        *v = in.i16();
    }
    smallPieceThreshold = static_cast<std::uint16_t>(in.i16());
    for (std::int16_t* v : {&adjustOriginal, &onSnap, &moveAside, &autoScroll}) {
        *v = in.i16();
    }
    background = in.i32();
    skip(in, 10);
    elapsedSeconds = in.i32();
    totalScore = in.i32();
    assists = in.i32();
    pictureName = readText(in, kNameField);
    groupCount = in.i16();
    bonusSum = in.i32();
    for (std::int32_t* v : {&pictureLeft, &pictureTop, &pictureRight, &pictureBottom}) {
        *v = in.i32();
    }
    skip(in, 4);
    scrollX = in.i32();
    scrollY = in.i32();
    for (std::int16_t* v : {&zoomOutLevel, &zoomInLevel, &largestZoomOut, &pieceCount,
                            &workspaceHeight, &workspaceWidth}) {
        *v = in.i16();
    }
    in.i32();  // the placement's own length
    WindowPlacementRecord& p = placement;
    for (std::int32_t* v : {&p.flags, &p.showCmd, &p.minX, &p.minY, &p.maxX, &p.maxY, &p.normalLeft,
                            &p.normalTop, &p.normalRight, &p.normalBottom}) {
        *v = in.i32();
    }
    if (!in.ok()) {
        in.fail("the file ends inside its header");
        return false;
    }
    if (const char* why = problem()) {
        in.fail(why);
        return false;
    }
    return true;
}

const char* SavedGameHeader::problem() const {
    if (picturePath.empty() || static_cast<int>(picturePath.size()) >= kPathField) {
        return "the picture path is empty or too long";
    }
    if (pieceWidth < kMinPieceSize || pieceHeight < kMinPieceSize) {
        return "the piece size is below 10 pixels";
    }
    if (level < 2 || level > 5) {
        return "the skill level is not one of 2 to 5";
    }
    if (pictureLeft != 0 || pictureTop != 0 || pictureRight <= 0 || pictureBottom <= 0 ||
        pictureRight > kMaxSide / 2 || pictureBottom > kMaxSide / 2) {
        return "the picture size is impossible";
    }
    if (pieceWidth > pictureRight || pieceHeight > pictureBottom) {
        return "the pieces are larger than the picture";
    }
    if (workspaceWidth < pictureRight || workspaceHeight < pictureBottom) {
        return "the table is smaller than the picture";
    }
    if (pieceCount < 1 || groupCount < 1 || groupCount > pieceCount) {
        return "the numbers of pieces and groups do not fit";
    }
    if (zoomInLevel < 0 || zoomInLevel > 2 || zoomOutLevel < 0 || largestZoomOut < 0 ||
        largestZoomOut > 31 || zoomOutLevel > largestZoomOut) {
        return "the zoom levels are out of range";
    }
    if (elapsedSeconds < 0) {
        return "the play time is negative";
    }
    return nullptr;
}
