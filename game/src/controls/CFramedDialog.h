#pragma once

#include <QDialog>
#include <QPoint>

#include <cstdint>
#include <functional>
#include <string>

#include "help/HelpContext.h"

class QWidget;

namespace controls {

// A dialog of the program with its own light-grey frame: a one-pixel outline,
// a raised grey frame, and a caption bar (a sunken box in the active or
// inactive caption colour) with the close box at its left, a line under it
// and the title centred in it. The caption drags the dialog; the close box
// cancels it. Controls go on client(), whose coordinates are those of the
// dialog's client area.
class CFramedDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kOutline = 1;
    static constexpr int kFrameWidth = 3;
    static constexpr int kCaptionHeight = 18;
    static constexpr unsigned kHelpBase = help::kScreensBase;

    // The help call of every dialog (the platform's help engine unless a test
    // puts another in its place; an empty function restores the engine):
    // owner, file with window name, command, data.
    using HelpFunction = std::function<int(QWidget* owner, const std::string& file,
                                           unsigned command, std::uintptr_t data)>;
    static void setHelpFunction(HelpFunction help);

    // resourceId becomes the objectName; withCaption false gives the border
    // alone.
    CFramedDialog(int resourceId, const QString& title, QWidget* parent = nullptr,
                  bool withCaption = true);

    QWidget* client() const { return client_; }
    void setClientSize(int width, int height);
    QRect captionRect() const;
    QRect closeBoxRect() const;
    // Draws the active caption colours even while another window is active
    // (pictures of the dialog for documentation and tests).
    void setActiveLook(bool on);

    // Opens the program's help file in the window "Screens" at 0x20000 + id.
    void showHelp(unsigned helpId);
    // The same for any window of the program (the auxiliary windows).
    static void showScreenHelp(QWidget* owner, unsigned helpId);

  protected:
    // The close box in the caption; cancels the dialog unless overridden.
    virtual void closeBoxClicked() { reject(); }
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    int frameInset() const { return kOutline + kFrameWidth; }
    int clientTop() const;
    void drawCaption(QPainter& painter) const;
    void drawCloseBox(QPainter& painter) const;

    QWidget* client_;
    bool withCaption_;
    bool activeLook_ = false;
    bool dragging_ = false;
    QPoint dragOffset_;
};

}  // namespace controls
