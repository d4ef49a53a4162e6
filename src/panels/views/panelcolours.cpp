#include "panelcolours.h"

#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace panelcolours {

void paintField(QWidget* field, const QColor& colour) {
    QPalette p = field->palette();
    p.setColor(QPalette::Base, colour);
    p.setColor(QPalette::Text, Qt::black);
    // The closed combo box of a fusion-like style paints its face with Button.
    p.setColor(QPalette::Button, colour);
    p.setColor(QPalette::ButtonText, Qt::black);
    field->setPalette(p);
}

void paintText(std::initializer_list<QWidget*> widgets, const QColor& colour) {
    for (QWidget* w : widgets) {
        QPalette p = w->palette();
        p.setColor(QPalette::WindowText, colour);
        w->setPalette(p);
    }
}

}  // namespace panelcolours

namespace panelicons {
namespace {
QPixmap canvas() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    return pixmap;
}
}  // namespace

QIcon takeOver() {
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0, 128), 1));
    p.setBrush(QColor(255, 255, 160));
    p.drawRect(QRectF(1.5, 0.5, 13, 5));  // the field
    p.setBrush(QColor(0, 128, 0));
    p.setPen(Qt::NoPen);
    const QPointF arrow[] = {{8, 6}, {13, 11}, {10, 11}, {10, 15.5}, {6, 15.5}, {6, 11}, {3, 11}};
    p.drawPolygon(arrow, 7);
    return QIcon(pixmap);
}

QIcon tape() {
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    p.setPen(QColor(90, 90, 90));
    p.setBrush(Qt::white);
    p.drawRect(3, 0, 10, 15);
    p.setPen(Qt::black);
    for (int y = 3; y <= 12; y += 3) p.drawLine(6, y, 11, y);
    return QIcon(pixmap);
}

}  // namespace panelicons
