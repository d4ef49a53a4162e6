// The two amount fields: typing, the mouse, chains with pad + and -, Enter, drops, and the
// converted amount going on to the calculator or the Tape.
#include "currency/currencyconverter.h"

#include "core/calculator.h"
#include "core/normalize.h"
#include "core/numtext.h"

using numtext::valValue;

QString CurrencyConverter::CleanAmountText(const QString& text) {
    // A comma only arrives with pasted text: a German display number, thousands points and all.
    const QString s = text.contains(u',') ? NormalizeNumberText(text, 0, 0) : text;
    QString out;
    bool point = false;
    for (QChar c : s) {
        if (c.isDigit() && c.unicode() < 128) {
            out.append(c);
        } else if (c == u'.' && !point) {
            out.append(c);
            point = true;
        }
    }
    return out;
}

void CurrencyConverter::AmountPressed(AmountField field) {
    takeInput();
    const bool left = field == AmountField::Left;
    Focus = left ? FocusTarget::Edit2 : FocusTarget::Edit3;
    (left ? Edit2HintShown : Edit3HintShown) = true;
    QString& text = AmountText(field);
    if (text.contains(u',')) text = left ? LeftRawText : RightRawText;  // edit the unformatted number
    if (!left) calc_.CurrencyCode = calc_.SecondCurrencyCode;
}

void CurrencyConverter::AmountReleased(AmountField field) {
    if (field == AmountField::Left) {
        calc_.CurrencyCode = Abbreviation(SelectedIndex);
        ConverterDirection = 2;
    } else {
        calc_.CurrencyCode = calc_.SecondCurrencyCode;
        ConverterDirection = 1;
    }
    Convert();
}

void CurrencyConverter::AmountKeyReleased(AmountField field, const QString& text, bool enter) {
    // Only the Enter that ended a chain gives the number format from before the chain back; an
    // Enter outside one has nothing saved to restore.
    if (enter && chainEndedByEnter_ && field == AmountField::Left && SavedNumberFormat >= 1 && SavedNumberFormat <= 3)
        calc_.NumberFormat = SavedNumberFormat;
    chainEndedByEnter_ = false;
    AmountText(field) = text;
    if (SelectedIndex < 0) {
        ensureSelection();
        showSelection();
    }
    ConverterDirection = field == AmountField::Left ? 2 : 1;
    Convert();
}

void CurrencyConverter::AmountEnter(AmountField field, const QString& text) {
    AmountText(field) = text;
    (field == AmountField::Left ? Edit2HintShown : Edit3HintShown) = false;
    if (ListEditMode != 0) return;
    if (ConverterChain == 0) {
        HandResultToCalculator();
        return;
    }
    if (text.isEmpty()) {
        calc_.NumberFormat = 2;
        calc_.ActiveField = 2;
        calc_.PressEquals();
    } else {
        if (!resultReady()) return;
        calc_.NumberFormat = 1;
        calc_.Decimals = 4;
        HandResultToCalculator();
        calc_.NumberFormat = 2;
        if (calc_.PendingOperator == u'+' || calc_.PendingOperator == u'-') calc_.PressOperator(calc_.PendingOperator);
        calc_.PressEquals();
    }
    ConverterChain = 0;
    calc_.Decimals = savedDecimals_;
    chainEndedByEnter_ = true;
    Focus = FocusTarget::Equals;
}

void CurrencyConverter::AmountChainKey(AmountField field, const QString& text, QChar op) {
    AmountText(field) = text;
    if (ListEditMode != 0 || text.isEmpty() || !resultReady()) return;
    if (!calc_.Operand1Text.isEmpty() && calc_.PendingOperator != op) calc_.PressOperator(op);
    if (ConverterChain == 0) {
        SavedNumberFormat = calc_.NumberFormat;
        savedDecimals_ = calc_.Decimals;
        ConverterChain = 2;
    }
    // Amounts of a chain show with four decimals, so the Tape keeps what was added.
    calc_.NumberFormat = 1;
    calc_.Decimals = 4;
    HandResultToCalculator();
    calc_.PressOperator(op);
    ConverterChain = 1;
    Focus = field == AmountField::Left ? FocusTarget::Edit2 : FocusTarget::Edit3;
}

void CurrencyConverter::AmountChainKeyReleased(AmountField field) {
    if (ConverterChain != 1) return;
    AmountText(field).clear();
    (field == AmountField::Left ? LeftRawText : RightRawText).clear();
    calc_.NumberFormat = 3;
    calc_.ActiveField = 4;
    Focus = field == AmountField::Left ? FocusTarget::Edit2 : FocusTarget::Edit3;
}

