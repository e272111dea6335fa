#pragma once

#include <QColor>
#include <QFont>
#include <QWidget>

#include "PictControl.h"

namespace piclib {

// ADVTEXTDISPL: a text panel with its own colours and font, configured by
// style bits: 0x1 centred, 0x2 right-aligned, 0x8 one vertically centred
// line, 0x10 sunken box, 0x20 raised box, 0x40 white relief copy, 0x80 face
// colour, 0x100 red, 0x200 pale yellow background, 0x400 small font. A text
// starting with "b," is shown bold without those two characters.
class AdvTextDispl : public QWidget, public PictControl {
    Q_OBJECT
  public:
    explicit AdvTextDispl(QWidget* parent);

    void setTextColor(const QColor& c);
    void setBackgroundColor(const QColor& c, std::uintptr_t flag);
    // A font the dialog hands on: taken unless the style asks for the small
    // font or it is the parent's own font.
    void setDialogFont(const QFont& f);
    // The text as shown, without the bold marker.
    QString shownText() const;

    std::intptr_t message(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) override;
    void created() override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void textChanged() override;

  private:
    QColor panelColor() const;
    int textFlags() const;

    QColor background_;
    std::uintptr_t backgroundFlag_ = 0;
    QColor textColor_;
    QFont font_;
};

}  // namespace piclib
