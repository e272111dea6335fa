#pragma once

#include <QString>
#include <cstdint>

class QWidget;

namespace piclib {

// What every control of the library has beside its widget: the window style
// bits, the window text and the numbered messages. The widget classes derive
// from their Qt base and from this.
class PictControl {
  public:
    PictControl() = default;
    PictControl(const PictControl&) = delete;
    PictControl& operator=(const PictControl&) = delete;
    virtual ~PictControl() = default;

    unsigned windowStyle() const { return style_; }
    void setWindowStyle(unsigned style) { style_ = style; }
    const QString& windowText() const { return text_; }
    // Stores the window text and lets the control react to it.
    void setWindowText(const QString& text);

    // Answers a numbered message; unknown messages answer 0. The base
    // handles WM_SETTEXT.
    virtual std::intptr_t message(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);
    // Called once the control has its identifier, geometry and text.
    virtual void created() {}

  protected:
    virtual void textChanged() {}
    // The identifier in objectName, sent to the parent as a command.
    static void sendCommand(QWidget* control);

  private:
    unsigned style_ = 0;
    QString text_;
};

}  // namespace piclib
