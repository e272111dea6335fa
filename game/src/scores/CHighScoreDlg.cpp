#include "scores/CHighScoreDlg.h"

#include <QLabel>
#include <QPushButton>

#include "app/CJigsawApp.h"
#include "controls/NamesList.h"
#include "help/HelpContext.h"
#include "platform/MessageBox.h"
#include "scores/ScoreDialogLook.h"

namespace {

struct ColumnLook {
    const char* head;
    std::string HighScoreRow::*field;
    bool right;
    int width;
};

// Lists in id order (name, score, picture, pieces, time, date). Each list
// divides its client height among the ten rows.
constexpr int kRowHeight = 22;
const ColumnLook kColumns[6] = {
    {"Name", &HighScoreRow::name, false, 150},       {"Score", &HighScoreRow::score, true, 70},
    {"Picture", &HighScoreRow::picture, false, 190}, {"Pieces", &HighScoreRow::pieces, true, 60},
    {"Time", &HighScoreRow::time, true, 80},         {"Date", &HighScoreRow::date, true, 80},
};

}  // namespace

CHighScoreDlg::CHighScoreDlg(QWidget* parent, HighScoreTable::Io io)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), table_(std::move(io)) {
    setObjectName(QString::number(kDialogId));
    showHelp = scorelook::platformHelp(this);
    table_.load();
    build();
    refreshLists();
}

CHighScoreDlg::~CHighScoreDlg() {
    table_.store();
}

void CHighScoreDlg::build() {
    setStyleSheet(QStringLiteral("CHighScoreDlg { border: 2px outset #c0c0c0; }"));
    int x = 12;
    for (int i = 0; i < 6; ++i) {
        const ColumnLook& look = kColumns[i];
        auto* head = new QLabel(QString::fromLatin1(look.head), this);
        head->setGeometry(x, 56, look.width, 18);
        head->setAlignment((look.right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        auto* list = new controls::NamesList(kColumnIds[static_cast<std::size_t>(i)], this);
        list->setGeometry(x, 76, look.width, kRowHeight * HighScoreTable::kRows);
        lists_[static_cast<std::size_t>(i)] = list;
        x += look.width + 4;
    }
    const int width = x + 8;
    resize(width, 76 + kRowHeight * HighScoreTable::kRows + 60);
    scorelook::addTitle(this, kTitle, QStringLiteral("Hall of Fame"), 0, 10, width);
    const int by = height() - 40;
    auto* ok = scorelook::addButton(this, 1, QStringLiteral("&OK"), width / 2 - 235, by);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* clear = scorelook::addButton(this, kClear, QStringLiteral("&Clear"), width / 2 - 75, by);
    connect(clear, &QPushButton::clicked, this, &CHighScoreDlg::onClear);
    auto* help = scorelook::addButton(this, kHelp, QStringLiteral("&Help"), width / 2 + 85, by);
    connect(help, &QPushButton::clicked, this,
            [this] { showHelp(scorelook::helpContext(help::kHighScoresHelp)); });
}

void CHighScoreDlg::refreshLists() {
    for (int c = 0; c < 6; ++c) {
        QStringList texts;
        for (int r = 0; r < HighScoreTable::kRows; ++r) {
            texts.append(QString::fromStdString(table_.row(r).*kColumns[c].field));
        }
        controls::NamesList* list = lists_[static_cast<std::size_t>(c)];
        list->setNames(kColumns[c].right ? controls::NamesList::kAlignRight : 0, &texts);
        list->setHighlight(highlight_);
    }
}

void CHighScoreDlg::setHighlight(int row) {
    highlight_ = (row >= 0 && row < HighScoreTable::kRows) ? row : -1;
    refreshLists();
}

void CHighScoreDlg::onClear() {
    if (MessageBoxA(this, kClearQuestion, CJigsawApp::kTitle, MB_YESNO | MB_ICONQUESTION) !=
        IDYES) {
        return;
    }
    table_.clear();
    highlight_ = -1;
    refreshLists();
}

void CHighScoreDlg::showTable(QWidget* parent) {
    CHighScoreDlg dialog(parent);
    dialog.exec();
}
