#include "FileOpenDialog.h"

#include <QDir>
#include <QFileInfo>

#include "Configuration.h"
#include "LibraryState.h"
#include "Texts.h"
#include "dialogs/PreviewFileDialog.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

namespace piclib {
namespace {

constexpr char kFileSelect[] = "FileSelect";

std::string readSetting(const char* section, const char* key, const std::string& file) {
    char buffer[1024] = {};
    GetPrivateProfileStringA(section, key, "", buffer, sizeof buffer, file.c_str());
    return buffer;
}

}  // namespace

void rememberLastUsedPath(const std::string& directory) {
    WritePrivateProfileStringA(kFileSelect, "LastUsedPath", directory.c_str(),
                               galleryFile().c_str());
}

FileOpenDialog::FileOpenDialog(QWidget* owner, const char* title, bool multiple,
                               const char* helpFile, unsigned helpContext)
    : owner_(owner),
      title_(QString::fromLocal8Bit(title != nullptr ? title : "")),
      multiple_(multiple),
      helpFile_(helpFile != nullptr ? helpFile : ""),
      helpContext_(helpContext) {}

QString FileOpenDialog::startDirectory() const {
    const LibraryState& s = state();
    if (!s.preselected.empty()) {
        const std::string first = platform::resolvePath(s.preselected.front());
        return QFileInfo(QString::fromLocal8Bit(first)).absolutePath();
    }
    const std::string last =
        platform::resolvePath(readSetting(kFileSelect, "LastUsedPath", galleryFile()));
    if (!last.empty() && platform::directoryExists(last)) {
        return QString::fromLocal8Bit(last);
    }
    return QString::fromLocal8Bit(
        platform::resolvePath(readSetting("Locations", "Data", configFile())));
}

QStringList FileOpenDialog::run() {
    PreviewFileDialog dialog(owner_, title_, multiple_, helpFile_, helpContext_);
    dialog.setNameFilter(QString::fromStdString(pictureFilter(languageLetter(), state().onlyPpx)));
    const QString start = startDirectory();
    if (!start.isEmpty()) {
        QDir::setCurrent(start);
    }
    dialog.start(start);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}

}  // namespace piclib
