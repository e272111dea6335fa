#include "controls/ControlClasses.h"

#include <QHash>

#include "controls/BitmapShow.h"
#include "controls/MicroScroll.h"
#include "controls/NamesList.h"
#include "controls/Slider.h"
#include "platform/MessageBox.h"

namespace controls {

namespace {

QHash<QString, ControlFactory>& classTable() {
    static QHash<QString, ControlFactory> table;
    return table;
}

QWidget* makeSlider(int id, unsigned style, const QString& text, QWidget* parent) {
    return new Slider(id, style, text, parent);
}

QWidget* makeMicroScroll(int id, unsigned, const QString&, QWidget* parent) {
    return new MicroScroll(id, parent);
}

QWidget* makeNamesList(int id, unsigned, const QString&, QWidget* parent) {
    return new NamesList(id, parent);
}

QWidget* makeBitmapShow(int id, unsigned, const QString&, QWidget* parent) {
    return new BitmapShow(id, parent);
}

}  // namespace

bool ControlClasses::registerClass(const QString& name, ControlFactory factory) {
    if (name.isEmpty() || factory == nullptr) {
        return false;
    }
    auto& table = classTable();
    const auto found = table.constFind(name);
    if (found != table.constEnd()) {
        return found.value() == factory;
    }
    table.insert(name, factory);
    return true;
}

bool ControlClasses::isRegistered(const QString& name) {
    return classTable().contains(name);
}

QWidget* ControlClasses::create(const QString& name, int id, unsigned style, const QString& text,
                                QWidget* parent) {
    const ControlFactory factory = classTable().value(name, nullptr);
    return factory != nullptr ? factory(id, style, text, parent) : nullptr;
}

int RegisterSliderClasses() {
    const bool slider = ControlClasses::registerClass(Slider::kClassName, makeSlider);
    const bool micro = ControlClasses::registerClass(MicroScroll::kClassName, makeMicroScroll);
    return slider && micro ? 1 : 0;
}

void RegisterProgramClasses(QWidget* owner) {
    const struct {
        const char* name;
        ControlFactory factory;
    } classes[] = {{NamesList::kClassName, makeNamesList},
                   {BitmapShow::kClassName, makeBitmapShow}};
    for (const auto& c : classes) {
        if (!ControlClasses::registerClass(c.name, c.factory)) {
            MessageBoxA(owner, "Class registration failed!", kFrameworkCaption,
                        MB_OK | MB_ICONEXCLAMATION);
        }
    }
}

}  // namespace controls
