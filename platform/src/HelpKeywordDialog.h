#pragma once

#include <QDialog>
#include <functional>

class QLineEdit;
class QListWidget;

namespace platform {

// The keyword search of the help viewer: a key line filtering a list of the
// file's keywords; choosing one emits chosen().
class HelpKeywordDialog : public QDialog {
    Q_OBJECT

  public:
    using KeywordSource = std::function<QStringList(const QString& filter)>;

    HelpKeywordDialog(KeywordSource source, QWidget* parent);

    void setKey(const QString& key);

  signals:
    void chosen(const QString& keyword);

  private:
    void refill();
    void choose();

    KeywordSource source_;
    QLineEdit* key_ = nullptr;
    QListWidget* list_ = nullptr;
};

}  // namespace platform
