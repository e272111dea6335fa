#pragma once

#include <QDialog>

#include <array>
#include <functional>

#include "scores/HighScoreTable.h"

namespace controls {
class NamesList;
}
class QPushButton;

// The high-score table and its dialog ("Hall of Fame", dialog 152) in one:
// the table is loaded when the object is made and stored when it goes, so
// the settings file is the only lasting copy. Each column is a NAMESLIST of
// its own; a highlighted row is lit in all six.
class CHighScoreDlg : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kDialogId = 152;
    static constexpr int kTitle = 1041;
    static constexpr std::array<int, 6> kColumnIds = {1177, 1176, 1178, 1179, 1180, 1181};
    static constexpr int kClear = 1182;
    static constexpr int kHelp = 1183;
    static constexpr const char* kClearQuestion = "You really want to clear all High Scores?";

    explicit CHighScoreDlg(QWidget* parent = nullptr,
                           HighScoreTable::Io io = HighScoreTable::Io::iniStore());
    ~CHighScoreDlg() override;

    HighScoreTable& table() { return table_; }
    int highlight() const { return highlight_; }
    void setHighlight(int row);
    // Fills the six lists from the table.
    void refreshLists();
    controls::NamesList* column(int index) const { return lists_[static_cast<std::size_t>(index)]; }

    // Shows the help topic; the platform's help viewer by default.
    std::function<void(unsigned context)> showHelp;

    // Command 40014: load, show modally, store.
    static void showTable(QWidget* parent);

  private:
    void build();
    void onClear();

    HighScoreTable table_;
    std::array<controls::NamesList*, 6> lists_{};
    int highlight_ = -1;
};
