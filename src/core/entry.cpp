#include "core/calculator.h"
#include "core/numtext.h"

using numtext::str;
using numtext::valValue;

namespace {
// A stored result (it has an exponent): typing goes on from what the user sees.
void continueFromShownText(QString& operand, const QString& shown) {
    if (!operand.contains(u'E')) return;
    operand = shown;
    const qsizetype comma = operand.indexOf(u',');
    if (comma >= 0) operand[comma] = u'.';
}
}  // namespace

void Calculator::EnterDigit(QChar c) {
    if (ActiveField == field::EditOwnsKeys) {
        if (PanelFunction != 0) {
            ActiveField = field::First;
            return;
        }
        ActiveField = (SavedActiveField == 0 || SavedActiveField == field::EditOwnsKeys) ? 1 : SavedActiveField;
    }
    if (ActiveField == field::First || ActiveField == field::Second) {
        // A digit that would carry the number beyond the arithmetic's range is refused, so a
        // typed number never silently reads as 0.
        QString typed = ActiveField == field::First ? Operand1Text : Operand2Text;
        continueFromShownText(typed, ActiveField == field::First ? Label1 : Label3);
        if (numtext::val(typed + c).overflow) {
            dialogs_.message(QStringLiteral("Zahl zu hoch, Vorgang abgebrochen!"));
            return;
        }
    }
    if (PercentMode == percent::Plain) EntryState = entry::Typed;

    if (ActiveField == field::First) {
        continueFromShownText(Operand1Text, Label1);
        Operand1Text.append(c);
        if (FormatWhileTyping == 1) ShowTypedNumber();
        else Label1 = Operand1Text;
        rerunPanelAfterFirstOperandChange();
        recomputeUnitConversionIfPending();
    } else if (ActiveField == field::Second) {
        continueFromShownText(Operand2Text, Label3);
        Operand2Text.append(c);
        if (FormatWhileTyping == 1) ShowTypedNumber();
        else Label3 = Operand2Text;
    }
}

void Calculator::DeleteLastDigit() {
    if (ActiveField == field::EditOwnsKeys) return;
    const bool second = ActiveField == field::Second;
    QString& operand = second ? Operand2Text : Operand1Text;
    QString& label = second ? Label3 : Label1;
    QString s = numtext::formatG(valValue(operand));
    label = s;
    if (s.contains(u'E')) {
        const QString question = second
            ? QStringLiteral("Inhaltspeicher kann die Genauigkeit bei Löschen verlieren. Fortfahren?")
            : QStringLiteral("Ergebnisspeicher verliert die Genauigkeit beim Löschen. Fortfahren?");
        if (!dialogs_.askYesNo(question)) return;
    }
    const qsizetype comma = s.indexOf(u',');
    if (comma >= 0) s[comma] = u'.';
    s.chop(1);
    label = s;
    operand = s;
    if (!second) {
        setActiveField(1);
        EntryState = entry::Typed;
        rerunPanelAfterFirstOperandChange();
        recomputeUnitConversionIfPending();
    }
}

void Calculator::ChangeSign() {
    if (ActiveField == field::EditOwnsKeys) return;
    if (ActiveField == field::Result && Operand1Text.isEmpty()) return;
    const bool second = ActiveField == field::Second;
    QString& operand = second ? Operand2Text : Operand1Text;
    QString& label = second ? Label3 : Label1;
    if (operand.isEmpty() && ActiveField != field::Result) {
        operand = QStringLiteral("-");
        label = operand;
        return;
    }
    if (operand == QStringLiteral("-")) {
        operand.clear();
        label.clear();
        return;
    }
    WorkValue = -valValue(operand);
    if (second) {
        label = numtext::formatG(WorkValue);
    } else {
        FormatNumber();
        label = FormattedText;
    }
    operand = str(WorkValue);
}

void Calculator::ClearFields() {
    if (ActiveField == field::EditOwnsKeys) {
        leaveEditField();
        return;
    }
    SaveCalculatorState();
    if (ActiveField != field::First) Operand2Text.clear();
    Operand1Text.clear();
    Label1.clear();
    Label2.clear();
    Label3.clear();
    Label4.clear();
    Label5 = QStringLiteral("0");
    sidePanels_->dropUnitConversion();
    RepeatCount = 0;
    abandonRepetition();
    OperatorClass = opclass::MultiplicativeOrNone;
    setActiveField(1);
    PanelFunction = 0;
    if (plotter_->plotterVisible()) plotter_->resetPlotter();
    sidePanels_->resetFunctionPanel();
    Caption = CalculatorOn == 1 ? QStringLiteral("Kalkulo (R1)") : QStringLiteral("Kalkulo (R2)");
}

void Calculator::Quit() {
    if (tape_ && tape_->LineCount() > 1) {
        if (!dialogs_.askYesNo(QStringLiteral("Rechner beenden?"))) return;
        tape_->Clear();
    }
    QuitRequested = true;
}

void Calculator::FieldDoubleClicked(int field) {
    if (field == 1) OperatorClass = opclass::MultiplicativeOrNone;
    setActiveField(field == 2 ? 2 : 1);
}

void Calculator::RadioClicked(int field) { setActiveField(field == 2 ? 2 : 1); }
