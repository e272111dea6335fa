#include "PictControl.h"

#include <QCoreApplication>
#include <QWidget>

#include "PictControls.h"

namespace piclib {

void PictControl::setWindowText(const QString& text) {
    text_ = text;
    textChanged();
}

std::intptr_t PictControl::message(unsigned msg, std::uintptr_t, std::intptr_t lParam) {
    if (msg == WM_SETTEXT) {
        const char* text = reinterpret_cast<const char*>(lParam);
        setWindowText(text != nullptr ? QString::fromUtf8(text) : QString());
        return 1;
    }
    return 0;
}

void PictControl::sendCommand(QWidget* control) {
    QWidget* parent = control->parentWidget();
    if (parent == nullptr) {
        return;
    }
    bool ok = false;
    const int id = control->objectName().toInt(&ok);
    PictCommandEvent event(ok ? id : 0);
    QCoreApplication::sendEvent(parent, &event);
}

}  // namespace piclib
