#pragma once

#include <QFileDialog>
#include <QString>

#include <string>

// The save and restore file dialogs of saved games. OK with a name whose
// extension is neither empty nor ".jig" (any case) shows
// 'Filename must have a "JIG" extention!' and keeps the dialog open.
class SavedGameDialog : public QFileDialog {
    Q_OBJECT
  public:
    enum class Mode { Save, Restore };

    static constexpr const char* kSaveTitle = "Save Game As";     // string 9
    static constexpr const char* kRestoreTitle = "Restore Game";  // string 10
    static constexpr const char* kFilter = "Puzzles (*.jig)";
    static constexpr const char* kWrongExtension = "Filename must have a \"JIG\" extention!";

    // initialName: the proposed file name (save) or the name from
    // `LastSaved` (restore), in the given directory.
    SavedGameDialog(Mode mode, const QString& directory, const QString& initialName,
                    QWidget* parent = nullptr);

    // Whether a chosen name may be used: no extension, or ".jig" in any case.
    static bool acceptableName(const QString& name);

    // The directory both dialogs start in: `Last Saved Game Dir`, or when
    // that is empty `Saved Games` of `Locations`; without a trailing
    // separator.
    static QString initialDirectory();
    // The name offered by Save: the picture name with ".JIG".
    static QString proposedName(const std::string& pictureName);
    // The name offered by Restore: `LastSaved`, "*.jig" when missing.
    static QString lastSavedName();
    // After a save: `LastSaved` = the file's name, `Last Saved Game Dir` =
    // its directory.
    static void rememberSaved(const std::string& path);

    // The chosen file with the ".jig" extension added when it had none.
    QString chosenPath() const;

  public slots:
    void accept() override;
};
