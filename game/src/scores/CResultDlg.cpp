#include "scores/CResultDlg.h"

#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/CJigsawApp.h"
#include "platform/MessageBox.h"
#include "scores/CHighScoreDlg.h"
#include "scores/ScoreDialogLook.h"
#include "settings/IniStore.h"
#include "settings/SettingsKeys.h"

namespace {

constexpr int kWidth = 420;
constexpr int kLabelX = 30;
constexpr int kValueX = 200;
constexpr int kRowHeight = 24;
constexpr int kFirstRow = 64;

}  // namespace

CResultDlg::CResultDlg(bool withName, const GameResults& results, QWidget* parent,
                       HighScoreTable::Io io)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), results_(results), io_(std::move(io)) {
    setObjectName(QString::number(withName ? kWithName : kWithoutName));
    setWindowTitle(withName ? QStringLiteral("Congratulations")
                            : QStringLiteral("Congratulations "));
    showHelp = scorelook::platformHelp(this);
    runTable = [](CHighScoreDlg& table) { table.exec(); };
    build(withName);
}

void CResultDlg::addResult(int id, const QString& label, const std::string& text, int row) {
    const int y = kFirstRow + row * kRowHeight;
    auto* caption = new QLabel(label, this);
    caption->setGeometry(kLabelX, y, kValueX - kLabelX, kRowHeight);
    auto* value = new QLabel(QString::fromStdString(text), this);
    value->setObjectName(QString::number(id));
    value->setGeometry(kValueX, y, kWidth - kValueX - kLabelX, kRowHeight);
    value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

void CResultDlg::build(bool withName) {
    setStyleSheet(QStringLiteral("CResultDlg { border: 2px outset #c0c0c0; }"));
    scorelook::addTitle(this, kTitle, QStringLiteral("Congratulations"), 0, 12, kWidth);
    char score[32];
    std::snprintf(score, sizeof score, "%ld ", results_.score);
    addResult(kScore, QStringLiteral("Your Score:"), score, 0);
    addResult(500, QStringLiteral("Picture:"), results_.picture, 1);
    addResult(1006, QStringLiteral("Pieces:"), results_.pieces, 2);
    addResult(1007, QStringLiteral("Time:"), results_.time, 3);
    addResult(1008, QStringLiteral("Pieces per minute:"), results_.piecesPerMinute, 4);
    addResult(1010, QStringLiteral("Bonus:"), results_.bonus, 5);
    addResult(1009, QStringLiteral("Errors:"), results_.errors, 6);
    int y = kFirstRow + 7 * kRowHeight + 12;
    if (withName) {
        auto* caption = new QLabel(QStringLiteral("Your Name:"), this);
        caption->setGeometry(kLabelX, y, kValueX - kLabelX, kRowHeight);
        nameField_ = new QLineEdit(this);
        nameField_->setObjectName(QString::number(kName));
        nameField_->setMaxLength(HighScoreTable::kMaxName);
        nameField_->setGeometry(kValueX, y, kWidth - kValueX - kLabelX, kRowHeight);
        nameField_->setText(QString::fromStdString(GetIniString(keys::kName1, "", keys::kPlayers))
                                .left(HighScoreTable::kMaxName));
        y += kRowHeight + 12;
    }
    auto* ok = scorelook::addButton(this, 1, QStringLiteral("&OK"), kLabelX, y);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CResultDlg::accept);
    auto* scores = scorelook::addButton(this, kHighScores, QStringLiteral("High &Scores"), 240, y);
    connect(scores, &QPushButton::clicked, this, &CResultDlg::onHighScores);
    y += 36;
    deleteButton_ =
        scorelook::addButton(this, kDeleteSaved, QStringLiteral("&Delete Saved Game"), kLabelX, y);
    deleteButton_->setEnabled(!results_.savedGamePath.empty());
    connect(deleteButton_, &QPushButton::clicked, this, &CResultDlg::onDeleteSaved);
    auto* help = scorelook::addButton(this, 2, QStringLiteral("&Help"), 240, y);
    connect(help, &QPushButton::clicked, this,
            [this] { showHelp(scorelook::helpContext(kHelpNumber)); });
    resize(kWidth, y + 44);
}

std::string CResultDlg::name() const {
    return nameField_ ? nameField_->text().toStdString() : std::string();
}

void CResultDlg::accept() {
    if (nameField_ && !nameField_->text().isEmpty()) {
        WriteIniString(name().c_str(), keys::kName1, keys::kPlayers);
    }
    QDialog::accept();
}

void CResultDlg::onHighScores() {
    // The entry is shown in its place, then taken out again: the table on
    // disk only gains it when the dialog closes.
    int row = -1;
    if (withName()) {
        HighScoreTable table(io_);
        table.load();
        row = table.insert(name(), results_.score, results_.pictureForTable(),
                           std::strtol(results_.pieces.c_str(), nullptr, 10), results_.time);
        table.store();
    }
    {
        CHighScoreDlg dialog(this, io_);
        dialog.setHighlight(row);
        runTable(dialog);
    }
    if (row >= 0) {
        HighScoreTable table(io_);
        table.load();
        table.remove(row);
        table.store();
    }
}

void CResultDlg::onDeleteSaved() {
    if (MessageBoxA(this, kDeleteQuestion, CJigsawApp::kTitle, MB_YESNO | MB_ICONQUESTION) !=
        IDYES) {
        return;
    }
    if (QFile::remove(QString::fromStdString(results_.savedGamePath))) {
        deleteButton_->setEnabled(false);
        results_.savedGamePath.clear();
        return;
    }
    const QString text =
        QString::fromLatin1(kDeleteFailed).arg(QString::fromStdString(results_.savedGamePath));
    MessageBoxA(this, text.toUtf8().constData(), CJigsawApp::kTitle, MB_OK | MB_ICONEXCLAMATION);
}

void CResultDlg::keyPressEvent(QKeyEvent* event) {
    // Escape is the help button's key, as in the old dialog: it never closes.
    if (event->key() == Qt::Key_Escape) {
        showHelp(scorelook::helpContext(kHelpNumber));
        return;
    }
    QDialog::keyPressEvent(event);
}

void CResultDlg::showEvent(QShowEvent* event) {
    if (QWidget* owner = parentWidget()) {
        const QRect frame = owner->window()->geometry();
        move(frame.center() - rect().center());
    }
    QDialog::showEvent(event);
}
