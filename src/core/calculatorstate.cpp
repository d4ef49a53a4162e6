#include "core/calculator.h"
#include "core/normalize.h"
#include "core/numtext.h"
#include "core/tapeline.h"

#include <algorithm>
#include <cmath>

using numtext::str;
using numtext::valValue;

Calculator::Calculator(Dialogs& dialogs, Tape* tape) : dialogs_(dialogs), tape_(tape) {}

QString Calculator::CalculatorTag() const { return tapeline::calculatorTag(CalculatorOn); }

void Calculator::ApplyDisplaySettings(int numberFormat, int decimals, int formatWhileTyping, int chainMode) {
    ChainMode = chainMode == 1 ? 1 : 0;
    SpinValue = std::clamp(decimals, 0, 15);
    Decimals = SpinValue;
    FormatWhileTyping = formatWhileTyping == 1 ? 1 : 2;
    TypingMenuChecked = FormatWhileTyping;
    NumberFormat = (numberFormat >= 1 && numberFormat <= 3) ? numberFormat : 3;
    FormatMenuChecked = NumberFormat;
    SpinEnabled = NumberFormat == 1;
}

void Calculator::FormatNumber() {
    switch (NumberFormat) {
    case 1: FormattedText = numtext::formatN(WorkValue, 5, Decimals); break;
    case 2: FormattedText = numtext::formatN(WorkValue, 2, 2) + u' ' + CurrencyCode; break;
    case 3: FormattedText = numtext::formatG(WorkValue); break;
    default: break;
    }
}

// Formats WorkValue in another format for a moment; the caller's NumberFormat stays.
void Calculator::formatAs(int format, int decimals) {
    const int keep = NumberFormat;
    NumberFormat = format;
    if (format == 1) Decimals = decimals;
    FormatNumber();
    NumberFormat = keep;
}

void Calculator::ShowTypedNumber() {
    if (ActiveField == field::First) {
        WorkValue = valValue(Operand1Text);
        if (NumberFormat == 2) formatAs(1, 2);  // no currency suffix while typing
        else FormatNumber();
        Label1 = FormattedText;
    } else if (ActiveField == field::Second) {
        WorkValue = valValue(Operand2Text);
        if (NumberFormat == 2) {
            // A factor or a percentage is not an amount.
            if (PercentMode == percent::Plain && OperatorClass == opclass::Additive) formatAs(1, 2);
            else formatAs(3, Decimals);
        } else {
            FormatNumber();
        }
        Label3 = FormattedText;
    }
}

// What both the undo snapshot and a switch to the other calculator keep.
void Calculator::storeFields(CalculatorSlot& s) const {
    s.Operand1Text = Operand1Text;
    s.Operand2Text = Operand2Text;
    s.Label1 = Label1;
    s.Label2 = Label2;
    s.Label3 = Label3;
    s.Label4 = Label4;
    s.PendingOperator = PendingOperator;
    s.ActiveField = ActiveField;
    s.RepeatCount = RepeatCount;
    s.PanelFunction = PanelFunction;
}

void Calculator::SaveCalculatorState() {
    CalculatorSlot& s = slotOfCalculatorOn();
    storeFields(s);
    s.EntryState = EntryState;
    s.PercentMode = PercentMode;
    s.RepeatMode = RepeatMode;
    SnapshotUsed = false;
}

void Calculator::loadFields(const CalculatorSlot& s) {
    Operand1Text = s.Operand1Text;
    Operand2Text = s.Operand2Text;
    Label1 = s.Label1;
    Label2 = s.Label2;
    Label3 = s.Label3;
    Label4 = s.Label4;
    RepeatCount = s.RepeatCount;
    Label5 = QString::number(RepeatCount);
    PendingOperator = s.PendingOperator;
}

void Calculator::ClearPanelMarks() {
    Label4.clear();
    Label2.clear();
}

void Calculator::ShowFunctionMarks() {
    if (NumberFormat != 3) SetNumberFormat(3);
    Label4 = QStringLiteral("(x)");
    Label2 = QStringLiteral("f(x)");
}

void Calculator::SetNumberFormat(int format) {
    SpinEnabled = format == 1;
    if (format == 1) Decimals = SpinValue;
    FormatMenuChecked = format;
    NumberFormat = format;
    WorkValue = valValue(Operand1Text);
    FormatNumber();
    Label1 = FormattedText;
    if (!Label3.isEmpty()) {
        WorkValue = valValue(Operand2Text);
        if (format == 2) formatAs(1, 2);
        else FormatNumber();
        Label3 = FormattedText;
    }
}

void Calculator::SetDecimals(int spinValue) {
    SpinValue = std::clamp(spinValue, 0, 15);
    Decimals = SpinValue;
    WorkValue = valValue(Operand1Text);
    FormatNumber();
    Label1 = FormattedText;
    recomputeUnitConversionIfPending();
}

void Calculator::SetFormatWhileTyping(int mode) {
    FormatWhileTyping = mode;
    TypingMenuChecked = mode;
    if (mode == 1 && !Label3.isEmpty()) {
        WorkValue = valValue(Operand2Text);
        if (NumberFormat == 2) formatAs(1, Decimals);
        else FormatNumber();
        Label3 = FormattedText;
    }
}

