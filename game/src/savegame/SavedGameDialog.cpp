#include "savegame/SavedGameDialog.h"

#include <QFileInfo>

#include "app/CJigsawApp.h"
#include "platform/MessageBox.h"
#include "settings/IniStore.h"
#include "settings/SettingsKeys.h"

namespace {

QString withoutTrailingSeparator(QString dir) {
    while (dir.size() > 1 && (dir.endsWith(QLatin1Char('/')) || dir.endsWith(QLatin1Char('\\')))) {
        dir.chop(1);
    }
    return dir;
}

}  // namespace

SavedGameDialog::SavedGameDialog(Mode mode, const QString& directory, const QString& initialName,
                                 QWidget* parent)
    : QFileDialog(parent) {
    setOption(QFileDialog::DontUseNativeDialog, true);
    setOption(QFileDialog::ReadOnly, false);
    setWindowTitle(QString::fromLatin1(mode == Mode::Save ? kSaveTitle : kRestoreTitle));
    setNameFilter(QString::fromLatin1(kFilter));
    setDefaultSuffix(mode == Mode::Save ? QStringLiteral("jig") : QStringLiteral("JIG"));
    if (mode == Mode::Save) {
        setAcceptMode(QFileDialog::AcceptSave);
        setFileMode(QFileDialog::AnyFile);
    } else {
        setAcceptMode(QFileDialog::AcceptOpen);
        setFileMode(QFileDialog::ExistingFile);
    }
    setDirectory(directory);
    if (!initialName.isEmpty() && !initialName.contains(QLatin1Char('*'))) {
        selectFile(initialName);
    }
}

bool SavedGameDialog::acceptableName(const QString& name) {
    const QString suffix = QFileInfo(name).suffix();
    return suffix.isEmpty() || suffix.compare(QLatin1String("jig"), Qt::CaseInsensitive) == 0;
}

QString SavedGameDialog::initialDirectory() {
    std::string dir = GetIniString(keys::kLastSavedGameDir, "", keys::kJigsaw);
    if (dir.empty()) {
        dir = GetIniPath(keys::kSavedGames, "", keys::kLocations);
    }
    return withoutTrailingSeparator(QString::fromStdString(dir));
}

QString SavedGameDialog::proposedName(const std::string& pictureName) {
    return QString::fromStdString(pictureName) + QStringLiteral(".JIG");
}

QString SavedGameDialog::lastSavedName() {
    return QString::fromStdString(
        GetIniString(keys::kLastSaved, keys::kLastSavedDefault, keys::kJigsaw));
}

void SavedGameDialog::rememberSaved(const std::string& path) {
    const QFileInfo info(QString::fromStdString(path));
    WriteIniString(info.fileName().toStdString().c_str(), keys::kLastSaved, keys::kJigsaw);
    WriteIniString(info.absolutePath().toStdString().c_str(), keys::kLastSavedGameDir,
                   keys::kJigsaw);
}

QString SavedGameDialog::chosenPath() const {
    const QStringList files = selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

void SavedGameDialog::accept() {
    const QStringList files = selectedFiles();
    const QString chosen = files.isEmpty() ? QString() : QFileInfo(files.first()).fileName();
    if (!acceptableName(chosen)) {
        MessageBoxA(this, kWrongExtension, CJigsawApp::kTitle, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    QFileDialog::accept();
}
