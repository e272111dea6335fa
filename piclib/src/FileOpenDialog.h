#pragma once

#include <QStringList>
#include <string>

class QWidget;

namespace piclib {

// The plain file-open dialog of the loaders (Qt's own, not the desktop's):
// the picture filter of the language, the start directory (first
// preselected picture, else the last used path, else the game's data
// directory) and the remembered last file.
class FileOpenDialog {
  public:
    FileOpenDialog(QWidget* owner, const char* title, bool multiple);

    // Runs the dialog; the chosen files, empty on cancel.
    QStringList run();

  private:
    QString startDirectory() const;

    QWidget* owner_;
    QString title_;
    bool multiple_;
};

// Settings of the file dialog in Gallery.ini.
void rememberLastUsedPath(const std::string& directory);

}  // namespace piclib