void Calculator::SetChainMode(int mode) { ChainMode = mode; }

void Calculator::setActiveField(int field) {
    ActiveField = field;
    SelectedRadio = field == 1 ? 1 : field == 2 ? 2 : 0;
}

void Calculator::SelectCalculator(int which) {
    if (which == CalculatorOn || (which != 1 && which != 2)) return;
    Caption = which == 1 ? QStringLiteral("Kalkulo (R1)") : QStringLiteral("Kalkulo (R2)");

    CalculatorSlot& leaving = slotOfCalculatorOn();
    storeFields(leaving);
    leaving.NumberFormat = NumberFormat;
    leaving.FormatWhileTyping = FormatWhileTyping;

    CalculatorOn = which;
    const CalculatorSlot& s = slotOfCalculatorOn();
    loadFields(s);
    if (s.FormatWhileTyping != 0) FormatWhileTyping = s.FormatWhileTyping;
    if (s.NumberFormat != 0) NumberFormat = s.NumberFormat;
    setActiveField(s.ActiveField == 0 ? 1 : s.ActiveField);
    PanelFunction = s.PanelFunction;
    abandonRepetition();

    if (TapeVisible()) {
        tape_->ClearUndo();
        if (tape_->LineCount() > 1) tape_->AppendLine(QString());
        else tape_->ClearIfBlank();
        WorkValue = valValue(Operand1Text);
        tape_->SetBold(true);
        if (WorkValue != 0) {
            tape_->SetColour(Operand1Text.startsWith(u'-') ? Tape::Red : Tape::Black);
            tape_->AppendLine(CalculatorTag() + tapeline::marked(Label1, tapeline::FirstOperand));
        } else {
            tape_->AppendLine(CalculatorTag());
        }
        if (ActiveField == field::First) FirstLineWritten = true;
    }
    EntryState = entry::Typed;
    if (PanelFunction >= 1 && PanelFunction <= 7) sidePanels_->rerunPanelFunction(PanelFunction);
}

void Calculator::TakeFromOtherCalculator() {
    const QString source = Slots[CalculatorOn == 1 ? 1 : 0].Operand1Text;
    if (ActiveField == field::Second) {
        SaveCalculatorState();
        Operand2Text = source;
        WorkValue = valValue(Operand2Text);
        FormatNumber();
        Label3 = FormattedText;
        EntryState = entry::Typed;
        return;
    }
    if (!Operand1Text.isEmpty() && !dialogs_.askYesNo(QStringLiteral("Inhalt überschreiben?"))) return;
    SaveCalculatorState();
    Operand1Text = source;
    WorkValue = valValue(Operand1Text);
    FormatNumber();
    Label1 = FormattedText;
}

bool Calculator::PutValue(long double value) {
    if (!std::isfinite(value)) {
        dialogs_.message(QStringLiteral("Zahl zu hoch, Vorgang abgebrochen!"));
        return false;
    }
    if (ActiveField == field::EditOwnsKeys) return false;
    if (ActiveField == field::Result && !Operand1Text.isEmpty() &&
        !dialogs_.askYesNo(QStringLiteral("Ergebnis überschreiben?")))
        return false;
    putIntoField(value, ActiveField == field::Second);
    return true;
}

void Calculator::putIntoField(long double value, bool intoSecondField) {
    SaveCalculatorState();
    WorkValue = value;
    FormatNumber();
    if (intoSecondField) {
        Operand2Text = str(value);
        Label3 = FormattedText;
    } else {
        Operand1Text = str(value);
        Label1 = FormattedText;
    }
    EntryState = entry::Typed;
}

long double Calculator::ActiveNumber() const {
    return valValue(ActiveField == field::Second ? Operand2Text : Operand1Text);
}

void Calculator::rerunPanelAfterFirstOperandChange() {
    if (PanelFunction >= 1 && PanelFunction <= 6) sidePanels_->rerunPanelFunction(PanelFunction);
    else if (PanelFunction == 7 && !plotter_->plotHoldDown()) sidePanels_->rerunPanelFunction(PanelFunction);
}

void Calculator::recomputeUnitConversionIfPending() {
    if (sidePanels_->unitConversionPending()) sidePanels_->recomputeUnitConversion();
}

void Calculator::leaveEditField() {
    if (PanelFunction == 0) {
        ActiveField = (SavedActiveField == 0 || SavedActiveField == field::EditOwnsKeys) ? 1 : SavedActiveField;
        converter_->stopConverterHints();
    } else {
        ActiveField = field::First;
    }
}

void Calculator::resetRepeat() {
    RepeatMode = repeat::Off;
    RepeatCount = 0;
    Label5 = QStringLiteral("0");
}

// Leaves the repetition as closing it would, without writing it: its sum and its closing mode
// must not reach the next record.
void Calculator::abandonRepetition() {
    RepeatMode = repeat::Off;
    RepeatSum = 0;
    SubtotalMode = subtotal::Total;
}

QString Calculator::normalize(const QString& text) const {
    return NormalizeNumberText(text, FormatWhileTyping, NumberFormat);
}
