#include "app/CJigsawDoc.h"

#include <QFile>
#include <QFileInfo>

#include "controls/ControlClasses.h"
#include "platform/MessageBox.h"
#include "view/CJigsawView.h"

namespace {

void frameworkMessage(const char* text) {
    MessageBoxA(nullptr, text, controls::kFrameworkCaption, MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

CJigsawDoc::CJigsawDoc(QObject* parent) : QObject(parent) {}

bool CJigsawDoc::canCloseFrame() const {
    return view_ == nullptr || view_->QueryClose();
}

bool CJigsawDoc::OnOpenDocument(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        frameworkMessage(kCannotOpen);
        return false;
    }
    file.close();
    if (view_ != nullptr) {
        view_->restoreGameFile(path);
    }
    return true;
}

// The name is tried without emptying a file that is already there: the Save
// command may write elsewhere or be cancelled, and the old game must survive
// that. A file made only for the try is removed again when it stayed empty.
bool CJigsawDoc::OnSaveDocument(const QString& path) {
    const bool existed = QFileInfo::exists(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        frameworkMessage(kInvalidName);
        return false;
    }
    file.close();
    const bool saved = view_ != nullptr && view_->saveCommand();
    if (!existed && QFileInfo(path).size() == 0) {
        QFile::remove(path);
    }
    return saved;
}
