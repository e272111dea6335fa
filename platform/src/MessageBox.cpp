#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <atomic>
#include <cstdio>
#include <mutex>

namespace {

std::mutex interceptorMutex;
platform::MessageBoxInterceptor interceptor;
std::atomic<int> beeps{0};

constexpr unsigned kButtonMask = 0x0F;
constexpr unsigned kIconMask = 0xF0;

struct ButtonSet {
    int first = IDOK;
    int second = 0;
    int third = 0;
};

ButtonSet buttonsOf(unsigned flags) {
    switch (flags & kButtonMask) {
        case MB_OKCANCEL:
            return {IDOK, IDCANCEL, 0};
        case MB_YESNOCANCEL:
            return {IDYES, IDNO, IDCANCEL};
        case MB_YESNO:
            return {IDYES, IDNO, 0};
        default:
            return {IDOK, 0, 0};
    }
}

// The button that Enter presses: the first, or the second with MB_DEFBUTTON2.
int defaultButton(unsigned flags) {
    const ButtonSet set = buttonsOf(flags);
    if ((flags & MB_DEFBUTTON2) != 0 && set.second != 0) {
        return set.second;
    }
    return set.first;
}

QMessageBox::StandardButton standardOf(int id) {
    switch (id) {
        case IDCANCEL:
            return QMessageBox::Cancel;
        case IDYES:
            return QMessageBox::Yes;
        case IDNO:
            return QMessageBox::No;
        default:
            return QMessageBox::Ok;
    }
}

int idOf(int standard) {
    switch (standard) {
        case QMessageBox::Cancel:
            return IDCANCEL;
        case QMessageBox::Yes:
            return IDYES;
        case QMessageBox::No:
            return IDNO;
        default:
            return IDOK;
    }
}

QMessageBox::Icon iconOf(unsigned flags) {
    switch (flags & kIconMask) {
        case MB_ICONHAND:
            return QMessageBox::Critical;
        case MB_ICONQUESTION:
            return QMessageBox::Question;
        case MB_ICONEXCLAMATION:
            return QMessageBox::Warning;
        case MB_ICONINFORMATION:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

bool haveWidgets() {
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

int showBox(QWidget* owner, const char* text, const char* caption, unsigned flags) {
    QMessageBox box(iconOf(flags), QString::fromLocal8Bit(caption), QString::fromLocal8Bit(text),
                    QMessageBox::NoButton, owner);
    const ButtonSet set = buttonsOf(flags);
    QMessageBox::StandardButtons buttons = standardOf(set.first);
    if (set.second != 0) {
        buttons |= standardOf(set.second);
    }
    if (set.third != 0) {
        buttons |= standardOf(set.third);
    }
    box.setStandardButtons(buttons);
    box.setDefaultButton(standardOf(defaultButton(flags)));
    // Escape answers Cancel where there is one, and the only button of a
    // one-button box; a yes/no question has to be answered.
    if ((buttons & QMessageBox::Cancel) != 0) {
        box.setEscapeButton(QMessageBox::Cancel);
    } else if (set.second == 0) {
        box.setEscapeButton(standardOf(set.first));
    }
    return idOf(box.exec());
}

}  // namespace

int MessageBoxA(QWidget* owner, const char* text, const char* caption, unsigned flags) {
    const platform::MessageBoxRecord record{text ? text : "", caption ? caption : "", flags};
    platform::MessageBoxInterceptor answer;
    {
        std::lock_guard<std::mutex> lock(interceptorMutex);
        answer = interceptor;
    }
    if (answer) {
        return answer(record);
    }
    if (!haveWidgets()) {
        std::fprintf(stderr, "%s: %s\n", record.caption.c_str(), record.text.c_str());
        return defaultButton(flags);
    }
    return showBox(owner, record.text.c_str(), record.caption.c_str(), flags);
}

void MessageBeep(unsigned) {
    ++beeps;
    if (haveWidgets()) {
        QApplication::beep();
    }
}

namespace platform {

void setMessageBoxInterceptor(MessageBoxInterceptor newInterceptor) {
    std::lock_guard<std::mutex> lock(interceptorMutex);
    interceptor = std::move(newInterceptor);
}

int beepCount() {
    return beeps.load();
}

}  // namespace platform
