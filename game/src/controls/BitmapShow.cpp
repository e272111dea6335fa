#include "controls/BitmapShow.h"

#include <QPainter>

namespace controls {

QPixmap loadBitmapResource(int number) {
    return QPixmap(QStringLiteral(":/bitmaps/%1.png").arg(number));
}

BitmapShow::BitmapShow(int id, QWidget* parent)
    : QWidget(parent), bitmap_(loadBitmapResource(id + kResourceOffset)) {
    setObjectName(QString::number(id));
}

void BitmapShow::paintEvent(QPaintEvent*) {
    if (bitmap_.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, bitmap_);
}

}  // namespace controls
