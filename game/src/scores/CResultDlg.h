#pragma once

#include <QDialog>

#include <functional>

#include "help/HelpContext.h"
#include "scores/GameResults.h"
#include "scores/HighScoreTable.h"

class QLineEdit;
class QPushButton;

// The results of a finished game: dialog 153 with a field for the player's
// name when the score enters the high-score table, dialog 154 without it.
// The dialog never changes the table for good: the entry is added by the
// end-of-game sequence once the dialog has closed.
class CResultDlg : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kWithName = 153;
    static constexpr int kWithoutName = 154;
    static constexpr unsigned kHelpNumber = help::kResultsHelp;
    static constexpr int kTitle = 1041;
    static constexpr int kName = 1004;
    static constexpr int kScore = 1174;
    static constexpr int kHighScores = 1178;
    static constexpr int kDeleteSaved = 1179;
    static constexpr const char* kDeleteQuestion = "You really want to delete the saved game?";
    static constexpr const char* kDeleteFailed = "Cannot delete the game %1";

    CResultDlg(bool withName, const GameResults& results, QWidget* parent = nullptr,
               HighScoreTable::Io io = HighScoreTable::Io::iniStore());

    bool withName() const { return nameField_ != nullptr; }
    // The name typed (dialog 153), empty in dialog 154.
    std::string name() const;
    const GameResults& results() const { return results_; }
    // The saved game's path; emptied once the file is deleted.
    const std::string& savedGamePath() const { return results_.savedGamePath; }

    // Shows the help topic; the platform's help viewer by default.
    std::function<void(unsigned context)> showHelp;
    // Shows the table dialog (modally by default); tests look at it instead.
    std::function<void(class CHighScoreDlg&)> runTable;

  public slots:
    void accept() override;
    void onHighScores();
    void onDeleteSaved();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void build(bool withName);
    void addResult(int id, const QString& label, const std::string& text, int row);

    GameResults results_;
    HighScoreTable::Io io_;
    QLineEdit* nameField_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
};
