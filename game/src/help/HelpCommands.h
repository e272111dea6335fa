#pragma once

#include <QObject>

#include <cstdint>
#include <functional>
#include <string>

class QWidget;

// The help commands of the main frame: F1, context-help mode (Shift+F1), the
// Help menu and "Other Games". Every call goes through one help function so
// tests can watch the calls instead of opening help windows.
class HelpCommands : public QObject {
    Q_OBJECT
  public:
    using HelpFunction = std::function<int(QWidget* owner, const std::string& file,
                                           unsigned command, std::uintptr_t data)>;

    HelpCommands(QWidget* owner, std::string helpFile);

    void setHelpFunction(HelpFunction help) { help_ = std::move(help); }
    const std::string& helpFile() const { return helpFile_; }

    // Serves a help command; false when id is none of them.
    bool handle(int id, const std::string& otherGamesPath);

    // Context-help mode: the next command picked shows its menu help instead
    // of running. Escape or a click outside menus and tool bar leaves it.
    bool inContextMode() const { return contextMode_; }
    void enterContextMode();
    void showMenuHelp(int commandId);

    // Closes every help window the program opened (the program is ending).
    void quitHelp();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void leaveContextMode();
    int call(const char* window, unsigned command, std::uintptr_t data);
    void helpForActiveWindow();

    QWidget* owner_;
    std::string helpFile_;
    HelpFunction help_;
    bool contextMode_ = false;
};
