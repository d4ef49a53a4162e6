#include "tape/views/tapeedit.h"

#include <QAbstractTextDocumentLayout>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QWheelEvent>
#include <cmath>

namespace {

// Cursor keys and the direction they move in, or nothing for other keys.
std::optional<bool> movesForward(const QKeyEvent* event) {
    if (event->modifiers() & (Qt::ShiftModifier | Qt::AltModifier)) return std::nullopt;
    switch (event->key()) {
    case Qt::Key_Down:
    case Qt::Key_Right:
    case Qt::Key_PageDown: return true;
    case Qt::Key_Up:
    case Qt::Key_Left:
    case Qt::Key_PageUp: return false;
    default: return std::nullopt;
    }
}

}  // namespace

TapeEdit::TapeEdit(QWidget* parent) : QTextEdit(parent) {
    setAcceptDrops(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Alignment is measured against the visible width, so right-aligned lines sit at the right edge.
    setLineWrapMode(QTextEdit::WidgetWidth);
    setContextMenuPolicy(Qt::CustomContextMenu);
}

int TapeEdit::textHeight() const {
    return static_cast<int>(std::ceil(document()->documentLayout()->documentSize().height()));
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

// The strip scrolls, not the section.
void TapeEdit::wheelEvent(QWheelEvent* event) { event->ignore(); }

void TapeEdit::keyPressEvent(QKeyEvent* event) {
    if (keyHook_ && keyHook_(event)) return;
    const QTextCursor before = textCursor();
    QTextEdit::keyPressEvent(event);
    const std::optional<bool> forward = movesForward(event);
    if (forward && !before.hasSelection() && textCursor().position() == before.position()) emit edgeReached(*forward);
    emit keyHandled();
}

void TapeEdit::focusInEvent(QFocusEvent* event) {
    QTextEdit::focusInEvent(event);
    emit focused();
}
