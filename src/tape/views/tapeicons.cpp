#include "tape/views/tapeicons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace tapeicons {
namespace {

QIcon draw(const std::function<void(QPainter&)>& paint) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(2, 2);  // drawn on a 16 × 16 grid, kept sharp on high-resolution screens
    paint(p);
    p.end();
    pixmap.setDevicePixelRatio(2);
    return QIcon(pixmap);
}

const QColor Ink(40, 40, 40);

}  // namespace

QIcon save() {
    return draw([](QPainter& p) {
        p.setPen(QPen(Ink, 1));
        p.setBrush(QColor(60, 90, 170));
        p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4, 2, 8, 5));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(4.5, 9.5, 7, 5));
    });
}

QIcon open() {
    return draw([](QPainter& p) {
        p.setPen(QPen(Ink, 1));
        p.setBrush(QColor(230, 190, 80));
        p.drawRect(QRectF(1.5, 3.5, 12, 10));
        p.setBrush(QColor(250, 215, 110));
        QPainterPath front;
        front.moveTo(1.5, 13.5);
        front.lineTo(4.5, 6.5);
        front.lineTo(15.5, 6.5);
        front.lineTo(13.5, 13.5);
        front.closeSubpath();
        p.drawPath(front);
    });
}

QIcon copy() {
    return draw([](QPainter& p) {
        p.setPen(QPen(Ink, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(1.5, 1.5, 8, 10));
        p.drawRect(QRectF(6.5, 4.5, 8, 10));
        p.setPen(QPen(QColor(120, 120, 120), 1));
        for (double y = 7.5; y < 14; y += 2) p.drawLine(QPointF(8.5, y), QPointF(12.5, y));
    });
}

QIcon print() {
    return draw([](QPainter& p) {
        p.setPen(QPen(Ink, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(150, 150, 150));
        p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 10.5, 7, 4));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 180, 40));
        p.drawEllipse(QPointF(12.5, 8.5), 0.8, 0.8);
    });
}

QIcon edit() {
    return draw([](QPainter& p) {
        p.setPen(QPen(Ink, 1));
        p.setBrush(QColor(240, 200, 60));
        QPainterPath pencil;
        pencil.moveTo(3, 13);
        pencil.lineTo(4, 10);
        pencil.lineTo(11.5, 2.5);
        pencil.lineTo(13.5, 4.5);
        pencil.lineTo(6, 12);
        pencil.closeSubpath();
        p.drawPath(pencil);
        p.setPen(QPen(Ink, 1));
        p.drawLine(QPointF(2, 15), QPointF(14, 15));
    });
}

QIcon record() {
    return draw([](QPainter& p) {
        p.setPen(QPen(QColor(120, 0, 0), 1));
        p.setBrush(QColor(220, 30, 30));
        p.drawEllipse(QPointF(8, 8), 5.5, 5.5);
    });
}

}  // namespace tapeicons
