#pragma once

#include <QHash>
#include <QRect>
#include <QString>

#include "controls/CFramedDialog.h"

class QCheckBox;
class QLabel;
class QRadioButton;

namespace dialogs {

// A game dialog: the framed dialog plus its controls by id. Buttons are the
// picture library's XBOTTON controls; their clicks, Enter (the default
// button), Escape (button 2) and Alt with a caption's underlined letter all
// arrive at onCommand().
class CGameDialog : public controls::CFramedDialog {
    Q_OBJECT
  public:
    CGameDialog(int resourceId, const QString& title, QWidget* parent = nullptr,
                bool withCaption = true);

    // The control with that id, or null.
    QWidget* control(int id) const;

    // A button command, as if the button had been clicked. Buttons 1 and 2
    // close the dialog with their id as its result.
    virtual void onCommand(int id);

  protected:
    // Window text "<bitmap>,<caption>"; the default button answers Enter.
    QWidget* addButton(int id, const QString& text, const QRect& r, bool isDefault = false);
    QCheckBox* addCheck(int id, const QString& text, const QRect& r);
    QRadioButton* addRadio(int id, const QString& text, const QRect& r);
    QLabel* addLabel(int id, const QString& text, const QRect& r,
                     Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
    // A control of the picture library by class name and window text.
    QWidget* addPictControl(const char* className, const QString& text, unsigned style,
                            const QRect& r, int id = -1);
    // A group frame with a caption.
    QWidget* addGroup(const QString& caption, const QRect& r);
    // F1 answers as the button with that id (the dialog's Help button).
    void setHelpButton(int id) { helpButton_ = id; }

    void closeBoxClicked() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    int defaultButton_ = 1;
    int helpButton_ = 0;           // 0: F1 goes to the frame
    QHash<QChar, int> mnemonics_;  // Alt + letter of a button caption's "&" -> id
};

}  // namespace dialogs
