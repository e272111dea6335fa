#include "PreviewFileDialog.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLineEdit>
#include <QPainter>

#include "../Configuration.h"
#include "../controls/AniDspWnd.h"
#include "DialogTexts.h"
#include "PIXPICK32.h"
#include "PictControls.h"
#include "PictureInfo.h"
#include "imagelib.h"
#include "platform/Help.h"
#include "platform/Profile.h"
#include "platform/Surface.h"

namespace piclib {
namespace {

constexpr char kFileSelect[] = "FileSelect";
constexpr int kPanelWidth = 200;
constexpr QSize kPreviewSize(190, 150);
constexpr unsigned kPreviewBackground = 0x00C0C0C0;

QByteArray local(const QString& text) {
    return text.toLocal8Bit();
}

// The slanted word written three times across the preview while a picture
// is read: light grey, grey, then red, each a little further in.
void paintLoading(QImage& image, const QString& word) {
    QPainter p(&image);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(88);
    font.setBold(true);
    font.setItalic(true);
    p.setFont(font);
    const int baseline = (image.height() + p.fontMetrics().ascent() / 2) / 2;
    const QColor colours[] = {QColor(192, 192, 192), QColor(128, 128, 128), QColor(255, 0, 0)};
    const int insets[] = {10, 14, 12};
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(insets[i], baseline);
        p.rotate(-9.0);  // escapement 90: nine degrees up
        p.setPen(colours[i]);
        p.drawText(0, 0, word);
        p.restore();
    }
}

}  // namespace

PreviewFileDialog::PreviewFileDialog(QWidget* owner, const QString& title, bool multiple,
                                     std::string helpFile, unsigned helpContext)
    : QFileDialog(owner, title),
      language_(languageLetter()),
      helpFile_(helpFile.empty() ? std::string(" ") : std::move(helpFile)),
      helpContext_(helpContext) {
    setOption(QFileDialog::DontUseNativeDialog, true);
    setOption(QFileDialog::ReadOnly, true);
    setFileMode(multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    setAcceptMode(QFileDialog::AcceptOpen);
    setDefaultSuffix(QStringLiteral("ppx"));
    buildPanel();
    showText({});
    // The name field follows every selection, by mouse, key or program.
    if (auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
        connect(name, &QLineEdit::textChanged, this,
                [this] { selectionChanged(selectedFiles().value(0)); });
    }
}

PreviewFileDialog::~PreviewFileDialog() {
    freePreview();
}

void PreviewFileDialog::buildPanel() {
    registerPictControls();  // the dialog may open before InitPictloadLib
    auto* panel = new QWidget(this);
    panel->setFixedWidth(kPanelWidth);
    const int x = 5;
    auto* window = createPictControl("ANIDSPWND", "", WS_TABSTOP, QRect(QPoint(x, 5), kPreviewSize),
                                     1000, panel);
    preview_ = dynamic_cast<AniDspWnd*>(window);
    int y = 5 + kPreviewSize.height() + 6;
    description_ =
        createPictControl("TEXTDISPL", "", 0, QRect(x, y, kPreviewSize.width(), 20), 1009, panel);
    y += 26;
    const QByteArray picture = "110," + local(dialogText(DialogText::kInfoPicture, language_));
    const QByteArray artist = "109," + local(dialogText(DialogText::kInfoArtist, language_));
    infoPicture_ = createPictControl("XBOTTON", picture.constData(), WS_TABSTOP,
                                     QRect(x, y, kPreviewSize.width(), 26), 1023, panel);
    y += 30;
    infoArtist_ = createPictControl("XBOTTON", artist.constData(), WS_TABSTOP,
                                    QRect(x, y, kPreviewSize.width(), 26), 1024, panel);
    y += 32;
    automatic_ = new QCheckBox(dialogText(DialogText::kAutomaticPreview, language_), panel);
    automatic_->setObjectName(QStringLiteral("1003"));
    automatic_->setGeometry(x, y, kPreviewSize.width(), 20);
    y += 26;
    const QByteArray help = "111," + local(dialogText(DialogText::kHelp, language_));
    createPictControl("XBOTTON", help.constData(), WS_TABSTOP,
                      QRect(x, y, kPreviewSize.width(), 26), 1032, panel);
    panel->setMinimumHeight(y + 30);
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        grid->addWidget(panel, 0, grid->columnCount(), grid->rowCount(), 1, Qt::AlignTop);
    }
    automatic_->setChecked(
        GetPrivateProfileIntA(kFileSelect, "AutoPreview", 0, galleryFile().c_str()) != 0);
    infoPicture_->setEnabled(false);
    infoArtist_->setEnabled(false);
}

