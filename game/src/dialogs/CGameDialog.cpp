#include "dialogs/CGameDialog.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>

#include "PictControls.h"
#include "platform/MessageBox.h"

namespace dialogs {

CGameDialog::CGameDialog(int resourceId, const QString& title, QWidget* parent, bool withCaption)
    : controls::CFramedDialog(resourceId, title, parent, withCaption) {
    client()->installEventFilter(this);
}

QWidget* CGameDialog::control(int id) const {
    return client()->findChild<QWidget*>(QString::number(id));
}

void CGameDialog::onCommand(int id) {
    if (id == IDOK || id == IDCANCEL) {
        done(id);
    }
}

QWidget* CGameDialog::addButton(int id, const QString& text, const QRect& r, bool isDefault) {
    const QByteArray windowText = text.toUtf8();
    const unsigned style = piclib::WS_TABSTOP | (isDefault ? piclib::BS_DEFPUSHBUTTON : 0u);
    if (isDefault) {
        defaultButton_ = id;
    }
    const int amp = text.indexOf(u'&');
    if (amp >= 0 && amp + 1 < text.size()) {
        mnemonics_.insert(text.at(amp + 1).toUpper(), id);
    }
    return piclib::createPictControl("XBOTTON", windowText.constData(), style, r, id, client());
}

QCheckBox* CGameDialog::addCheck(int id, const QString& text, const QRect& r) {
    auto* box = new QCheckBox(text, client());
    box->setObjectName(QString::number(id));
    box->setGeometry(r);
    return box;
}

QRadioButton* CGameDialog::addRadio(int id, const QString& text, const QRect& r) {
    auto* button = new QRadioButton(text, client());
    button->setObjectName(QString::number(id));
    button->setGeometry(r);
    return button;
}

QLabel* CGameDialog::addLabel(int id, const QString& text, const QRect& r, Qt::Alignment align) {
    auto* label = new QLabel(text, client());
    if (id >= 0) {
        label->setObjectName(QString::number(id));
    }
    label->setAlignment(align);
    label->setGeometry(r);
    return label;
}

QWidget* CGameDialog::addPictControl(const char* className, const QString& text, unsigned style,
                                     const QRect& r, int id) {
    const QByteArray windowText = text.toUtf8();
    return piclib::createPictControl(className, windowText.constData(), style, r, id, client());
}

QWidget* CGameDialog::addGroup(const QString& caption, const QRect& r) {
    return addPictControl("ShadeFrame", QStringLiteral("A,") + caption, 0, r);
}

void CGameDialog::closeBoxClicked() {
    onCommand(IDCANCEL);
}

bool CGameDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client() && event->type() == piclib::PictCommandEvent::eventType()) {
        onCommand(static_cast<piclib::PictCommandEvent*>(event)->id);
        return true;
    }
    return controls::CFramedDialog::eventFilter(watched, event);
}

void CGameDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            onCommand(defaultButton_);
            break;
        case Qt::Key_Escape:
            onCommand(IDCANCEL);
            break;
        case Qt::Key_F1:
            if (helpButton_ != 0) {
                onCommand(helpButton_);
            } else {
                controls::CFramedDialog::keyPressEvent(event);
            }
            break;
        default:
            // Modifier and function keys lie beyond the character range and
            // are never mnemonics.
            if ((event->modifiers() & Qt::AltModifier) != 0 && event->key() <= 0xFFFF &&
                mnemonics_.contains(QChar(event->key()))) {
                onCommand(mnemonics_.value(QChar(event->key())));
                return;
            }
            controls::CFramedDialog::keyPressEvent(event);
    }
}

}  // namespace dialogs
