#include "ControlRegistry.h"

#include <QWidget>

#include "AdvTextDispl.h"
#include "AniDspWnd.h"
#include "BitmapDisplay.h"
#include "PictControl.h"
#include "PictControls.h"
#include "ShadeFrame.h"
#include "TapButton.h"
#include "TextDispl.h"
#include "XBotton.h"

namespace piclib {

ControlRegistry& ControlRegistry::instance() {
    static ControlRegistry registry;
    return registry;
}

bool ControlRegistry::add(const QString& className, Factory factory) {
    if (find(className) != nullptr) {
        return false;
    }
    entries_.push_back({className, std::move(factory)});
    return true;
}

const ControlRegistry::Factory* ControlRegistry::find(const QString& className) const {
    for (const Entry& e : entries_) {
        if (e.name.compare(className, Qt::CaseInsensitive) == 0) {
            return &e.factory;
        }
    }
    return nullptr;
}

std::vector<QString> ControlRegistry::names() const {
    std::vector<QString> result;
    for (const Entry& e : entries_) {
        result.push_back(e.name);
    }
    return result;
}

namespace {

template <typename Control>
ControlRegistry::Factory factoryOf() {
    return [](QWidget* parent) -> QWidget* { return new Control(parent); };
}

}  // namespace

bool registerPictControls() {
    ControlRegistry& r = ControlRegistry::instance();
    r.add(QStringLiteral("TEXTDISPL"), factoryOf<TextDispl>());
    r.add(QStringLiteral("ADVTEXTDISPL"), factoryOf<AdvTextDispl>());
    r.add(QStringLiteral("ANIDSPWND"), factoryOf<AniDspWnd>());
    r.add(QStringLiteral("XBOTTON"), factoryOf<XBotton>());
    r.add(QStringLiteral("TAPBUTTON"), factoryOf<TapButton>());
    r.add(QStringLiteral("ShadeFrame"), factoryOf<ShadeFrame>());
    r.add(QStringLiteral("BitmapDisplay"), factoryOf<BitmapDisplay>());
    return true;
}

std::vector<QString> pictControlClassNames() {
    return ControlRegistry::instance().names();
}

QWidget* createPictControl(const char* className, const char* windowText, unsigned style,
                           const QRect& rect, int id, QWidget* parent) {
    if (className == nullptr) {
        return nullptr;
    }
    const ControlRegistry::Factory* factory =
        ControlRegistry::instance().find(QString::fromUtf8(className));
    if (factory == nullptr) {
        return nullptr;
    }
    QWidget* widget = (*factory)(parent);
    auto* control = dynamic_cast<PictControl*>(widget);
    widget->setObjectName(QString::number(id));
    widget->setGeometry(rect);
    control->setWindowStyle(style);
    control->setWindowText(windowText != nullptr ? QString::fromUtf8(windowText) : QString());
    control->created();
    if ((style & WS_TABSTOP) != 0) {
        widget->setFocusPolicy(Qt::StrongFocus);
    }
    widget->show();
    return widget;
}

std::intptr_t sendPictMessage(QWidget* control, unsigned message, std::uintptr_t wParam,
                              std::intptr_t lParam) {
    auto* target = dynamic_cast<PictControl*>(control);
    return target != nullptr ? target->message(message, wParam, lParam) : 0;
}

}  // namespace piclib