void PreviewFileDialog::start(const QString& directory) {
    if (!directory.isEmpty()) {
        setDirectory(directory);
    }
    char last[1024] = {};
    GetPrivateProfileStringA(kFileSelect, "LastSelectedFile", "", last, sizeof last,
                             galleryFile().c_str());
    if (last[0] != '\0') {
        selectFile(QString::fromLocal8Bit(last));
    }
}

void PreviewFileDialog::selectionChanged(const QString& path) {
    if (path == current_) {
        return;
    }
    current_ = path;
    const QFileInfo file(path);
    const QByteArray name = local(path);
    bool pictureHelp = false;
    bool artistHelp = false;
    QString text = file.fileName();
    if (file.isFile()) {
        PictureInfo info(name.constData());
        if (info.hasInformation()) {
            const std::string& shortText = info.shortDescription(language_);
            if (!shortText.empty()) {
                text = QString::fromUtf8(shortText);
            }
            pictureHelp = info.pictureHelpAvailable(language_);
            artistHelp = info.artistHelpAvailable(language_);
        }
    }
    const QByteArray shown = text.toUtf8();
    sendPictMessage(description_, WM_SETTEXT, 0,
                    reinterpret_cast<std::intptr_t>(shown.constData()));
    infoPicture_->setEnabled(pictureHelp);
    infoArtist_->setEnabled(artistHelp);
    if (!file.isFile()) {
        freePreview();
        showText({});
    } else if (automatic_->isChecked()) {
        showPreview();
    } else {
        freePreview();
        showText(dialogText(DialogText::kClickToPreview, language_));
    }
}

void PreviewFileDialog::showText(const QString& text) {
    QImage image(kPreviewSize, QImage::Format_RGB32);
    image.fill(QColor(192, 192, 192));
    QPainter p(&image);
    p.setFont(font());
    p.drawText(image.rect().adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap, text);
    p.end();
    preview_->setBitmap(image);
}

void PreviewFileDialog::drawLoading() {
    QImage image = preview_->bitmap().isNull() ? QImage(kPreviewSize, QImage::Format_RGB32)
                                               : preview_->bitmap();
    if (preview_->bitmap().isNull()) {
        image.fill(QColor(192, 192, 192));
    }
    paintLoading(image, dialogText(DialogText::kLoading, language_));
    preview_->setBitmap(image);
    preview_->repaint();
}

void PreviewFileDialog::freePreview() {
    if (previewSlot_ >= 0) {
        IMGFree(previewSlot_);
        previewSlot_ = -1;
    }
}

void PreviewFileDialog::showPreview() {
    freePreview();
    if (!QFileInfo(current_).isFile()) {
        return;
    }
    drawLoading();
    const QByteArray name = local(current_);
    {
        PictureInfo info(name.constData());
        const int handle = info.loadMainPictureCopy();
        previewSlot_ = handle - 1;
    }
    if (previewSlot_ < 0) {
        showText(dialogText(DialogText::kNotValidImage, language_));
        return;
    }
    platform::Surface surface(kPreviewSize.width(), kPreviewSize.height());
    IMGDrawPreview(previewSlot_, &surface, 0, 0, kPreviewSize.width(), kPreviewSize.height(),
                   kPreviewBackground);
    sendPictMessage(preview_, PM_SETBITMAP, 0, reinterpret_cast<std::intptr_t>(&surface));
}

bool PreviewFileDialog::event(QEvent* event) {
    if (event->type() != PictCommandEvent::eventType()) {
        return QFileDialog::event(event);
    }
    const QByteArray name = local(current_);
    switch (static_cast<PictCommandEvent*>(event)->id) {
        case 1000:
            showPreview();
            break;
        case 1023:
            HelpPicture(name.constData());
            break;
        case 1024:
            HelpAuthor(name.constData());
            break;
        case 1032:
            WinHelpA(this, helpFile_.c_str(), HELP_CONTEXT, helpContext_);
            break;
        default:
            break;
    }
    return true;
}

void PreviewFileDialog::done(int result) {
    const std::string& ini = galleryFile();
    WritePrivateProfileStringA(kFileSelect, "AutoPreview", automatic_->isChecked() ? "1" : "0",
                               ini.c_str());
    const QStringList chosen = selectedFiles();
    const QString selectedName =
        chosen.isEmpty() ? QFileInfo(current_).fileName() : QFileInfo(chosen.front()).fileName();
    const QByteArray name = local(selectedName);
    WritePrivateProfileStringA(kFileSelect, "LastSelectedFile", name.constData(), ini.c_str());
    freePreview();
    QFileDialog::done(result);
}

}  // namespace piclib
