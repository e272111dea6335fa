#include "AdvTextDispl.h"

#include <QPainter>

#include "ControlLook.h"
#include "PictControls.h"

namespace piclib {

namespace {

constexpr unsigned kCentre = 0x1;
constexpr unsigned kRight = 0x2;
constexpr unsigned kSingleLine = 0x8;
constexpr unsigned kSunken = 0x10;
constexpr unsigned kRaised = 0x20;
constexpr unsigned kRelief = 0x40;
constexpr unsigned kFaceColour = 0x80;
constexpr unsigned kRed = 0x100;
constexpr unsigned kPaleYellow = 0x200;
constexpr unsigned kSmallFont = 0x400;

bool startsBold(const QString& text) {
    return text.startsWith(QStringLiteral("b,"));
}

}  // namespace

AdvTextDispl::AdvTextDispl(QWidget* parent)
    : QWidget(parent), background_(look::kPaleYellow), textColor_(Qt::black) {}

void AdvTextDispl::created() {
    const bool small = (windowStyle() & kSmallFont) != 0;
    font_ = look::sansSerif(small ? 7 : 10, !small && startsBold(windowText()));
}

void AdvTextDispl::setTextColor(const QColor& c) {
    textColor_ = c;
    update();
}

void AdvTextDispl::setBackgroundColor(const QColor& c, std::uintptr_t flag) {
    background_ = c;
    backgroundFlag_ = flag;
    update();
}

void AdvTextDispl::setDialogFont(const QFont& f) {
    const bool parentsOwn = parentWidget() != nullptr && parentWidget()->font() == f;
    if ((windowStyle() & kSmallFont) != 0 || parentsOwn) {
        return;
    }
    font_ = look::crisp(f);
    update();
}

QString AdvTextDispl::shownText() const {
    return startsBold(windowText()) ? windowText().mid(2) : windowText();
}

std::intptr_t AdvTextDispl::message(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    switch (msg) {
        case PM_TEXTCOLOR:
            setTextColor(look::fromColorRef(static_cast<unsigned>(lParam)));
            return 0;
        case PM_BACKCOLOR:
            setBackgroundColor(look::fromColorRef(static_cast<unsigned>(lParam)), wParam);
            return 0;
        case WM_SETFONT:
            if (wParam != 0) {
                setDialogFont(*reinterpret_cast<const QFont*>(wParam));
            }
            return 0;
        default:
            return PictControl::message(msg, wParam, lParam);
    }
}

void AdvTextDispl::textChanged() {
    repaint();
}

QColor AdvTextDispl::panelColor() const {
    if ((windowStyle() & kPaleYellow) != 0) {
        return look::kPaleYellow;
    }
    if ((windowStyle() & kRed) != 0) {
        return QColor(192, 0, 0);
    }
    if ((windowStyle() & kFaceColour) != 0) {
        return look::kFace;
    }
    return background_;
}

int AdvTextDispl::textFlags() const {
    // Drawn unclipped: a text longer than the panel runs on to the window's
    // edge instead of being cut at the inset.
    int flags = Qt::AlignLeft | Qt::TextDontClip;
    if ((windowStyle() & kCentre) != 0) {
        flags = Qt::AlignHCenter;
    } else if ((windowStyle() & kRight) != 0) {
        flags = Qt::AlignRight;
    }
    if ((windowStyle() & kSingleLine) != 0) {
        return flags | Qt::TextSingleLine | Qt::AlignVCenter;
    }
    return flags | Qt::TextWordWrap | Qt::AlignTop;
}

void AdvTextDispl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor panel = panelColor();
    if ((windowStyle() & kSunken) != 0) {
        look::sunkenBox(p, 0, 0, width(), height(), panel);
    } else if ((windowStyle() & kRaised) != 0) {
        look::raisedBox(p, 0, 0, width(), height(), panel);
    }
    p.setFont(font_);
    const QRect area = rect().adjusted(3, 3, -3, -3);
    if ((windowStyle() & kRelief) != 0) {
        p.setPen(Qt::white);
        p.drawText(area.translated(-1, -1), textFlags(), shownText());
    }
    p.setPen(textColor_);
    p.drawText(area, textFlags(), shownText());
}

}  // namespace piclib
