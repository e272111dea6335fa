#include "help/HelpCommands.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <QVariant>

#include "commands/CommandIds.h"
#include "help/HelpContext.h"
#include "platform/Help.h"

namespace {

// Widgets whose clicks pick a command while context-help mode is on.
bool picksCommand(QObject* object) {
    return qobject_cast<QMenu*>(object) || qobject_cast<QMenuBar*>(object) ||
           qobject_cast<QToolButton*>(object);
}

}  // namespace

HelpCommands::HelpCommands(QWidget* owner, std::string helpFile)
    : QObject(owner),
      owner_(owner),
      helpFile_(std::move(helpFile)),
      help_([](QWidget* w, const std::string& file, unsigned command, std::uintptr_t data) {
          return WinHelpA(w, file.c_str(), command, data);
      }) {}

bool HelpCommands::handle(int id, const std::string& otherGamesPath) {
    static const char kEmptyKey[] = "";
    switch (id) {
        case cmd::kHelp:
            helpForActiveWindow();
            return true;
        case cmd::kContextHelp:
            enterContextMode();
            return true;
        case cmd::kHelpContents:
            call(help::kScreensWindow, HELP_CONTENTS, 0);
            return true;
        case cmd::kHowToPlay:
            call(help::kScreensWindow, HELP_CONTEXT, help::kHowToPlay);
            return true;
        case cmd::kCommandsHelp:
            call(help::kScreensWindow, HELP_CONTEXT, help::kCommands);
            return true;
        case cmd::kHelpIndex:
            call(help::kScreensWindow, HELP_CONTEXT, help::kIndex);
            return true;
        case cmd::kHelpSearch:
            call(help::kScreensWindow, HELP_PARTIALKEY,
                 reinterpret_cast<std::uintptr_t>(kEmptyKey));
            return true;
        case cmd::kHelpUsing:
            call(help::kScreensWindow, HELP_HELPONHELP, 0);
            return true;
        case cmd::kOtherGames:
            if (!otherGamesPath.empty()) {
                help_(owner_, otherGamesPath, HELP_CONTENTS, 0);
            }
            return true;
        default:
            return false;
    }
}

void HelpCommands::enterContextMode() {
    if (contextMode_) {
        return;
    }
    contextMode_ = true;
    QApplication::setOverrideCursor(Qt::WhatsThisCursor);
    qApp->installEventFilter(this);
}

void HelpCommands::leaveContextMode() {
    if (!contextMode_) {
        return;
    }
    contextMode_ = false;
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
}

void HelpCommands::showMenuHelp(int commandId) {
    leaveContextMode();
    call(help::kMenusWindow, HELP_CONTEXT, help::menuContextFor(commandId));
}

bool HelpCommands::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        leaveContextMode();
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType() &&
        !picksCommand(watched)) {
        showMenuHelp(0);
        return true;
    }
    return false;
}

void HelpCommands::quitHelp() {
    leaveContextMode();
    help_(owner_, helpFile_, HELP_QUIT, 0);
}

int HelpCommands::call(const char* window, unsigned command, std::uintptr_t data) {
    return help_(owner_, helpFile_ + window, command, data);
}

// A window that has a help topic of its own carries it in the property
// "helpContext"; every other window shows the contents.
void HelpCommands::helpForActiveWindow() {
    const QWidget* active = QApplication::activeWindow();
    const QVariant context = active ? active->property("helpContext") : QVariant();
    if (context.isValid()) {
        call(help::kScreensWindow, HELP_CONTEXT, context.toUInt());
    } else {
        call(help::kScreensWindow, HELP_CONTENTS, 0);
    }
}
