#include "platform/Help.h"

#include <QApplication>
#include <QFileInfo>
#include <QRegularExpression>

#include "platform/HelpViewer.h"
#include "platform/Paths.h"

namespace {

// A help file argument: the file and, after '>', its secondary window.
struct HelpTarget {
    QString file;
    QString window;
};

HelpTarget splitTarget(const QString& text) {
    const qsizetype mark = text.indexOf(QLatin1Char('>'));
    if (mark < 0) {
        return {text.trimmed(), QString()};
    }
    return {text.left(mark).trimmed(), text.mid(mark + 1).trimmed()};
}

// The existing file a stored help file name refers to, empty when none.
QString findHelpFile(const QString& name) {
    if (name.isEmpty()) {
        return {};
    }
    const std::string resolved = platform::resolvePath(name.toStdString());
    return platform::fileExists(resolved) ? QString::fromStdString(resolved) : QString();
}

// A file named by a macro: beside the file the call named, else as given.
QString findMacroFile(const QString& name, const QString& callFile) {
    if (name.isEmpty()) {
        return callFile;
    }
    const QString native = QString::fromStdString(platform::nativePath(name.toStdString()));
    if (!callFile.isEmpty() && !QFileInfo(native).isAbsolute()) {
        const QString beside =
            findHelpFile(QFileInfo(callFile).absolutePath() + QLatin1Char('/') + native);
        if (!beside.isEmpty()) {
            return beside;
        }
    }
    return findHelpFile(native);
}

// Runs the one macro help files are opened with: JumpID("file", "topic") (or
// its short form JI), quoted with double quotes, single quotes or `...'.
bool runMacro(const QString& macro, const HelpTarget& call) {
    static const QRegularExpression jump(
        QStringLiteral(
            R"(^\s*(?:JumpID|JI)\s*\(\s*["'`]([^"'`]*)["']\s*,\s*["'`]([^"'`]*)["']\s*\)\s*;?\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = jump.match(macro);
    if (!match.hasMatch()) {
        return false;
    }
    const HelpTarget named = splitTarget(match.captured(1));
    const QString file = findMacroFile(named.file, findHelpFile(call.file));
    if (file.isEmpty()) {
        return false;
    }
    platform::HelpViewer* viewer =
        platform::HelpViewer::obtain(named.window.isEmpty() ? call.window : named.window);
    if (!viewer->openFile(file)) {
        return false;
    }
    if (!viewer->showTopic(match.captured(2).trimmed())) {
        viewer->showContents();
    }
    return true;
}

QString textOf(std::uintptr_t data) {
    const char* text = reinterpret_cast<const char*>(data);
    return text != nullptr ? QString::fromLocal8Bit(text) : QString();
}

// Commands that show a place in a help file, once the file is open.
bool showInFile(platform::HelpViewer* viewer, unsigned command, std::uintptr_t data) {
    switch (command) {
        case HELP_CONTEXT:
            if (!viewer->showTopic(QString::number(data))) {
                viewer->showContents();
            }
            return true;
        case HELP_CONTENTS:
        case HELP_FINDER:
            viewer->showContents();
            return true;
        case HELP_PARTIALKEY:
            viewer->showContents();
            viewer->showKeywordSearch(textOf(data));
            return true;
        default:
            return false;
    }
}

}  // namespace

int WinHelpA(QWidget*, const char* file, unsigned command, std::uintptr_t data) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        return 0;
    }
    const HelpTarget target =
        splitTarget(file != nullptr ? QString::fromLocal8Bit(file) : QString());
    switch (command) {
        case HELP_QUIT:
            platform::HelpViewer::closeAll();
            return 1;
        case HELP_HELPONHELP:
            platform::HelpViewer::obtain(target.window)->showHelpOnHelp();
            return 1;
        case HELP_COMMAND:
            return runMacro(textOf(data), target) ? 1 : 0;
        default:
            break;
    }
    const QString path = findHelpFile(target.file);
    if (path.isEmpty()) {
        return 0;
    }
    platform::HelpViewer* viewer = platform::HelpViewer::obtain(target.window);
    if (!viewer->openFile(path)) {
        return 0;
    }
    return showInFile(viewer, command, data) ? 1 : 0;
}
