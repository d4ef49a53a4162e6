// Mouse on the display fields: double-clicks choose the field, a right click opens the
// field menu, and dragging carries the number to the Tape or the currency converter.
#include "shell/tform1.h"

#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QWheelEvent>

void TForm1::buildFieldMenu() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    QAction* copy = PopupMenu1->addAction(QStringLiteral("Kopieren"));
    connect(copy, &QAction::triggered, this, [this] {
        if (calc_.PopupTarget == 1) QApplication::clipboard()->setText(Label1->text());
        else if (calc_.PopupTarget == 2) QApplication::clipboard()->setText(Label3->text());
    });
    QAction* paste = PopupMenu1->addAction(QStringLiteral("Einfügen"));
    connect(paste, &QAction::triggered, this, [this] {
        const QString text = QApplication::clipboard()->text();
        run([this, text] { calc_.PasteIntoTarget(text); });
    });
    QAction* clear = PopupMenu1->addAction(QStringLiteral("Löschen"));
    connect(clear, &QAction::triggered, this, [this] { run([this] { calc_.ClearTarget(); }); });
}

void TForm1::startFieldDrag(int field) {
    auto* mime = new QMimeData;
    mime->setText(field == 1 ? Label1->text() : Label3->text());
    mime->setData(QStringLiteral("application/x-kalkulo-field"), QByteArray::number(field));
    auto* drag = new QDrag(field == 1 ? Label1 : Label3);
    drag->setMimeData(mime);
    drag->exec(Qt::CopyAction);
}

bool TForm1::handleMouse(QObject* watched, QEvent* event) {
    const int field = watched == Label1 ? 1 : watched == Label3 ? 2 : 0;
    switch (event->type()) {
    case QEvent::MouseButtonDblClick:
        if (field != 0) return press([this, field] { calc_.FieldDoubleClicked(field); });
        if (watched == Radio1) return press([this] { calc_.RadioClicked(1); });
        return false;
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (watched == Label8 && mouse->button() == Qt::LeftButton) {
            LetterClicked();
            return true;
        }
        if (watched == Button20 && (mouse->modifiers() & Qt::ControlModifier)) calc_.AskRepeatCount = true;
        if (field != 0 && mouse->button() == Qt::LeftButton) {
            dragField_ = field;
            dragStart_ = mouse->position().toPoint();
        }
        return false;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (field != 0 && field == dragField_ && (mouse->buttons() & Qt::LeftButton) &&
            (mouse->position().toPoint() - dragStart_).manhattanLength() >= QApplication::startDragDistance()) {
            dragField_ = 0;
            startFieldDrag(field);
            return true;
        }
        return false;
    }
    case QEvent::MouseButtonRelease: dragField_ = 0; return false;
    case QEvent::Wheel: {
        // The wheel steps the first operand only while the plotter is shown; otherwise the
        // control under the mouse scrolls as usual.
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != this || !layout_.PlotterShown) return false;
        const bool up = static_cast<QWheelEvent*>(event)->angleDelta().y() > 0;
        return press([this, up] { calc_.StepFirstOperand(up); });
    }
    case QEvent::ContextMenu:
        if (watched == Label8) {
            PopupMenu2->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
        if (field == 0) return false;
        calc_.PopupTarget = field;
        PopupMenu1->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    default: return false;
    }
}
