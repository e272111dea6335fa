#include "dialogs/CPreferencesDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include "controls/ControlClasses.h"
#include "platform/MessageBox.h"

namespace dialogs {

namespace {

// Check boxes and the preference each one shows.
struct CheckField {
    int id;
    const char* text;
    int Preferences::*field;
};

constexpr CheckField kChecks[] = {
    {1009, "On snap", &Preferences::onTopOnSnap},
    {1010, "On move", &Preferences::onTopOnMove},
    {1008, "Adjust original to window size", &Preferences::adjustOriginal},
    {1011, "Move underlying pieces aside", &Preferences::moveAside},
    {1012, "Automatic scroll", &Preferences::autoScroll},
    {1153, "Allow scrolling by dragging background", &Preferences::dragBackground},
    {1187, "Turn scoring display off", &Preferences::scoringOff},
};

constexpr int kFirstPriority = 1190;  // 1190 speed, 1191 medium, 1192 quality
constexpr const char* kPriorityTexts[] = {"Favor speed over quality", "Medium speed and quality",
                                          "Favor quality over speed"};

}  // namespace

CPreferencesDlg::CPreferencesDlg(Preferences& prefs, QWidget* parent)
    : CGameDialog(kResourceId, QStringLiteral("Preferences"), parent), prefs_(prefs) {
    buildLayout();
    showValues(prefs_);
}

void CPreferencesDlg::buildLayout() {
    setClientSize(444, 288);
    addGroup(QStringLiteral("Smaller pieces always on top"), QRect(8, 4, 238, 100));
    addLabel(-1, QStringLiteral("If there are more than"), QRect(18, 24, 130, 22));
    limit_ = new QLineEdit(client());
    limit_->setObjectName(QString::number(kLimitEdit));
    limit_->setGeometry(150, 24, 30, 22);
    limit_->setMaxLength(2);
    addLabel(-1, QStringLiteral("pieces"), QRect(186, 24, 54, 22));
    int y = 52;
    for (int i = 0; i < 2; ++i, y += 22) {
        QCheckBox* box =
            addCheck(kChecks[i].id, QString::fromUtf8(kChecks[i].text), QRect(18, y, 200, 20));
        connect(box, &QCheckBox::clicked, this, &CPreferencesDlg::updateLimitEdit);
    }
    addLabel(-1, QStringLiteral("Priority for loading images:"), QRect(256, 8, 184, 20));
    priority_ = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        QRadioButton* radio = addRadio(kFirstPriority + i, QString::fromUtf8(kPriorityTexts[i]),
                                       QRect(256, 30 + i * 22, 184, 20));
        priority_->addButton(radio, i + 1);
    }
    addGroup(QStringLiteral("Miscellaneous options"), QRect(8, 110, 428, 134));
    y = 130;
    for (std::size_t i = 2; i < std::size(kChecks); ++i, y += 22) {
        addCheck(kChecks[i].id, QString::fromUtf8(kChecks[i].text), QRect(18, y, 300, 20));
    }
    addButton(IDOK, QStringLiteral("107,&Use"), QRect(8, 254, 88, 26), true);
    addButton(IDCANCEL, QStringLiteral("108,Cancel"), QRect(102, 254, 88, 26));
    addButton(kSaveAsDefaults, QStringLiteral("-1,&Save as Defaults"), QRect(196, 254, 120, 26));
    addButton(kHelp, QStringLiteral("111,&Help"), QRect(356, 254, 80, 26));
    setHelpButton(kHelp);
}

QCheckBox* CPreferencesDlg::check(int id) const {
    return client()->findChild<QCheckBox*>(QString::number(id));
}

void CPreferencesDlg::showValues(const Preferences& p) {
    limit_->setText(QString::number(p.smallPieceLimit));
    for (const CheckField& c : kChecks) {
        check(c.id)->setChecked(p.*c.field != 0);
    }
    // Exactly one priority is on; an unknown stored value shows as medium.
    const int level = p.loadingPriority >= 1 && p.loadingPriority <= 3 ? p.loadingPriority : 2;
    priority_->button(level)->setChecked(true);
    updateLimitEdit();
}

// The threshold only matters while smaller pieces are raised at all.
void CPreferencesDlg::updateLimitEdit() {
    limit_->setEnabled(check(1009)->isChecked() || check(1010)->isChecked());
}

bool CPreferencesDlg::readValues(Preferences& p) {
    bool ok = false;
    const int limit = limit_->text().trimmed().toInt(&ok);
    if (!ok || limit < kLowestLimit || limit > kHighestLimit) {
        MessageBoxA(this, "Please enter an integer between 3 and 8.", controls::kFrameworkCaption,
                    MB_OK | MB_ICONEXCLAMATION);
        limit_->setFocus();
        limit_->selectAll();
        return false;
    }
    p.smallPieceLimit = limit;
    for (const CheckField& c : kChecks) {
        p.*c.field = check(c.id)->isChecked() ? 1 : 0;
    }
    p.loadingPriority = priority_->checkedId();
    return true;
}

bool CPreferencesDlg::use() {
    Preferences values = prefs_;
    if (!readValues(values)) {
        return false;
    }
    prefs_ = values;
    accept();
    return true;
}

void CPreferencesDlg::onCommand(int id) {
    switch (id) {
        case IDOK:
            use();
            break;
        case kSaveAsDefaults: {
            Preferences values = prefs_;
            if (!readValues(values)) {
                return;
            }
            // The stored scoring switch stays as it was; the new one applies
            // to this run only.
            values.scoringOff = prefs_.scoringOff;
            prefs_ = values;
            prefs_.save();
            use();
            break;
        }
        case kHelp:
            showHelp(kHelpId);
            break;
        default:
            CGameDialog::onCommand(id);
    }
}

}  // namespace dialogs
