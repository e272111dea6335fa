#pragma once

#include <QObject>

class CJigsawView;

// The document. It holds no game state of its own: the workspace view owns
// the game, saves and restores it, and answers whether closing may go on.
class CJigsawDoc : public QObject {
    Q_OBJECT
  public:
    explicit CJigsawDoc(QObject* parent = nullptr);

    void setView(CJigsawView* view) { view_ = view; }
    CJigsawView* view() const { return view_; }

    // Asked before the frame closes; false keeps the program running.
    bool canCloseFrame() const;

  private:
    CJigsawView* view_ = nullptr;
};
