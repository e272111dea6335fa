#pragma once

#include <QString>

#include <functional>
#include <string>

#include "platform/Surface.h"

class GameFlowHost;
class GameSession;
struct Puzzle;
struct SavedGame;
struct SavedGameHeader;
class SavedGameProgress;

// The view's saved games: Save, Save As, Restore and the "Saving?" question,
// with their dialogs and progress, and the files the game came from. The
// clock stands still while a dialog is open or a file is written.
class SavedGames {
  public:
    explicit SavedGames(GameFlowHost& host);

    // Save (into the restored file when there is one) and Save As; true
    // when the game was written.
    bool save(bool intoRestoredFile);
    // Writes the game to path without asking, with the play time so far;
    // onGroup follows the groups as they are written.
    // Returns an empty text or the reason it failed.
    std::string saveTo(const std::string& path,
                       const std::function<void(int written)>& onGroup = {});
    // Restore: the named file when it exists, else the one the dialog
    // chooses.
    void restore(const QString& given);
    // Reads the whole file, then replaces the current game by it; a refused
    // file keeps the current game (the reason was shown).
    bool restoreFrom(const std::string& path);
    // Before an unsaved game would be lost: "Saving?". False when the player
    // cancels (or the save he asked for failed).
    bool askToSave();

    // A new picture: no file holds its game yet.
    void newPicture(const std::string& pictureName);
    // The finished game is gone from the table.
    void forgetFiles();
    // The file Save writes to without asking; empty for none.
    const std::string& savedPath() const { return savedPath_; }
    void forgetSavedPath() { savedPath_.clear(); }
    // The last saved or restored file, offered for deletion at the end.
    const std::string& currentFile() const { return currentFile_; }
    // The picture's short description.
    const std::string& pictureName() const { return pictureName_; }

  private:
    void fillHeader(SavedGameHeader& header, const Puzzle& puzzle) const;
    void takeOverSettings(const SavedGameHeader& header);
    void adoptSavedGame(SavedGame& game, platform::Surface picture, SavedGameProgress& progress);
    void applySavedZoom(const SavedGameHeader& header);
    void scrollToSaved(const SavedGameHeader& header);

    GameFlowHost& host_;
    GameSession& session_;
    std::string savedPath_;
    std::string currentFile_;
    std::string pictureName_;
};
