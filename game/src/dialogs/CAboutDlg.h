#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QTextBrowser;

// The About box (dialog 114): program name, version and credits, and the
// origin and licence of every picture shipped with the program, read from
// the licence record installed beside the pictures.
class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kDialogId = 114;

    // licenceFile: the pictures' licence record (Markdown).
    explicit CAboutDlg(QWidget* parent = nullptr,
                       const QString& licenceFile = installedLicenceFile());

    // The program's version as the build names it ("1.0.0").
    static QString version();
    // share/tessella/pictures/LICENSES.md beside the program's bin directory.
    static QString installedLicenceFile();

    QLabel* versionText() const { return text_; }
    // The scrollable licence text.
    QTextBrowser* licences() const { return licences_; }

  private:
    void showLicences(const QString& licenceFile);

    QLabel* text_ = nullptr;
    QTextBrowser* licences_ = nullptr;
};
