// Key preview of the main window: every key reaches the calculator first, whatever control
// has the focus, and is turned into a press of a button or menu item.
#include "shell/tform1.h"

#include "currency/views/converteredit.h"
#include "currency/views/tframe3.h"
#include "tape/views/tframe4.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>

namespace {

void call(const std::function<void()>& f) {
    if (f) f();
}

// The digit of a top-row key, also when Shift turned it into another character
// (Shift+7 types 7 on a German keyboard); X11 numbers the top row 10..19.
int topRowDigit(const QKeyEvent* e) {
    if (e->key() >= Qt::Key_0 && e->key() <= Qt::Key_9) return e->key() - Qt::Key_0;
    const quint32 code = e->nativeScanCode();
    if (code >= 10 && code <= 19) return static_cast<int>(code - 9) % 10;
    return -1;
}

}  // namespace

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return handleMouse(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this || QApplication::activeModalWidget()) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (converterFieldKey(widget, key)) return false;
    return handleKey(key);
}

// Enter and Esc typed in a field of the converter are the converter's first, whatever panel is
// shown: Enter hands its amount over or saves an entry, Esc cancels an entry. The field passes Esc
// on, so that the window hears it next and gives the keys back to the calculator.
bool TForm1::converterFieldKey(QWidget* watched, const QKeyEvent* event) const {
    const int key = event->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Escape) return false;
    return Frame31 && qobject_cast<ConverterEdit*>(watched) && Frame31->isAncestorOf(watched);
}

bool TForm1::handleKey(QKeyEvent* e) {
    const Qt::KeyboardModifiers mods = e->modifiers();
    const bool ctrl = mods & Qt::ControlModifier;
    const bool shift = mods & Qt::ShiftModifier;
    const bool alt = mods & Qt::AltModifier;
    const bool keypad = mods & Qt::KeypadModifier;
    const int key = e->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;

    if (calc_.ActiveField == field::EditOwnsKeys) {
        // An edit field owns the keyboard: only Esc and Enter are the calculator's.
        if (key == Qt::Key_Escape) return press([this] { calc_.EndEditField(); });
        // Enter in the plotter's radius input hands it to the plotter; the function panel's inputs
        // and the other panels' fields take Enter themselves.
        const bool functionsShown = layout_.SidePanelShown[static_cast<int>(SidePanelKind::Functions)];
        if (enter && layout_.PlotterShown && !functionsShown) return press([this] { plotterRouter_.EnterInPlotter(); });
        // Everything else, Enter included, belongs to the field itself.
        return false;
    }

    if (keypad) {
        if (key >= Qt::Key_0 && key <= Qt::Key_9) {
            const QChar digitKey(u'0' + (key - Qt::Key_0));
            return press([this, digitKey] { calc_.EnterDigit(digitKey); });
        }
        switch (key) {
        case Qt::Key_Asterisk: return press([this] { calc_.PressOperator(u'x'); });
        case Qt::Key_Plus: return press([this] { calc_.PressOperator(u'+'); });
        case Qt::Key_Minus: return press([this] { calc_.PressOperator(u'-'); });
        case Qt::Key_Slash: return press([this] { calc_.PressOperator(u'/'); });
        case Qt::Key_Comma:
        case Qt::Key_Period: return press([this] { calc_.EnterDigit(u'.'); });
        default: break;
        }
    }

    const int digit = keypad ? -1 : topRowDigit(e);
    if (digit >= 0) {
        if (ctrl) return press([this, digit] { converter_.SelectByDigit(digit); });
        if (shift && digit == 5) return press([this] { calc_.PressPercent(); });
        if (alt) {
            return press([this, digit] {
                calc_.SetDecimals(digit == 0 ? 10 : digit);
                calc_.SetNumberFormat(1);
            });
        }
        return press([this, digit] { calc_.EnterDigit(QChar(u'0' + digit)); });
    }

    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return press([this, ctrl] {
            if (ctrl) calc_.SubtotalMode = subtotal::SubtotalLine;  // close with a subtotal instead of a total
            calc_.PressEquals();
        });
    case Qt::Key_Backspace:
        if (ctrl) return press([this] { calc_.Undo(); });
        if (alt) {
            TapeW->trigger();
            return true;
        }
        return press([this] { calc_.DeleteLastDigit(); });
    case Qt::Key_Delete:
        if (ctrl) {
            Frame41->clearTape();
            return true;
        }
        return press([this] { calc_.ClearFields(); });
    case Qt::Key_Insert:
        if (ctrl) {
            copyToClipboard();
            return true;
        }
        pasteFromClipboard();
        return true;
    case Qt::Key_Home:
        return press([this, ctrl] {
            if (ctrl) calc_.AskRepeatCount = true;
            calc_.Repeat();
        });
    case Qt::Key_End: return press([this] { calc_.Undo(); });
    case Qt::Key_PageUp: return press([this] { calc_.SelectCalculator(1); });
    case Qt::Key_PageDown: return press([this] { calc_.SelectCalculator(2); });
    case Qt::Key_F1: emit helpRequested(QString()); return true;
    // "Tan" … "Csc" of the trigonometry panel, also while it is hidden.
    case Qt::Key_F5:
    case Qt::Key_F6:
    case Qt::Key_F7:
    case Qt::Key_F8: return press([this, key] { trig_.PressFunctionKey(5 + key - Qt::Key_F5); });
    case Qt::Key_F9: return press([this] { calc_.TakeFromOtherCalculator(); });
    case Qt::Key_Space: return true;  // no binding; must not click the focused "="
    default: break;
    }
    return handleCharacter(e->text());
}

bool TForm1::handleCharacter(const QString& text) {
    if (text.size() != 1) return false;
    switch (text[0].unicode()) {
    case u'.':
    case u',': return press([this] { calc_.EnterDigit(u'.'); });
    case u'p': return press([this] { calc_.PressPercent(); });
    case u'a': return press([this] { calc_.ApplyFunction(u's'); });
    case u'x': return press([this] { calc_.ApplyFunction(u'q'); });
    case u'y': return press([this] { calc_.EnterPi(); });
    case u't': Button46->click(); return true;
    case u'f': Finanz->trigger(); return true;
    case u'o': StayOnTop1->trigger(); return true;
    case u'W': Waehr2->trigger(); return true;
    case u'I': return press([this] { calc_.AskStepSize(); });
    case u'i':
    case u'u':
        if (layout_.PlotterShown) {
            const bool up = text[0] == u'i';
            return press([this, up] { calc_.StepFirstOperand(up); });
        }
        return true;
    default: break;
    }
    const auto bound = characterActions_.find(text[0]);
    if (bound != characterActions_.end()) {
        call(bound->second);
        return true;
    }
    return false;
}

bool TForm1::press(const std::function<void()>& command) {
    run(command);
    return true;
}

void TForm1::copyToClipboard() {
    QString text;
    run([this, &text] { text = calc_.Copy(); });
    QApplication::clipboard()->setText(text);
}

void TForm1::pasteFromClipboard() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    std::optional<QString> text;
    if (data && data->hasText()) text = data->text();
    run([this, &text] { calc_.Paste(text); });
}
