#include "FileOpenDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "Configuration.h"
#include "LibraryState.h"
#include "Texts.h"
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

FileOpenDialog::FileOpenDialog(QWidget* owner, const char* title, bool multiple)
    : owner_(owner),
      title_(QString::fromLocal8Bit(title != nullptr ? title : "")),
      multiple_(multiple) {}

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
    QFileDialog dialog(owner_, title_);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::ReadOnly, true);
    dialog.setFileMode(multiple_ ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setDefaultSuffix("ppx");
    dialog.setNameFilter(QString::fromStdString(pictureFilter(languageLetter(), state().onlyPpx)));
    const QString start = startDirectory();
    if (!start.isEmpty()) {
        dialog.setDirectory(start);
    }
    const std::string last = readSetting(kFileSelect, "LastSelectedFile", galleryFile());
    if (!last.empty()) {
        dialog.selectFile(QString::fromLocal8Bit(last));
    }
    const bool accepted = dialog.exec() == QDialog::Accepted;
    const QStringList files = accepted ? dialog.selectedFiles() : QStringList();
    if (!files.isEmpty()) {
        const QByteArray name = QFileInfo(files.front()).fileName().toLocal8Bit();
        WritePrivateProfileStringA(kFileSelect, "LastSelectedFile", name.constData(),
                                   galleryFile().c_str());
    }
    return files;
}

}  // namespace piclib
