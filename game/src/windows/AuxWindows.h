#pragma once

#include <QPointer>
#include <QString>

#include "windows/WindowHost.h"

class QWidget;

namespace sprites {
class Sprite;
}

namespace windows {

class COverviewWnd;
class CStatusDlg;
class CViewOrig;

// The workspace view's three auxiliary windows: the original picture, the
// overview and the status window. The view switches them on and off, tells
// them what changed on the table and hands them the clock and score texts.
// The status window is one object for the program's lifetime; the other two
// are made when switched on and destroyed when closed.
class AuxWindows {
  public:
    // Every window tells its owner that it closed with this command.
    static constexpr int kClosedCommand = 40040;

    // owner: the window the auxiliary windows float over.
    AuxWindows(WindowHost host, QWidget* owner);
    ~AuxWindows();
    AuxWindows(const AuxWindows&) = delete;
    AuxWindows& operator=(const AuxWindows&) = delete;

    void toggleOriginal();
    void toggleOverview();
    void toggleStatus();
    bool originalShown() const;
    bool overviewShown() const;
    bool statusShown() const;
    CViewOrig* original() const;
    COverviewWnd* overview() const;
    CStatusDlg* status() const;

    // The table changed: everything, or the held group moved.
    void tableChanged();
    void heldMoved();
    // The clock tick's texts (time only when it changed) and the scoring's.
    void clockTexts(const QString* time, const QString& pieces);
    void scoreTexts(int total, int penalty, int bonus);

    void closeOverview();
    void closeStatus();
    // The puzzle was cleared: the overview has no table left to show and
    // closes, and the status fields are emptied.
    void puzzleCleared();
    // Another picture was loaded (slot -1: none): the original shows it.
    void pictureChanged(int slot);

  private:
    WindowHost host_;
    QWidget* owner_;
    QPointer<CViewOrig> original_;
    QPointer<COverviewWnd> overview_;
    QPointer<CStatusDlg> status_;  // owned here, also a child of owner
    bool placed_ = false;          // the status window keeps its place once shown
};

}  // namespace windows
