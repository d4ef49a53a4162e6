#include "core/calculator.h"
#include "core/numtext.h"
#include "core/tapeline.h"

#include <cmath>

using numtext::str;
using numtext::valValue;

namespace {
const QString kTooLarge = QStringLiteral("Zahl zu hoch, Vorgang abgebrochen!");
const QString kDivisionByZero = QStringLiteral("Division durch Null ist nicht erlaubt!");
}  // namespace

void Calculator::PressOperator(QChar op) {
    SaveCalculatorState();
    if (RepeatMode == repeat::Repeating) {
        SubtotalMode = (op == u'x' || op == u'/') ? subtotal::SubtotalLine : subtotal::SumLineOnly;
        if (PendingOperator == u'x' || PendingOperator == u'/') SubtotalMode = subtotal::SubtotalLine;
        PressEquals();
    }
    EntryState = entry::Typed;
    if (PanelFunction != 0) {
        Operand2Text = str(WorkValue);
        PanelFunction = 0;
    }
    const QChar prev = PendingOperator;

    if (op == u'x' || op == u'/') {
        if (ChainMode == 1 && !Label3.isEmpty()) {
            if (showsOperator(u'+')) PressOperator(u'+');
            else if (showsOperator(u'-')) PressOperator(u'-');
            if (showsOperator(u'/') || showsOperator(u'x')) {
                SubtotalMode = subtotal::SubtotalLine;
                PressEquals();
            }
        } else if (ChainMode == 0 && prev == op && !Label3.isEmpty()) {
            SubtotalMode = subtotal::SubtotalLine;
            PressEquals();
        }
        PendingOperator = op;
        OperatorClass = opclass::MultiplicativeOrNone;
        WriteRunningSubtotal();
    } else {
        if (ChainMode == 1 && !Label3.isEmpty() && !Label2.isEmpty()) {
            SubtotalMode = subtotal::SubtotalLine;
            if (showsOperator(u'x') || showsOperator(u'/')) PressEquals();
        }
        if (OperatorClass == opclass::Additive) {
            EntryState = entry::AdditiveChain;
            if (ChainMode == 0) {
                PendingOperator = op;
                if (op == prev) PressEquals();
            } else {
                PressEquals();
            }
        }
        OperatorClass = opclass::Additive;
        const bool plus = op == u'+';
        if (percentTakesSign(plus)) {
            // The percent operator stays pending and turns into "+%" or "-%".
            Label2 = plus ? QStringLiteral("+%") : QStringLiteral("-%");
            PercentMode = plus ? percent::Plus : percent::Minus;
            EntryState = entry::PercentOrPi;
            return;
        }
        PendingOperator = op;
    }

    WriteFirstOperandLine();
    PercentMode = percent::Plain;
    PanelFunction = 0;
    if (NumberFormat == 2 && converter_->converterVisible()) {
        if (ActiveField == field::First) converter_->handToConverter(Operand1Text);
        else if (ActiveField == field::Result) converter_->handToConverter(PreviousOperand2Text);
    }
    PreviousOperand2Text.clear();
    setActiveField(2);
    Label2 = QString(op);
    Label4.clear();
    resetRepeat();
}

bool Calculator::computeOperation(long double x, long double y, long double& result) {
    switch (PendingOperator.unicode()) {
    case u'+': result = x + y; break;
    case u'-': result = x - y; break;
    case u'x': result = x * y; break;
    case u'/': result = x / y; break;
    case u'%':
        result = PercentMode == percent::Plus ? x * y / 100 + x
            : PercentMode == percent::Minus   ? x - x * y / 100
                                              : x * y / 100;
        break;
    default: return false;
    }
    return true;
}

void Calculator::PressEquals() {
    if (NumberFormat == 0) NumberFormat = 3;
    if (ActiveField == field::EditOwnsKeys) {
        EndEditField();
        return;
    }

    enum class Branch { None, SidePanel, Confirm, Compute };
    Branch branch = Branch::None;
    if (PanelFunction != 0) branch = Branch::SidePanel;
    else if (OperatorClass == opclass::Function && EntryState == entry::Fresh) branch = Branch::Confirm;
    else if (PendingOperator != u'0' && ActiveField == field::Second) branch = Branch::Compute;

    // The undo snapshot; a function awaiting its confirmation keeps the one it took itself.
    if (!fn::keepsSnapshotAtEquals(PendingOperator) && !Operand2Text.isEmpty()) SaveCalculatorState();

    const long double x = valValue(Operand1Text);
    const long double y = valValue(Operand2Text);
    long double result = 0;
    const bool function = OperatorClass == opclass::Function && fn::isFunctionCode(PendingOperator);
    const bool divisionByZero = !function && PendingOperator == u'/' && y == 0;
    const bool missingOperand =
        (PendingOperator == u'x' || PendingOperator == u'/' || PendingOperator == u'%') && Label3.isEmpty();
    if (branch == Branch::Compute && !function && !divisionByZero && !missingOperand) {
        if (!computeOperation(x, y, result)) return;
        // A result too large for the arithmetic is refused before it counts as a step.
        if (!std::isfinite(result)) {
            dialogs_.message(kTooLarge);
            return;
        }
    }

    if (RepeatMode == repeat::StepRequested) {
        ++RepeatCount;
        Label5 = QString::number(RepeatCount);
    } else if (RepeatMode == repeat::Off) {
        RepeatCount = 0;
        Label5 = QStringLiteral("0");
    }

    switch (branch) {
    case Branch::SidePanel: closeSidePanelFunction(); return;
    case Branch::Confirm: confirmFunctionResult(); return;
    case Branch::None: return;
    case Branch::Compute: break;
    }

    if (function) {
        switch (computeFunction(x, result)) {
        case FunctionOutcome::Ok: break;
        case FunctionOutcome::NoResult: return;
        case FunctionOutcome::TooLarge:
            dialogs_.message(kTooLarge);
            OperatorClass = opclass::MultiplicativeOrNone;
            ActiveField = field::Second;
            return;
        }
    } else if (divisionByZero) {
        dialogs_.message(kDivisionByZero);
        return;
    } else if (missingOperand) {
        return;
    }

    LastX = x;
    LastY = y;
    if (function) {
        finishFunction(result);
        return;
    }
    WorkValue = result;
    FormatNumber();
    if (RepeatMode == repeat::StepRequested) finishRepeatStep(result, y);
    else if (RepeatMode == repeat::Repeating) closeRepetition();
    else normalClose();
}

