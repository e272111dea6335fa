#include "savegame/SavedGameIo.h"

#include <QFile>
#include <QSaveFile>
#include <QString>

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
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) {
        return withPath("Cannot create the file", path) + ".";
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(reinterpret_cast<const char*>(bytes.data()), size) != size || !file.commit()) {
        return withPath("Cannot write the game to", path) + "; the previous file is unchanged.";
    }
    return {};
}

SavedGameIo::LoadResult SavedGameIo::load(const std::string& path, int screenWidth,
                                          int screenHeight) {
    LoadResult result;
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        result.message = withPath("Cannot open the game", path);
        return result;
    }
    if (file.size() > kMaxFileSize) {
        result.message = withPath("The saved game is too large:", path);
        return result;
    }
    const QByteArray data = file.readAll();
    const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(data.data()),
                                              static_cast<std::size_t>(data.size()));
    SavedGame game;
    std::string why = SavedGame::decode(bytes, screenWidth, screenHeight, game);
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
