#include "platform/Look.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

namespace platform {

bool applyClassicLook(QApplication&) {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
    }
    const QColor grey(192, 192, 192);
    const QColor black(0, 0, 0);
    QPalette palette(grey);
    palette.setColor(QPalette::Window, grey);
    palette.setColor(QPalette::Button, grey);
    palette.setColor(QPalette::Base, QColor(255, 255, 255));
    palette.setColor(QPalette::AlternateBase, grey);
    palette.setColor(QPalette::WindowText, black);
    palette.setColor(QPalette::Text, black);
    palette.setColor(QPalette::ButtonText, black);
    palette.setColor(QPalette::ToolTipText, black);
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    palette.setColor(QPalette::Highlight, QColor(0, 0, 128));
    palette.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
    palette.setColor(QPalette::Light, QColor(255, 255, 255));
    palette.setColor(QPalette::Midlight, QColor(223, 223, 223));
    palette.setColor(QPalette::Mid, QColor(160, 160, 160));
    palette.setColor(QPalette::Dark, QColor(128, 128, 128));
    palette.setColor(QPalette::Shadow, black);
    const QColor disabledText(128, 128, 128);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, disabledText);
    palette.setColor(QPalette::Disabled, QPalette::Text, disabledText);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, disabledText);
    QApplication::setPalette(palette);
    return true;
}

}  // namespace platform
