#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "DialogTestSupport.h"
#include "dialogs/CPreferencesDlg.h"
#include "settings/IniStore.h"
#include "settings/Preferences.h"
#include "settings/SettingsKeys.h"

namespace {

using dialogs::CPreferencesDlg;

class DialogPreferencesTest : public DialogTest {
  protected:
    template <typename T>
    static T* child(const CPreferencesDlg& dlg, int id) {
        return dlg.findChild<T*>(QString::number(id));
    }

    Preferences prefs_;
};

TEST_F(DialogPreferencesTest, ShowsTheCurrentValues) {
    prefs_.smallPieceLimit = 6;
    prefs_.loadingPriority = 3;
    CPreferencesDlg dlg(prefs_);
    EXPECT_EQ(child<QLineEdit>(dlg, 1007)->text(), QStringLiteral("6"));
    EXPECT_TRUE(child<QCheckBox>(dlg, 1009)->isChecked());   // on snap, built-in default
    EXPECT_FALSE(child<QCheckBox>(dlg, 1010)->isChecked());  // on move
    EXPECT_TRUE(child<QRadioButton>(dlg, 1192)->isChecked());
    EXPECT_FALSE(child<QRadioButton>(dlg, 1191)->isChecked());
    render(dlg, "dialog-preferences.png");
}

TEST_F(DialogPreferencesTest, ThresholdEditFollowsTheRaiseBoxes) {
    CPreferencesDlg dlg(prefs_);
    QLineEdit* edit = child<QLineEdit>(dlg, 1007);
    EXPECT_TRUE(edit->isEnabled());
    child<QCheckBox>(dlg, 1009)->click();  // both clear now
    EXPECT_FALSE(edit->isEnabled());
    child<QCheckBox>(dlg, 1010)->click();
    EXPECT_TRUE(edit->isEnabled());
}

TEST_F(DialogPreferencesTest, ThresholdOutsideThreeToEightKeepsTheDialogOpen) {
    CPreferencesDlg dlg(prefs_);
    for (const char* text : {"9", "2", "x", ""}) {
        child<QLineEdit>(dlg, 1007)->setText(QString::fromUtf8(text));
        dlg.onCommand(IDOK);
        EXPECT_EQ(dlg.result(), 0) << text;
    }
    ASSERT_EQ(boxes_.size(), 4u);
    EXPECT_EQ(boxes_[0].text, "Please enter an integer between 3 and 8.");
    EXPECT_EQ(prefs_.smallPieceLimit, 4);

    child<QLineEdit>(dlg, 1007)->setText(QStringLiteral("8"));
    dlg.onCommand(IDOK);
    EXPECT_EQ(dlg.result(), IDOK);
    EXPECT_EQ(prefs_.smallPieceLimit, 8);
}

TEST_F(DialogPreferencesTest, UseTakesEveryValueWithoutStoring) {
    CPreferencesDlg dlg(prefs_);
    child<QCheckBox>(dlg, 1187)->setChecked(true);
    child<QCheckBox>(dlg, 1011)->setChecked(true);
    child<QRadioButton>(dlg, 1190)->setChecked(true);
    dlg.onCommand(IDOK);
    EXPECT_EQ(prefs_.scoringOff, 1);
    EXPECT_EQ(prefs_.moveAside, 1);
    EXPECT_EQ(prefs_.loadingPriority, 1);
    EXPECT_EQ(GetIniString(keys::kSettings, "none"), "none");
}

TEST_F(DialogPreferencesTest, SaveAsDefaultsStoresAllButTheNewScoringSwitch) {
    prefs_.reserved = 1;
    CPreferencesDlg dlg(prefs_);
    child<QLineEdit>(dlg, 1007)->setText(QStringLiteral("5"));
    child<QCheckBox>(dlg, 1187)->setChecked(true);
    child<QCheckBox>(dlg, 1012)->setChecked(false);
    dlg.onCommand(CPreferencesDlg::kSaveAsDefaults);
    EXPECT_EQ(dlg.result(), IDOK);
    EXPECT_EQ(GetIniString(keys::kSettings, ""), "0,5,1,1,0,0,0,0,0,2");
    EXPECT_EQ(prefs_.scoringOff, 1);  // for this run
    EXPECT_EQ(prefs_.smallPieceLimit, 5);
}

TEST_F(DialogPreferencesTest, CancelChangesNothing) {
    const Preferences before = prefs_;
    CPreferencesDlg dlg(prefs_);
    child<QCheckBox>(dlg, 1008)->setChecked(false);
    dlg.onCommand(IDCANCEL);
    EXPECT_EQ(dlg.result(), IDCANCEL);
    EXPECT_EQ(prefs_.format(), before.format());
    EXPECT_EQ(prefs_.adjustOriginal, 1);
}

TEST_F(DialogPreferencesTest, KeysReachTheButtons) {
    {
        CPreferencesDlg dlg(prefs_);
        QTest::keyClick(&dlg, Qt::Key_Escape);
        EXPECT_EQ(dlg.result(), IDCANCEL);
    }
    {
        CPreferencesDlg dlg(prefs_);
        QTest::keyClick(&dlg, Qt::Key_Return);
        EXPECT_EQ(dlg.result(), IDOK);
    }
    CPreferencesDlg dlg(prefs_);
    QTest::keyClick(&dlg, Qt::Key_H, Qt::AltModifier);
    ASSERT_EQ(help_.size(), 1u);
    EXPECT_EQ(help_[0].data, 0x20419u);
}

}  // namespace
