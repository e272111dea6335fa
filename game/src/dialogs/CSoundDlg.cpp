#include "dialogs/CSoundDlg.h"

#include <QCheckBox>

#include "platform/MessageBox.h"
#include "sound/SoundEvent.h"

namespace dialogs {

namespace {

// The nine event boxes; each box's id is the event it previews.
struct EventBox {
    int id;
    const char* text;
    bool SoundSwitches::*field;
};

constexpr EventBox kEventBoxes[] = {
    {sound::kLoading, "Loading image", &SoundSwitches::loading},
    {sound::kCut, "Cutting image", &SoundSwitches::cut},
    {sound::kSelect, "Selecting a piece", &SoundSwitches::select},
    {sound::kMove, "Moving a piece", &SoundSwitches::move},
    {sound::kRelease, "Release a piece", &SoundSwitches::release},
    {sound::kSnap, "Snapping", &SoundSwitches::snap},
    {sound::kBonus, "Perfect fit", &SoundSwitches::bonus},
    {sound::kExpertError, "Expert mode error", &SoundSwitches::expertError},
    {sound::kLockPreview, "Lock - unlock pieces", &SoundSwitches::lock},
};

}  // namespace

CSoundDlg::CSoundDlg(CSoundOptions& options, SoundSettingsIo io, QWidget* parent)
    : CGameDialog(kResourceId, QStringLiteral("Sound"), parent),
      options_(options),
      io_(std::move(io)) {
    buildLayout();
    showSwitches(options_.Switches());
}

void CSoundDlg::buildLayout() {
    setClientSize(330, 206);
    QCheckBox* enabled = addCheck(kEnabled, QStringLiteral("Sound enabled"), QRect(14, 8, 200, 20));
    connect(enabled, &QCheckBox::clicked, this, &CSoundDlg::updateEventBoxes);
    addPictControl("ShadeFrame", QStringLiteral("I"), 0, QRect(8, 32, 314, 124));
    for (std::size_t i = 0; i < std::size(kEventBoxes); ++i) {
        const int column = static_cast<int>(i) / 5;
        const int row = static_cast<int>(i) % 5;
        const EventBox& e = kEventBoxes[i];
        QCheckBox* box = addCheck(e.id, QString::fromUtf8(e.text),
                                  QRect(18 + column * 152, 40 + row * 22, 148, 20));
        connect(box, &QCheckBox::clicked, this, [this, id = e.id](bool on) { preview(id, on); });
    }
    addButton(IDOK, QStringLiteral("107,&Use"), QRect(8, 168, 70, 28), true);
    addButton(IDCANCEL, QStringLiteral("108,Cancel"), QRect(84, 168, 74, 28));
    addButton(kSaveAsDefaults, QStringLiteral("-1,&Save as Defaults"), QRect(164, 168, 100, 28));
    addButton(kHelp, QStringLiteral("111,&Help"), QRect(270, 168, 52, 28));
    setHelpButton(kHelp);
}

QCheckBox* CSoundDlg::box(int id) const {
    return client()->findChild<QCheckBox*>(QString::number(id));
}

void CSoundDlg::showSwitches(const SoundSwitches& s) {
    box(kEnabled)->setChecked(s.enabled);
    for (const EventBox& e : kEventBoxes) {
        box(e.id)->setChecked(s.*e.field);
    }
    updateEventBoxes();
}

SoundSwitches CSoundDlg::shownSwitches() const {
    SoundSwitches s;
    s.enabled = box(kEnabled)->isChecked();
    for (const EventBox& e : kEventBoxes) {
        s.*e.field = box(e.id)->isChecked();
    }
    return s;
}

void CSoundDlg::updateEventBoxes() {
    const bool on = box(kEnabled)->isChecked();
    for (const EventBox& e : kEventBoxes) {
        box(e.id)->setEnabled(on);
    }
}

// The preview sounds as the boxes now stand, so a box just checked is heard
// even while the options still have it off.
void CSoundDlg::preview(int id, bool checked) {
    if (!checked || !box(id)->isVisible()) {
        return;
    }
    CSoundOptions trial = options_;
    trial.SetSwitches(shownSwitches());
    trial.Play(id);
}

void CSoundDlg::onCommand(int id) {
    switch (id) {
        case IDOK:
            options_.SetSwitches(shownSwitches());
            done(IDOK);
            break;
        case kSaveAsDefaults:
            options_.SetSwitches(shownSwitches());
            options_.Save(io_);
            done(IDOK);
            break;
        case kHelp:
            showHelp(kHelpId);
            break;
        default:
            CGameDialog::onCommand(id);
    }
}

}  // namespace dialogs
