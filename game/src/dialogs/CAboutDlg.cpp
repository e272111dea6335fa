#include "dialogs/CAboutDlg.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/ToolBarBitmap.h"
#include "commands/CommandIds.h"
#include "settings/IniStore.h"

#ifndef TESSELLA_VERSION
#error "TESSELLA_VERSION must name the project's version"
#endif

namespace {

// The licence record is a small text file; anything larger is not it.
constexpr qint64 kLargestLicenceFile = 256 * 1024;

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent, const QString& licenceFile) : QDialog(parent) {
    setObjectName(QString::number(kDialogId));
    setWindowTitle(QStringLiteral("About Tessella"));

    auto* icon = new QLabel(this);
    icon->setPixmap(ToolBarBitmap::iconFor(cmd::kNewGame).pixmap(32, 36));
    icon->setAlignment(Qt::AlignTop);

    text_ = new QLabel(QStringLiteral("<b>Tessella</b> Version %1<br><br>"
                                      "A jigsaw puzzle for one player: choose a picture, cut it "
                                      "into pieces and put it back together.<br><br>"
                                      "Written by the Tessella developers. Built with Qt %2.")
                           .arg(version(), QString::fromUtf8(qVersion())),
                       this);
    text_->setObjectName(QStringLiteral("version"));
    text_->setWordWrap(true);
    text_->setMinimumWidth(280);

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addWidget(text_, 1);

    auto* heading = new QLabel(QStringLiteral("Pictures and their licences:"), this);
    licences_ = new QTextBrowser(this);
    licences_->setObjectName(QStringLiteral("licences"));
    licences_->setOpenLinks(false);
    licences_->setMinimumSize(440, 200);
    showLicences(licenceFile);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(heading);
    layout->addWidget(licences_, 1);
    layout->addWidget(buttons);
}

QString CAboutDlg::version() {
    return QStringLiteral(TESSELLA_VERSION);
}

QString CAboutDlg::installedLicenceFile() {
    const QString dir = QString::fromStdString(ProgramDirectory());
    return QDir::cleanPath(dir + QStringLiteral("../share/tessella/pictures/LICENSES.md"));
}

void CAboutDlg::showLicences(const QString& licenceFile) {
    QFile file(licenceFile);
    if (file.size() <= kLargestLicenceFile && file.open(QIODevice::ReadOnly)) {
        licences_->setMarkdown(QString::fromUtf8(file.readAll()));
        return;
    }
    licences_->setPlainText(
        QStringLiteral("The licence record of the pictures was not found (%1). The pictures that "
                       "come with Tessella are free to share; their origin and licence are also "
                       "given in each picture's \"About the Artist\" help.")
            .arg(QDir::toNativeSeparators(licenceFile)));
}
