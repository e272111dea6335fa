#pragma once

#include <QStringList>
#include <string>

class QWidget;

namespace piclib {

// The file-open dialog of the loaders (the preview dialog): the picture
// filter of the language, the start directory (first preselected picture,
// else the last used path, else the game's data directory), the help file
// and context of the Help button.
class FileOpenDialog {
  public:
    FileOpenDialog(QWidget* owner, const char* title, bool multiple, const char* helpFile,
                   unsigned helpContext);

    // Runs the dialog; the chosen files, empty on cancel.
    QStringList run();

  private:
    QString startDirectory() const;

    QWidget* owner_;
    QString title_;
    bool multiple_;
    std::string helpFile_;
    unsigned helpContext_;
};

// Settings of the file dialog in Gallery.ini.
void rememberLastUsedPath(const std::string& directory);

}  // namespace piclib
