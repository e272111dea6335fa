#include "savegame/SavedGameIo.h"

#include <QFile>
#include <QString>

#include <exception>

#include "platform/AtomicFile.h"
#include "platform/Paths.h"

namespace {

// Largest file a game can make: 32000 groups of a few hundred kilobytes of
// runs stay far below it; anything larger is not read into memory.
constexpr qint64 kMaxFileSize = qint64(256) * 1024 * 1024;

std::string withPath(const char* what, const std::string& path) {
    return std::string(what) + " " + path;
}

}  // namespace

std::string SavedGameIo::save(const std::string& path, const SavedGame& game,
                              const SavedGame::GroupWritten& onGroup) {
    if (const char* why = game.headerToWrite().problem()) {
        return withPath("Cannot save the game", path) + ": " + why + ".";
    }
    const std::vector<std::uint8_t> bytes = game.encode(onGroup);
    // A hidden temporary file renamed over the old game: a save that fails
    // or is killed leaves the old game whole and nothing in the file list.
    const std::string_view data(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (!platform::replaceFileAtomically(path, data)) {
        return withPath("Cannot write the game to", path) + "; the previous file is unchanged.";
    }
    return {};
}

SavedGameIo::LoadResult SavedGameIo::load(const std::string& path, int screenWidth,
                                          int screenHeight) {
    LoadResult result;
    QFile file(QString::fromStdString(path));
    // Only a regular file is opened: a pipe would block the window.
    if (!platform::fileExists(path) || !file.open(QIODevice::ReadOnly)) {
        result.message = withPath("Cannot open the game", path);
        return result;
    }
    if (file.size() > kMaxFileSize) {
        result.message = withPath("The saved game is too large:", path);
        return result;
    }
    SavedGame game;
    std::string why;
    try {
        const QByteArray data = file.readAll();
        const std::span<const std::uint8_t> bytes(
            reinterpret_cast<const std::uint8_t*>(data.data()),
            static_cast<std::size_t>(data.size()));
        why = SavedGame::decode(bytes, screenWidth, screenHeight, game);
    } catch (const std::exception&) {
        // Memory for the file or its regions could not be had; the running
        // game is untouched.
        result.message = "There is not enough memory to restore the game " + path + ".";
        return result;
    }
    if (why == kNotAPuzzle) {
        result.notAPuzzle = true;
        result.message = why;
    } else if (!why.empty()) {
        result.message =
            "The saved game " + path + " is damaged (" + why + ") and was not restored.";
    } else {
        result.game = std::move(game);
    }
    return result;
}
