#include "app/FramePlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <sstream>

#include "settings/IniStore.h"
#include "settings/SettingsKeys.h"

namespace {

QRect mostOf(const QRect& available) {
    return available.marginsRemoved(QMargins(available.width() / 20, available.height() / 20,
                                             available.width() / 20, available.height() / 20));
}

}  // namespace

QRect FramePlacement::choose(const std::string& stored, const QRect& available) {
    std::istringstream in(stored);
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    if (!(in >> x >> y >> width >> height) || width < kMinimumWidth || height < kMinimumHeight) {
        return mostOf(available);
    }
    // The caption's corner must be reachable, or the player could not move it.
    const QRect corner(x, y, kMinimumWidth / 2, kMinimumHeight / 8);
    if (!available.intersects(corner)) {
        return mostOf(available);
    }
    return {x, y, std::min(width, available.width()), std::min(height, available.height())};
}

QRect FramePlacement::initial() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    return choose(GetIniString(keys::kPlacement, "", keys::kOptions), available);
}

void FramePlacement::save(const QWidget& frame) {
    const QRect placed = frame.geometry();
    const std::string value = std::to_string(placed.x()) + ' ' + std::to_string(placed.y()) + ' ' +
                              std::to_string(placed.width()) + ' ' +
                              std::to_string(placed.height());
    WriteIniString(value.c_str(), keys::kPlacement, keys::kOptions);
}
