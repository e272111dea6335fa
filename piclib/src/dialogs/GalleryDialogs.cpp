#include "GalleryDialogs.h"

#include <QListWidget>

#include "../Configuration.h"
#include "DialogTexts.h"
#include "GalleryList.h"
#include "PictControls.h"
#include "platform/MessageBox.h"

namespace piclib {
namespace {

// Button texts carry no bitmap: "-1," and the caption.
QByteArray buttonText(const QString& caption) {
    return "-1," + caption.toUtf8();
}

QWidget* button(QWidget* parent, const QString& caption, const QRect& rect, int id,
                bool isDefault = false) {
    return createPictControl("XBOTTON", buttonText(caption).constData(),
                             WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : 0u), rect, id, parent);
}

QWidget* panel(QWidget* parent, const QString& text, const QRect& rect, unsigned style = 0) {
    const QByteArray t = text.toUtf8();
    return createPictControl("ADVTEXTDISPL", t.constData(), style | 0x80, rect, -1, parent);
}

// A fixed-size dialog whose XBOTTON buttons end it with their identifier.
class CommandDialog : public QDialog {
  public:
    CommandDialog(QWidget* owner, const QString& title, QSize size) : QDialog(owner) {
        registerPictControls();
        setWindowTitle(title);
        setFixedSize(size);
    }

  protected:
    bool event(QEvent* event) override {
        if (event->type() == PictCommandEvent::eventType()) {
            done(static_cast<PictCommandEvent*>(event)->id);
            return true;
        }
        return QDialog::event(event);
    }
};

constexpr int kDeleteId = 1001;
constexpr int kIgnoreId = 1002;
constexpr int kSearchId = 1003;

}  // namespace

DeleteGalleriesDialog::DeleteGalleriesDialog(QWidget* owner, const QStringList& descriptions)
    : QDialog(owner) {
    registerPictControls();
    setWindowTitle(dialogText(DialogText::kDeleteGalleries, 'E'));
    setFixedSize(320, 250);
    panel(this, "b," + dialogText(DialogText::kSelectGalleriesToDelete, 'E'),
          QRect(10, 8, 300, 24));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("1000"));
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->addItems(descriptions);
    list_->setGeometry(10, 36, 300, 160);
    button(this, dialogText(DialogText::kDelete, 'E'), QRect(70, 210, 80, 28), IDOK, true);
    button(this, dialogText(DialogText::kCancel, 'E'), QRect(170, 210, 80, 28), IDCANCEL);
}

QStringList DeleteGalleriesDialog::chosen() const {
    QStringList out;
    for (const QListWidgetItem* item : list_->selectedItems()) {
        out << item->text();
    }
    return out;
}

bool DeleteGalleriesDialog::event(QEvent* event) {
    if (event->type() == PictCommandEvent::eventType()) {
        done(static_cast<PictCommandEvent*>(event)->id == IDOK ? Accepted : Rejected);
        return true;
    }
    return QDialog::event(event);
}

MissingChoice askAboutMissingGalleries(QWidget* owner, const QStringList& descriptions,
                                       char language) {
    CommandDialog dialog(owner, dialogText(DialogText::kAttention, language), QSize(420, 250));
    panel(&dialog, "b," + dialogText(DialogText::kSomeGalleriesMissing, language),
          QRect(10, 10, 400, 22));
    panel(&dialog, dialogText(DialogText::kWhatToDo, language), QRect(10, 34, 400, 22));
    panel(&dialog, dialogText(DialogText::kDeleteExplained, language), QRect(10, 62, 400, 54));
    panel(&dialog, dialogText(DialogText::kIgnoreExplained, language), QRect(10, 120, 400, 54));
    button(&dialog, dialogText(DialogText::kDeleteGalleries, language), QRect(60, 200, 140, 30),
           kDeleteId);
    button(&dialog, dialogText(DialogText::kIgnore, language), QRect(220, 200, 140, 30), kIgnoreId,
           true);
    while (dialog.exec() == kDeleteId) {
        DeleteGalleriesDialog chooser(&dialog, descriptions);
        if (chooser.exec() != QDialog::Accepted) {
            continue;
        }
        const GalleryList list(galleryFile());
        for (const QString& description : chooser.chosen()) {
            if (const auto n = list.find(description.toStdString())) {
                list.remove(*n);
            }
        }
        return MissingChoice::kDeleted;
    }
    return MissingChoice::kIgnore;
}

NotFoundChoice askAboutMissingPicture(QWidget* owner, char language) {
    CommandDialog dialog(owner, dialogText(DialogText::kErrorOpeningFile, language),
                         QSize(300, 120));
    panel(&dialog, "b," + dialogText(DialogText::kCannotFindImage, language),
          QRect(10, 16, 280, 30), 1);
    button(&dialog, dialogText(DialogText::kSearch, language), QRect(50, 70, 90, 30), kSearchId,
           true);
    button(&dialog, dialogText(DialogText::kCancel, language), QRect(160, 70, 90, 30), IDCANCEL);
    return dialog.exec() == kSearchId ? NotFoundChoice::kSearch : NotFoundChoice::kCancel;
}

}  // namespace piclib
