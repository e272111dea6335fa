#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;

namespace piclib {

// Results of the small gallery dialogs.
enum class MissingChoice { kDeleted, kIgnore };
enum class NotFoundChoice { kSearch, kCancel };

// "Some or all galleries can't be located!": Delete Galleries (through the
// delete-galleries dialog, which removes the selected ones from the gallery
// list) or Ignore.
MissingChoice askAboutMissingGalleries(QWidget* owner, const QStringList& descriptions,
                                       char language);
// "Cannot find Image!" with Search and Cancel.
NotFoundChoice askAboutMissingPicture(QWidget* owner, char language);

// The dialog that lists galleries and lets the player select several to
// delete; its template is the English one in every language.
class DeleteGalleriesDialog : public QDialog {
    Q_OBJECT
  public:
    DeleteGalleriesDialog(QWidget* owner, const QStringList& descriptions);
    QStringList chosen() const;

  protected:
    bool event(QEvent* event) override;

  private:
    QListWidget* list_;
};

}  // namespace piclib
