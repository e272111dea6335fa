#include "ControlBitmaps.h"

#include <QFile>
#include <QHash>

#include "ButtonIcons.h"
#include "PictControls.h"

namespace piclib {

namespace {

QPixmap applicationBitmap(const QString& name) {
    const QString path = QStringLiteral(":/bitmaps/%1.png").arg(name);
    return QFile::exists(path) ? QPixmap(path) : QPixmap();
}

QPixmap libraryBitmap(int number) {
    static QHash<int, QPixmap> cache;
    auto it = cache.find(number);
    if (it == cache.end()) {
        it = cache.insert(number, ButtonIcons::byNumber(number));
    }
    return *it;
}

}  // namespace

QPixmap ControlBitmaps::byNumber(int number, Origin origin) {
    if (number <= 0) {
        return {};
    }
    if (origin == Origin::kApplicationFirst) {
        QPixmap own = applicationBitmap(QString::number(number));
        if (!own.isNull()) {
            return own;
        }
    }
    return libraryBitmap(number);
}

QPixmap ControlBitmaps::byText(const QString& text) {
    bool isNumber = false;
    const int number = text.trimmed().toInt(&isNumber);
    if (isNumber) {
        return byNumber(number, Origin::kApplicationFirst);
    }
    QPixmap own = applicationBitmap(text.trimmed());
    return own.isNull() ? ButtonIcons::byName(text.trimmed()) : own;
}

QPixmap pictBitmap(int number) {
    return ControlBitmaps::byNumber(number, ControlBitmaps::Origin::kApplicationFirst);
}

}  // namespace piclib