void Calculator::EndEditField() {
    if (plotter_->plotterVisible()) {
        ActiveField = field::First;
        plotter_->plotterTakesKey();
    }
    leaveEditField();
}

void Calculator::normalClose() {
    Label1 = FormattedText;
    PercentMode = percent::Plain;
    PanelFunction = 0;
    Operand1Text = str(WorkValue);
    PreviousOperand2Text = Operand2Text;
    Operand2Text.clear();
    if (NumberFormat == 2) converter_->handToConverter(Operand1Text);

    if (TapeVisible()) {
        tape_->SetBold(true);
        tape_->ClearUndo();
        const bool negative = WorkValue < 0;
        if (EntryState == entry::AdditiveChain) {
            if (!Label3.isEmpty()) {
                tape_->SetColour(PendingOperator == u'-' ? Tape::Red : Tape::Black);
                tape_->AppendLine(tapeline::marked(Label3, PendingOperator));
            }
        } else if (EntryState == entry::Typed || EntryState == entry::PercentOrPi || EntryState == entry::Fresh) {
            if (EntryState == entry::PercentOrPi) {
                tape_->SetColour(Label2.contains(u'-') ? Tape::Red : Tape::Black);
                tape_->AppendLine(Label3 + u' ' + Label2);
            } else if (EntryState == entry::Typed && !Label3.isEmpty()) {
                tape_->SetColour(PendingOperator == u'-' ? Tape::Red : Tape::Black);
                tape_->AppendLine(tapeline::marked(Label3, PendingOperator));
            }
            writeTotalOrSubtotal(negative);
            if (NumberFormat == 2 && SubtotalMode == subtotal::Total && InsertSecondCurrency == 1)
                writeSecondCurrencyLine();
        }
    }
    sidePanels_->recomputeTax();

    setActiveField(3);
    OperatorClass = opclass::MultiplicativeOrNone;
    Label2.clear();
    Label3.clear();
    Label4 = QStringLiteral("=");
    RepeatMode = repeat::Off;
    PendingOperator = u'0';
    EntryState = entry::Fresh;
    SubtotalMode = subtotal::Total;
    sidePanels_->dropUnitConversion();
}

void Calculator::writeTotalOrSubtotal(bool resultNegative) {
    tape_->SetColour(resultNegative ? Tape::Red : Tape::Black);
    if (SubtotalMode != subtotal::SubtotalLine) {
        WriteDashLine();
        tape_->AppendLine(tapeline::marked(Label1, tapeline::Total));
    } else {
        tape_->SetColour(Tape::Green);
        tape_->AppendLine(tapeline::marked(Label1, tapeline::Subtotal));
        tape_->SetColour(Tape::Black);
    }
}

void Calculator::writeSecondCurrencyLine() {
    const int direction = converter_->converterDirection();
    QString line;
    if (direction == 1)
        line = ConverterCurrencyCode + u' ' + converter_->converterSecondAmountText() + QStringLiteral(" =");
    else if (direction == 2)
        line = SecondCurrencyCode + u' ' + converter_->converterFirstAmountText() + QStringLiteral(" =");
    else return;
    tape_->SetBold(false);
    tape_->SetSize(8);
    tape_->AppendLine(line);
    tape_->SetSize(10);
    tape_->SetBold(true);
}

void Calculator::closeSidePanelFunction() {
    if (TapeVisible()) {
        if (PanelFunction <= 6) {
            tape_->SetBold(true);
            tape_->ClearUndo();
            if (tape_->LineCount() > 1) tape_->AppendLine(QString());
            else tape_->ClearIfBlank();
            tape_->AppendLine(Label1 + u' ' + Label4);
            tape_->AppendLine(tapeline::resultLine(Label3, u' ' + Label2));
        } else {
            tape_->ClearUndo();
            tape_->ClearIfBlank();
            if (ActiveField != field::Result) tape_->AppendLine(Label1 + u' ' + Label4);
            tape_->SetBold(false);
            tape_->SetSize(8);
            tape_->AppendLine(u'[' + sidePanels_->functionPanelTerm() + u']');
            tape_->SetBold(true);
            tape_->SetSize(10);
            tape_->AppendToLastLine(QStringLiteral(" f"));
            tape_->AppendLine(tapeline::resultLine(Label3, u' ' + Label2));
        }
    }
    SaveCalculatorState();
    Operand1Text = str(WorkValue);
    Label1 = Label3;
    Label3.clear();
    Operand2Text.clear();
    Label2.clear();
    Label4 = QStringLiteral("=");
    setActiveField(3);
    PanelFunction = 0;
}
