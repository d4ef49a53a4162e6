#include "currency/views/converteredit.h"

#include "currency/currencyconverter.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>

#include <algorithm>

const QString ConverterEdit::FieldDragType = QStringLiteral("application/x-kalkulo-field");

ConverterEdit::ConverterEdit(QWidget* parent) : QLineEdit(parent) { setAcceptDrops(false); }

void ConverterEdit::setAmountOnly() {
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QString cleaned = CurrencyConverter::CleanAmountText(text);
        if (cleaned == text) return;
        const int cursor = cursorPosition() - static_cast<int>(text.size() - cleaned.size());
        setText(cleaned);
        setCursorPosition(std::clamp(cursor, 0, static_cast<int>(cleaned.size())));
    });
}

bool ConverterEdit::isChainKey(const QKeyEvent* event) const {
    return chainKeys_ && (event->modifiers() & Qt::KeypadModifier) &&
        (event->key() == Qt::Key_Plus || event->key() == Qt::Key_Minus);
}

void ConverterEdit::keyPressEvent(QKeyEvent* event) {
    if (isChainKey(event)) {
        emit chainKeyPressed(event->key() == Qt::Key_Plus ? u'+' : u'-');
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: emit enterPressed(); return;
    case Qt::Key_Escape:
        // The main window hears Esc too: it hands the keys back to the calculator.
        emit escapePressed();
        event->ignore();
        return;
    default: break;
    }
    if (commaToPoint_ && event->text() == QStringLiteral(",")) {
        QKeyEvent point(event->type(), Qt::Key_Period, event->modifiers(), QStringLiteral("."));
        QLineEdit::keyPressEvent(&point);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void ConverterEdit::keyReleaseEvent(QKeyEvent* event) {
    QLineEdit::keyReleaseEvent(event);
    if (event->isAutoRepeat()) return;
    if (isChainKey(event)) emit chainKeyReleased();
    else emit keyReleased(event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter);
}

void ConverterEdit::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    emit pressed();
}

void ConverterEdit::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    emit released();
}

void ConverterEdit::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasFormat(FieldDragType)) event->acceptProposedAction();
    else event->ignore();
}

void ConverterEdit::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasFormat(FieldDragType)) event->acceptProposedAction();
    else event->ignore();
}

void ConverterEdit::dropEvent(QDropEvent* event) {
    if (!event->mimeData()->hasFormat(FieldDragType)) return;
    event->acceptProposedAction();
    emit fieldDropped(event->mimeData()->data(FieldDragType).toInt());
}
