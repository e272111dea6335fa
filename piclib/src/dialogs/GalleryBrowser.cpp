#include "GalleryBrowser.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>

#include "../Configuration.h"
#include "../LibraryState.h"
#include "../Texts.h"
#include "DialogTexts.h"
#include "GalleryDialogs.h"
#include "GalleryFile.h"
#include "GalleryGrid.h"
#include "GalleryList.h"
#include "PIXPICK32.h"
#include "PictControls.h"
#include "PictureInfo.h"
#include "imagelib.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

namespace piclib {
namespace {

constexpr int kHelpOffset = 256;
constexpr int kAddRow = -1;  // item data of "<Add a Gallery>"
constexpr QRect kGridArea(10, 42, 506, 360);
constexpr QRect kDescriptionArea(10, 410, 506, 22);

bool galleryExists(const std::string& path) {
    return !path.empty() && platform::fileExists(platform::resolvePath(path));
}

void rememberDialog(const char* which) {
    WritePrivateProfileStringA("Last Used", "Dialog", which, galleryFile().c_str());
}

QByteArray buttonText(int bitmap, DialogText caption, char language) {
    return QByteArray::number(bitmap) + "," + dialogText(caption, language).toUtf8();
}

int reportProgress(void* frame, int percent) {
    drawProgress(static_cast<QWidget*>(frame), percent);
    return 0;
}

std::string dataDirectory() {
    char value[1024] = {};
    GetPrivateProfileStringA("Locations", "Data", "", value, sizeof value, configFile().c_str());
    return platform::resolvePath(value);
}

}  // namespace

std::vector<std::pair<int, QString>> offeredGalleries() {
    const GalleryList list(galleryFile());
    std::vector<std::pair<int, QString>> offered;
    for (int n = 0;; ++n) {
        const std::string path = list.path(n);
        if (path.empty()) {
            return offered;
        }
        if (galleryExists(path)) {
            offered.emplace_back(n, QString::fromStdString(list.description(n)));
        }
    }
}

GalleryBrowser::GalleryBrowser(QWidget* owner, const QString& title, std::string helpFile,
                               unsigned helpContext, PickFile pickFile)
    : QDialog(owner),
      language_(languageLetter()),
      helpFile_(helpFile.empty() ? std::string(" ") : std::move(helpFile)),
      helpContext_(helpContext),
      pickFile_(std::move(pickFile)) {
    registerPictControls();  // the dialog may open before InitPictloadLib
    setWindowTitle(title.isEmpty() ? dialogText(DialogText::kBrowserTitle, language_) : title);
    setFixedSize(640, 444);
    galleries_ = new QComboBox(this);
    galleries_->setObjectName(QStringLiteral("1026"));
    galleries_->setGeometry(10, 10, 380, 24);
    grid_ = new GalleryGrid(this);
    grid_->setGeometry(kGridArea);
    description_ = createPictControl("TEXTDISPL", "", 0, kDescriptionArea, 1009, this);
    const int x = 528;
    const auto add = [this, x](int bitmap, DialogText caption, int y, int id, unsigned style) {
        const QByteArray text = buttonText(bitmap, caption, language_);
        return createPictControl("XBOTTON", text.constData(), WS_TABSTOP | style,
                                 QRect(x, y, 102, 30), id, this);
    };
    add(107, DialogText::kOk, 42, IDOK, BS_DEFPUSHBUTTON);
    add(108, DialogText::kCancel, 80, IDCANCEL, 0);
    add(105, DialogText::kSelectPicture, 136, 1025, 0);
    infoPicture_ = add(110, DialogText::kInfoPicture, 192, 1023, 0);
    infoArtist_ = add(109, DialogText::kInfoArtist, 230, 1024, 0);
    add(111, DialogText::kHelp, 286, 1032, 0);
    connect(grid_, &GalleryGrid::selectionChanged, this, &GalleryBrowser::pictureSelected);
    connect(grid_, &GalleryGrid::activated, this, [this] { take(); });
    const GalleryList list(galleryFile());
    fillGalleryList(list.lastOpened());
    connect(galleries_, &QComboBox::activated, this, &GalleryBrowser::galleryChosen);
    grid_->setFocus();
}

void GalleryBrowser::fillGalleryList(int select) {
    QSignalBlocker block(galleries_);
    galleries_->clear();
    int row = 0;
    for (const auto& [n, description] : offeredGalleries()) {
        galleries_->addItem(description, n);
        if (n == select) {
            row = galleries_->count() - 1;
        }
    }
    galleries_->addItem(dialogText(DialogText::kAddGallery, language_), kAddRow);
    galleries_->setCurrentIndex(row);
    if (galleries_->count() > 1) {
        showGallery(galleries_->itemData(row).toInt());
    }
}

bool GalleryBrowser::showGallery(int n) {
    const GalleryList list(galleryFile());
    const std::string path = list.path(n);
    GalleryFile file = GalleryFile::open(path);
    if (!file.valid()) {
        MessageBeep(MB_ICONEXCLAMATION);
        const QString text = dialogText(DialogText::kUnableToLocateGallery, language_)
                                 .arg(QString::fromStdString(path));
        MessageBoxA(this, text.toUtf8().constData(), windowTitle().toUtf8().constData(),
                    MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    gallery_ = n;
    galleryPath_ = path;
    list.setLastOpened(n);
    grid_->setGallery(std::move(file), language_);
    grid_->select(list.lastPicture(n));
    return true;
}

void GalleryBrowser::galleryChosen(int row) {
    const int n = galleries_->itemData(row).toInt();
    if (n == kAddRow) {
        addGallery();
        return;
    }
    if (!showGallery(n)) {
        fillGalleryList(gallery_);
    }
}

void GalleryBrowser::addGallery() {
    QFileDialog dialog(this);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::ReadOnly, true);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("tmp"));
    dialog.setNameFilter(dialogText(DialogText::kGalleryFilter, language_));
    dialog.setDirectory(QString::fromStdString(dataDirectory()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        fillGalleryList(gallery_);
        return;
    }
    const std::string path = dialog.selectedFiles().front().toStdString();
    AddGallery(path.c_str(), galleryFileDescription(path).c_str());
    const GalleryList list(galleryFile());
    int added = gallery_;
    for (int n = 0; !list.path(n).empty(); ++n) {
        if (list.path(n) == path) {
            added = n;
        }
    }
    fillGalleryList(added);
}

std::string GalleryBrowser::selectedPicturePath(bool& found) {
    const auto& entry = grid_->entry(grid_->selected());
    found = false;
    if (!entry) {
        return {};
    }
    std::string path;
    found = findEntryPicture(*entry, galleryPath_, path);
    return path;
}

void GalleryBrowser::pictureSelected(int index) {
    const auto& entry = grid_->entry(index);
    const std::string text = entry ? entry->description(language_) : std::string();
    sendPictMessage(description_, WM_SETTEXT, 0, reinterpret_cast<std::intptr_t>(text.c_str()));
    bool found = false;
    const std::string path = selectedPicturePath(found);
    infoPicture_->setEnabled(found && PictureHelpAvailable(path.c_str()) != 0);
    infoArtist_->setEnabled(found && AuthorHelpAvailable(path.c_str()) != 0);
}

bool GalleryBrowser::loadPicture(const std::string& path) {
    QWidget* frame = createProgressFrame(kDescriptionArea, this);
    if (frame != nullptr) {
        setProgressRange(frame, 0, 100);
        setProgressLabel(frame, dialogText(DialogText::kLoading, language_));
        drawProgress(frame, 0);
        IMGSetProgress(frame, reportProgress, 1);
    }
    int handle = 0;
    {
        PictureInfo info(path);
        handle = info.loadMainPictureCopy();
    }
    IMGSetProgress(nullptr, nullptr, 0);
    delete frame;
    if (handle == 0) {
        MessageBeep(MB_ICONEXCLAMATION);
        const std::string text = notValidPictureText(language_, path);
        MessageBoxA(this, text.c_str(), windowTitle().toUtf8().constData(),
                    MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    choice_ = {BrowserChoice::kGalleryPicture, path, handle};
    return true;
}

void GalleryBrowser::take() {
    if (grid_->selected() < 0) {
        return;
    }
    bool found = false;
    const std::string path = selectedPicturePath(found);
    if (!found) {
        if (askAboutMissingPicture(this, language_) == NotFoundChoice::kSearch) {
            takeFile();
        }
        return;
    }
    if (!loadPicture(path)) {
        return;
    }
    GalleryList(galleryFile()).set(gallery_, galleryPath_, grid_->selected());
    rememberDialog("big");
    done(IDOK);
}

void GalleryBrowser::takeFile() {
    const int handle = pickFile_();
    if (handle != 0) {
        rememberDialog("small");
        choice_ = {BrowserChoice::kFilePicture, {}, handle};
        done(kFilePicked);
    }
}

bool GalleryBrowser::event(QEvent* event) {
    if (event->type() != PictCommandEvent::eventType()) {
        return QDialog::event(event);
    }
    bool found = false;
    switch (static_cast<PictCommandEvent*>(event)->id) {
        case IDOK:
            take();
            break;
        case IDCANCEL:
            reject();
            break;
        case 1025:
            takeFile();
            break;
        case 1023:
            HelpPicture(selectedPicturePath(found).c_str());
            break;
        case 1024:
            HelpAuthor(selectedPicturePath(found).c_str());
            break;
        case 1032:
            WinHelpA(this, helpFile_.c_str(), HELP_CONTEXT, helpContext_ + kHelpOffset);
            break;
        default:
            break;
    }
    return true;
}

BrowserChoice runGalleryBrowser(QWidget* owner, const QString& title, const std::string& helpFile,
                                unsigned helpContext, const PickFile& pickFile) {
    const GalleryList list(galleryFile());
    LibraryState& s = state();
    if (!s.missingGalleriesShown) {
        QStringList missing;
        for (int n = 0; !list.path(n).empty(); ++n) {
            if (!galleryExists(list.path(n))) {
                missing << QString::fromStdString(list.description(n));
            }
        }
        if (!missing.isEmpty()) {
            s.missingGalleriesShown = true;
            askAboutMissingGalleries(owner, missing, languageLetter());
        }
    }
    if (list.lastOpened() >= list.count()) {
        list.setLastOpened(0);
    }
    BrowserChoice choice;
    if (offeredGalleries().empty()) {
        choice.handle = pickFile();
        if (choice.handle != 0) {
            rememberDialog("small");
            choice.kind = BrowserChoice::kFilePicture;
        }
        return choice;
    }
    GalleryBrowser browser(owner, title, helpFile, helpContext, pickFile);
    browser.exec();
    return browser.choice();
}

}  // namespace piclib
