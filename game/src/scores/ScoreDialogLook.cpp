#include "scores/ScoreDialogLook.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>

#include "help/HelpContext.h"
#include "platform/Help.h"

namespace scorelook {

QLabel* addTitle(QWidget* dialog, int id, const QString& text, int x, int y, int width) {
    auto* title = new QLabel(text, dialog);
    title->setObjectName(QString::number(id));
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(28);
    font.setWeight(QFont::Bold);
    title->setFont(font);
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(x, y, width, 40);
    return title;
}

QPushButton* addButton(QWidget* dialog, int id, const QString& text, int x, int y) {
    auto* button = new QPushButton(text, dialog);
    button->setObjectName(QString::number(id));
    button->setGeometry(x, y, 150, 28);
    button->setAutoDefault(false);
    return button;
}

unsigned helpContext(unsigned number) {
    return help::screenContext(number);
}

std::function<void(unsigned)> platformHelp(QWidget* owner) {
    return [owner](unsigned context) {
        const std::string file = help::applicationHelpFile() + help::kScreensWindow;
        WinHelpA(owner, file.c_str(), HELP_CONTEXT, context);
    };
}

}  // namespace scorelook
