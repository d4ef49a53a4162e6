#include "tape/tapeedit.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

TapeEdit::TapeEdit(QWidget* parent) : QTextEdit(parent) {
    setObjectName(QStringLiteral("RichEdit1"));
    setAcceptDrops(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Alignment is measured against the visible width, so right-aligned lines sit at the right edge.
    setLineWrapMode(QTextEdit::WidgetWidth);
    setContextMenuPolicy(Qt::CustomContextMenu);
}

void TapeEdit::dragEnterEvent(QDragEnterEvent* event) { event->acceptProposedAction(); }

void TapeEdit::dragMoveEvent(QDragMoveEvent* event) { event->acceptProposedAction(); }

void TapeEdit::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    if (event->mimeData()->hasText()) emit textDropped(event->mimeData()->text());
}

void TapeEdit::mousePressEvent(QMouseEvent* event) {
    QTextEdit::mousePressEvent(event);
    emit mousePressed(event->button());
}

void TapeEdit::wheelEvent(QWheelEvent* event) {
    QTextEdit::wheelEvent(event);
    if (event->angleDelta().y() < 0) verticalScrollBar()->setValue(verticalScrollBar()->value() + 10);
}
