#include "CJigsawDoc.h"

#include "CJigsawView.h"

CJigsawDoc::CJigsawDoc(QObject* parent) : QObject(parent) {}

bool CJigsawDoc::canCloseFrame() const {
    return view_ == nullptr || view_->QueryClose();
}
