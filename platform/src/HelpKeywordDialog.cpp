#include "HelpKeywordDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace platform {

HelpKeywordDialog::HelpKeywordDialog(KeywordSource source, QWidget* parent)
    : QDialog(parent), source_(std::move(source)) {
    setWindowTitle(QStringLiteral("Search"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Type a word, or select one from the list:")));
    key_ = new QLineEdit;
    key_->setObjectName(QStringLiteral("key"));
    layout->addWidget(key_);
    list_ = new QListWidget;
    list_->setObjectName(QStringLiteral("keywords"));
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    QPushButton* show =
        buttons->addButton(QStringLiteral("&Display"), QDialogButtonBox::AcceptRole);
    show->setObjectName(QStringLiteral("display"));
    layout->addWidget(buttons);
    connect(key_, &QLineEdit::textChanged, this, &HelpKeywordDialog::refill);
    connect(key_, &QLineEdit::returnPressed, this, &HelpKeywordDialog::choose);
    connect(list_, &QListWidget::itemActivated, this, &HelpKeywordDialog::choose);
    connect(buttons, &QDialogButtonBox::accepted, this, &HelpKeywordDialog::choose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void HelpKeywordDialog::setKey(const QString& key) {
    key_->setText(key);
    refill();
}

void HelpKeywordDialog::refill() {
    list_->clear();
    list_->addItems(source_(key_->text()));
    if (list_->count() > 0) {
        list_->setCurrentRow(0);
    }
}

void HelpKeywordDialog::choose() {
    const QListWidgetItem* item = list_->currentItem();
    if (item == nullptr) {
        return;
    }
    const QString keyword = item->text();
    accept();
    emit chosen(keyword);
}

}  // namespace platform