void CurrencyConverter::DropOnAmount(AmountField field, int sourceField) {
    calc_.WorkValue = valValue(sourceField == 1 ? calc_.Operand1Text : calc_.Operand2Text);
    AmountText(field) = numtext::formatN(calc_.WorkValue, 8, 2);
    const QString raw =
        NormalizeNumberText(numtext::formatG(calc_.WorkValue), calc_.FormatWhileTyping, calc_.NumberFormat);
    if (field == AmountField::Left) {
        LeftRawText = raw;
        ConverterDirection = 4;
        calc_.CurrencyCode = Abbreviation(SelectedIndex);
    } else {
        RightRawText = raw;
        ConverterDirection = 3;
        calc_.CurrencyCode = calc_.SecondCurrencyCode;
    }
    Convert();
}

// ---- Results out ----

bool CurrencyConverter::resultReady() {
    if (!RateValid()) {
        dialogs_.message(NoValidRateMessage);
        return false;
    }
    if (ConverterResultText.isEmpty()) {
        dialogs_.message(QStringLiteral("Zahl zu hoch, Vorgang abgebrochen!"));
        return false;
    }
    return true;
}

void CurrencyConverter::HandResultToCalculator() {
    if (ListEditMode != 0 || !resultReady()) return;
    if (ConverterChain == 1) {
        calc_.OperatorClass = 1;
        calc_.ActiveField = 2;
        calc_.EntryState = 3;
        toSecondOperand();
    } else {
        if (calc_.ActiveField == 4) returnInput();
        if (calc_.ActiveField == 2) {
            toSecondOperand();
        } else {
            if (calc_.ActiveField == 3 && !dialogs_.askYesNo(QStringLiteral("Ergebnis überschreiben?"))) {
                calc_.SavedActiveField = 3;
                return;
            }
            toFirstOperand();
        }
    }
    Focus = FocusTarget::Equals;
}

void CurrencyConverter::toFirstOperand() {
    calc_.SaveCalculatorState();
    calc_.Operand1Text = ConverterResultText;
    if (ConverterChain == 0) calc_.NumberFormat = 2;
    calc_.WorkValue = valValue(calc_.Operand1Text);
    calc_.FormatNumber();
    calc_.Label1 = calc_.FormattedText;
    calc_.EntryState = 1;
    calc_.ActiveField = 1;
    calc_.SelectedRadio = 1;
}

// An amount is shown with two decimals in the second field, whatever the format. The user's
// decimals come back afterwards, so a format-1 display keeps its own setting.
void CurrencyConverter::toSecondOperand() {
    calc_.SaveCalculatorState();
    calc_.Operand2Text = ConverterResultText;
    const int decimals = calc_.Decimals;
    if (ConverterChain == 0) {
        SavedNumberFormat = calc_.NumberFormat;
        calc_.NumberFormat = 1;
        calc_.Decimals = 2;
    }
    calc_.WorkValue = valValue(calc_.Operand2Text);
    calc_.FormatNumber();
    calc_.Label3 = calc_.FormattedText;
    calc_.SelectedRadio = 2;
    calc_.NumberFormat = SavedNumberFormat;
    if (ConverterChain == 0) calc_.Decimals = decimals;
    calc_.EntryState = 1;
}

void CurrencyConverter::WriteToTape() {
    if (ListEditMode != 0 || !resultReady()) return;
    const bool towardBase = ConverterDirection == 1 || ConverterDirection == 3;
    const QString text = towardBase ? Edit2 + u' ' + calc_.SecondCurrencyCode : Edit3 + u' ' + calc_.CurrencyCode;
    if (Tape* tape = calc_.tape(); tape && tape->Visible()) {
        tape->ClearUndo();
        tape->SetBold(true);
        tape->SetColour(Tape::Black);
        tape->SetSize(10);
        if (tape->LineCount() < 2 && (tape->LineCount() == 0 || tape->Line(0).isEmpty())) tape->Clear();
        const bool operandField = calc_.ActiveField == 1 || calc_.ActiveField == 2;
        tape->AppendLine(text + (operandField ? QStringLiteral(" ^") : QStringLiteral(" =")));
    }
    if (calc_.ActiveField == 4) returnInput();
    Focus = FocusTarget::Equals;
}
