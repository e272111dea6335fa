#include "CAboutDlg.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "CommandIds.h"
#include "ToolBarBitmap.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QString::number(kDialogId));
    setWindowTitle(QStringLiteral("About Tessella"));

    auto* icon = new QLabel(this);
    icon->setPixmap(ToolBarBitmap::iconFor(cmd::kNewGame).pixmap(32, 36));
    icon->setAlignment(Qt::AlignTop);

    const QString version = QCoreApplication::applicationVersion();
    auto* text =
        new QLabel(QStringLiteral("<b>Tessella</b> Version %1<br><br>"
                                  "A jigsaw puzzle for one player: choose a picture, cut it "
                                  "into pieces and put it back together.<br><br>"
                                  "Written by the Tessella developers. Built with Qt %2.")
                       .arg(version.isEmpty() ? QStringLiteral("1.0") : version,
                            QString::fromUtf8(qVersion())),
                   this);
    text->setWordWrap(true);
    text->setMinimumWidth(280);

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addWidget(text, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}
