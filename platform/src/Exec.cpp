#include "platform/Exec.h"

#include <QProcess>
#include <QStringList>

#include "platform/Paths.h"

namespace {

// Words of a command line: blanks separate words, double quotes group blanks
// into a word and are removed.
QStringList splitCommandLine(const QString& line) {
    QStringList words;
    QString word;
    bool quoted = false;
    bool inWord = false;
    for (const QChar c : line) {
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && (c == QLatin1Char(' ') || c == QLatin1Char('\t'))) {
            if (inWord) {
                words << word;
            }
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) {
        words << word;
    }
    return words;
}

// A program named with a directory is looked up like every stored path; a bare
// name is left to the search path.
QString programPath(const QString& word) {
    const std::string stored = word.toStdString();
    if (stored.find_first_of("/\\") == std::string::npos) {
        return word;
    }
    return QString::fromStdString(platform::resolvePath(stored));
}

constexpr unsigned kStarted = 33;
constexpr unsigned kFileNotFound = 2;

}  // namespace

unsigned WinExec(const char* commandLine, unsigned) {
    if (commandLine == nullptr) {
        return kFileNotFound;
    }
    QStringList words = splitCommandLine(QString::fromLocal8Bit(commandLine));
    if (words.isEmpty() || words.front().isEmpty()) {
        return kFileNotFound;
    }
    const QString program = programPath(words.takeFirst());
    return QProcess::startDetached(program, words) ? kStarted : kFileNotFound;
}
