#include "app/ToolBarBitmap.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "commands/CommandIds.h"
#include "commands/CommandTable.h"

namespace {

const QColor kInk(0, 0, 0);
const QColor kNavy(0, 0, 128);
const QColor kWhite(255, 255, 255);
const QColor kGrey(128, 128, 128);
const QColor kYellow(255, 255, 0);
const QColor kTeal(0, 128, 128);
const QColor kRed(192, 0, 0);
const QColor kGreen(0, 128, 0);

// A jigsaw piece with a tab on the right and a blank at the bottom.
QPainterPath piecePath(const QRectF& r) {
    const double tab = r.width() / 4;
    QPainterPath p(r.topLeft());
    p.lineTo(r.right(), r.top());
    p.lineTo(r.right(), r.center().y() - tab / 2);
    p.arcTo(QRectF(r.right() - tab / 2, r.center().y() - tab / 2 - 1, tab + 1, tab + 2), 180,
            -360 + 0.01);
    p.lineTo(r.right(), r.bottom());
    p.lineTo(r.center().x() + tab / 2, r.bottom());
    p.arcTo(QRectF(r.center().x() - tab / 2, r.bottom() - tab, tab, tab), 0, 180);
    p.lineTo(r.left(), r.bottom());
    p.closeSubpath();
    return p;
}

void drawWindow(QPainter& p, const QRect& r) {
    p.setPen(kInk);
    p.setBrush(kWhite);
    p.drawRect(r);
    p.fillRect(QRect(r.left() + 1, r.top() + 1, r.width() - 1, 2), kNavy);
}

void drawMagnifier(QPainter& p, char sign) {
    p.setPen(QPen(kGrey, 2));
    p.drawLine(10, 11, 14, 15);
    p.setPen(kInk);
    p.setBrush(kWhite);
    p.drawEllipse(QRect(1, 2, 10, 10));
    p.setPen(QPen(kInk, 1.5));
    if (sign == '1') {
        p.drawLine(6, 4, 6, 10);
        p.drawLine(5, 5, 6, 4);
        return;
    }
    p.drawLine(4, 7, 8, 7);
    if (sign == '+') {
        p.drawLine(6, 5, 6, 9);
    }
}

void drawQuestion(QPainter& p, const QRect& r, const QColor& colour) {
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(r.height());
    p.setFont(font);
    p.setPen(colour);
    p.drawText(r, Qt::AlignCenter, "?");
}

void drawNew(QPainter& p) {
    QPainterPath page;
    page.moveTo(3, 1);
    page.lineTo(10, 1);
    page.lineTo(13, 4);
    page.lineTo(13, 16);
    page.lineTo(3, 16);
    page.closeSubpath();
    p.setPen(kInk);
    p.setBrush(kWhite);
    p.drawPath(page);
    p.drawLine(10, 1, 10, 4);
    p.drawLine(10, 4, 13, 4);
    p.setBrush(kTeal);
    p.setPen(Qt::NoPen);
    p.drawPath(piecePath(QRectF(4.5, 7, 5.5, 5.5)));
}

void drawSave(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(kNavy);
    p.drawRect(1, 2, 13, 13);
    p.fillRect(QRect(4, 3, 8, 5), kWhite);
    p.fillRect(QRect(4, 11, 7, 4), kGrey);
    p.fillRect(QRect(8, 12, 2, 2), kNavy);
}

void drawRestore(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(QColor(128, 128, 0));
    p.drawPolygon(QPolygon({{1, 4}, {5, 4}, {6, 6}, {13, 6}, {13, 15}, {1, 15}}));
    p.setBrush(kYellow);
    p.drawPolygon(QPolygon({{3, 9}, {15, 9}, {13, 15}, {1, 15}}));
    p.setPen(QPen(kGreen, 1.5));
    p.drawLine(9, 2, 13, 2);
    p.drawLine(13, 2, 13, 5);
}

void drawStart(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(kGreen);
    p.drawPolygon(QPolygon({{4, 2}, {13, 9}, {4, 16}}));
}

void drawPause(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(kNavy);
    p.drawRect(3, 3, 3, 12);
    p.drawRect(9, 3, 3, 12);
}

void drawStatus(QPainter& p) {
    drawWindow(p, QRect(1, 2, 13, 13));
    p.setPen(kInk);
    for (int y = 7; y <= 13; y += 3) {
        p.drawLine(3, y, 6, y);
        p.drawLine(8, y, 12, y);
    }
}

void drawOriginal(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(QColor(128, 192, 255));
    p.drawRect(1, 3, 13, 11);
    p.setPen(Qt::NoPen);
    p.setBrush(kYellow);
    p.drawEllipse(QRect(9, 5, 3, 3));
    p.setBrush(kGreen);
    p.drawPolygon(QPolygon({{2, 14}, {6, 8}, {9, 11}, {11, 10}, {14, 14}}));
}

void drawOverview(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(kTeal);
    p.drawRect(1, 2, 13, 13);
    p.setPen(kWhite);
    for (int x = 4; x < 14; x += 4) {
        p.drawLine(x, 3, x, 14);
    }
    for (int y = 6; y < 15; y += 4) {
        p.drawLine(2, y, 13, y);
    }
    p.setPen(QPen(kRed, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(3, 5, 6, 5);
}

void drawBarWindow(QPainter& p, int bar) {
    drawWindow(p, QRect(1, 2, 13, 13));
    if (bar == 0) {
        p.fillRect(QRect(2, 5, 12, 2), kGrey);
        p.fillRect(QRect(3, 5, 3, 2), kNavy);
    } else if (bar == 1) {
        for (int x = 3; x < 13; x += 3) {
            p.fillRect(QRect(x, 6, 2, 2), kGrey);
        }
    } else {
        p.fillRect(QRect(2, 12, 12, 2), kGrey);
    }
}

void drawAboutPuzzle(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(kTeal);
    p.drawPath(piecePath(QRectF(1, 3, 10, 10)));
    drawQuestion(p, QRect(5, 3, 11, 14), kRed);
}

void drawAboutArtist(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(QColor(224, 192, 128));
    p.drawEllipse(QRect(0, 3, 13, 11));
    const QColor dots[] = {kRed, kGreen, kNavy, kYellow};
    const QPoint at[] = {{3, 6}, {6, 5}, {9, 6}, {4, 10}};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(dots[i]);
        p.drawEllipse(at[i], 1, 1);
    }
    drawQuestion(p, QRect(7, 4, 9, 13), kRed);
}

void drawHelp(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(kNavy);
    p.drawRect(2, 1, 11, 15);
    p.fillRect(QRect(3, 14, 10, 2), kWhite);
    drawQuestion(p, QRect(2, 1, 12, 13), kYellow);
}

void drawExit(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(QColor(160, 96, 32));
    p.drawRect(1, 1, 8, 15);
    p.setBrush(kYellow);
    p.drawEllipse(QRect(6, 8, 2, 2));
    p.setPen(QPen(kRed, 2));
    p.drawLine(9, 9, 15, 9);
    p.drawLine(12, 6, 15, 9);
    p.drawLine(12, 12, 15, 9);
}

void drawImage(QPainter& p, int id) {
    using namespace cmd;
    switch (id) {
        case kNewGame:
            return drawNew(p);
        case kSave:
            return drawSave(p);
        case kRestore:
            return drawRestore(p);
        case kStart:
            return drawStart(p);
        case kPause:
            return drawPause(p);
        case kStatus:
            return drawStatus(p);
        case kOriginal:
            return drawOriginal(p);
        case kOverview:
            return drawOverview(p);
        case kZoomOut:
            return drawMagnifier(p, '-');
        case kZoomIn:
            return drawMagnifier(p, '+');
        case kNormalSize:
            return drawMagnifier(p, '1');
        case kMenuBar:
            return drawBarWindow(p, 0);
        case kToolBar:
            return drawBarWindow(p, 1);
        case kStatusBar:
            return drawBarWindow(p, 2);
        case kAboutPuzzle:
            return drawAboutPuzzle(p);
        case kAboutArtist:
            return drawAboutArtist(p);
        case kHelpContents:
            return drawHelp(p);
        case kExitButton:
            return drawExit(p);
        default:
            return;
    }
}

std::vector<int> buttonCommands() {
    std::vector<int> ids;
    for (int id : toolBarSlots()) {
        if (id != kSeparator) {
            ids.push_back(id);
        }
    }
    return ids;
}

}  // namespace

QImage ToolBarBitmap::strip() {
    const std::vector<int> ids = buttonCommands();
    QImage image(kImageWidth * static_cast<int>(ids.size()), kImageHeight,
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < ids.size(); ++i) {
        painter.save();
        painter.translate(static_cast<double>(i) * kImageWidth + 0.5, 0.5);
        painter.setClipRect(QRect(0, 0, kImageWidth, kImageHeight));
        drawImage(painter, ids[i]);
        painter.restore();
    }
    return image;
}

QIcon ToolBarBitmap::iconFor(int commandId) {
    static const QImage images = strip();
    const std::vector<int> ids = buttonCommands();
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (ids[i] == commandId) {
            const QRect cell(static_cast<int>(i) * kImageWidth, 0, kImageWidth, kImageHeight);
            return QIcon(QPixmap::fromImage(images.copy(cell)));
        }
    }
    return {};
}
