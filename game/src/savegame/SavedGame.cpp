#include "savegame/SavedGame.h"

#include "platform/ByteReader.h"
#include "platform/ByteWriter.h"
#include "savegame/RimCollection.h"

namespace {

// Why the group cannot lie on the table the header describes, or null. The
// box may reach past the table's upper and left edges by its margins only;
// its source pixels come from the picture and its cells from the cut grid.
const char* groupProblem(const sprites::Sprite& g, const SavedGameHeader& h) {
    if (g.width <= 0 || g.height <= 0 || g.x <= -g.width || g.y <= -g.height ||
        g.x >= h.workspaceWidth || g.y >= h.workspaceHeight) {
        return "a group lies outside the table";
    }
    if (g.sourceX <= -g.width || g.sourceY <= -g.height || g.sourceX >= h.pictureWidth() ||
        g.sourceY >= h.pictureHeight()) {
        return "a group takes its pixels from outside the picture";
    }
    if (g.cells.empty()) {
        return "a group holds no piece";
    }
    const int columns = h.pictureWidth() / h.pieceWidth;
    const int rows = h.pictureHeight() / h.pieceHeight;
    for (const sprites::CellRef& c : g.cells) {
        if (c.column < 0 || c.row < 0 || c.column >= columns || c.row >= rows) {
            return "a group holds a piece outside the cut";
        }
    }
    return nullptr;
}

// Reads the groups the header announces, checking each against the table.
bool readGroups(platform::ByteReader& in, SavedGame& game) {
    const SavedGameHeader& h = game.header;
    int pieces = 0;
    for (int i = 0; i < h.groupCount; ++i) {
        auto group = std::make_unique<sprites::Sprite>();
        if (!group->read(in)) {
            return false;
        }
        if (const char* why = groupProblem(*group, h)) {
            in.fail(why);
            return false;
        }
        pieces += group->cellCount();
        if (pieces > h.pieceCount) {
            in.fail("the groups hold more pieces than were cut");
            return false;
        }
        game.store->add(std::move(group));
    }
    return true;
}

}  // namespace

std::vector<std::uint8_t> SavedGame::encode(const GroupWritten& onGroup) const {
    platform::ByteWriter out;
    headerToWrite().write(out);
    lowerRightRims.write(out);
    upperLeftRims.write(out);
    if (store) {
        store->write(out);
        for (int i = 0; i < store->count(); ++i) {
            store->at(i)->write(out);
            if (onGroup) {
                onGroup(i + 1);
            }
        }
    }
    return out.take();
}

SavedGameHeader SavedGame::headerToWrite() const {
    SavedGameHeader h = header;
    h.groupCount = static_cast<std::int16_t>(store ? store->count() : 0);
    return h;
}

std::string SavedGame::decode(std::span<const std::uint8_t> bytes, int screenWidth,
                              int screenHeight, SavedGame& game) {
    platform::ByteReader in(bytes);
    SavedGame read;
    if (!read.header.read(in)) {
        return in.error();
    }
    const SavedGameHeader& h = read.header;
    const int columns = h.pictureWidth() / h.pieceWidth;
    const int rows = h.pictureHeight() / h.pieceHeight;
    if (h.pieceCount > columns * rows) {
        return "the piece count does not fit the picture";
    }
    if (!readRimCollection(in, read.lowerRightRims) || !readRimCollection(in, read.upperLeftRims)) {
        return in.error();
    }
    read.store = std::make_unique<sprites::SpriteStore>(h.pieceCount, screenWidth, screenHeight);
    if (!read.store->read(in, nullptr) || !readGroups(in, read)) {
        return in.error();
    }
    if (in.remaining() != 0) {
        return "the file holds more than its groups";
    }
    game = std::move(read);
    return {};
}
