#include "core/calculator.h"
#include "core/numtext.h"

#include <cmath>

using numtext::str;
using numtext::valValue;

namespace {
const QString kTooLarge = QStringLiteral("Zahl zu hoch, Vorgang abgebrochen!");
const QString kDivisionByZero = QStringLiteral("Division durch Null ist nicht erlaubt!");
bool isFunctionCode(QChar c) { return QStringLiteral("sqledmn").contains(c); }
}  // namespace

void Calculator::PressOperator(QChar op) {
    SaveCalculatorState();
    if (RepeatMode == 2) {
        SubtotalMode = (op == u'x' || op == u'/') ? 1 : 2;
        if (PendingOperator == u'x' || PendingOperator == u'/') SubtotalMode = 1;
        PressEquals();
    }
    EntryState = 1;
    if (PanelFunction != 0) {
        Operand2Text = str(WorkValue);
        PanelFunction = 0;
    }
    const QChar prev = PendingOperator;

    if (op == u'x' || op == u'/') {
        if (ChainMode == 1 && !Label3.isEmpty()) {
            if (Label2 == QStringLiteral("+")) PressOperator(u'+');
            else if (Label2 == QStringLiteral("-")) PressOperator(u'-');
            if (Label2 == QStringLiteral("/") || Label2 == QStringLiteral("x")) {
                SubtotalMode = 1;
                PressEquals();
            }
        } else if (ChainMode == 0 && prev == op && !Label3.isEmpty()) {
            SubtotalMode = 1;
            PressEquals();
        }
        PendingOperator = op;
        OperatorClass = 0;
        WriteRunningSubtotal();
    } else {
        if (ChainMode == 1 && !Label3.isEmpty() && !Label2.isEmpty()) {
            SubtotalMode = 1;
            if (Label2 == QStringLiteral("x") || Label2 == QStringLiteral("/")) PressEquals();
        }
        if (OperatorClass == 1) {
            EntryState = 3;
            if (ChainMode == 0) {
                PendingOperator = op;
                if (op == prev) PressEquals();
            } else {
                PressEquals();
            }
        }
        OperatorClass = 1;
        const bool plus = op == u'+';
        if (Label2 == QStringLiteral("%") || (Label2 == QStringLiteral("-%") && plus) ||
            (Label2 == QStringLiteral("+%") && !plus)) {
            // The percent operator stays pending and turns into "+%" or "-%".
            Label2 = plus ? QStringLiteral("+%") : QStringLiteral("-%");
            PercentMode = plus ? 1 : 2;
            EntryState = 6;
            return;
        }
        PendingOperator = op;
    }

    WriteFirstOperandLine();
    PercentMode = 0;
    PanelFunction = 0;
    if (NumberFormat == 2 && converter_->converterVisible()) {
        if (ActiveField == 1) converter_->handToConverter(Operand1Text);
        else if (ActiveField == 3) converter_->handToConverter(PreviousOperand2Text);
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
        result = PercentMode == 1 ? x * y / 100 + x : PercentMode == 2 ? x - x * y / 100 : x * y / 100;
        break;
    default: return false;
    }
    return true;
}

void Calculator::PressEquals() {
    if (NumberFormat == 0) NumberFormat = 3;
    if (ActiveField == 4) {
        EndEditField();
        return;
    }

    enum class Branch { None, SidePanel, Confirm, Compute };
    Branch branch = Branch::None;
    if (PanelFunction != 0) branch = Branch::SidePanel;
    else if (OperatorClass == 2 && EntryState == 0) branch = Branch::Confirm;
    else if (PendingOperator != u'0' && ActiveField == 2) branch = Branch::Compute;

    // The undo snapshot; a function awaiting its confirmation keeps the one it took itself.
    if (!QStringLiteral("sqeldn").contains(PendingOperator) && !Operand2Text.isEmpty()) SaveCalculatorState();

    const long double x = valValue(Operand1Text);
    const long double y = valValue(Operand2Text);
    long double result = 0;
    const bool function = OperatorClass == 2 && isFunctionCode(PendingOperator);
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

    if (RepeatMode == 1) {
        ++RepeatCount;
        Label5 = QString::number(RepeatCount);
    } else if (RepeatMode == 0) {
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
            OperatorClass = 0;
            ActiveField = 2;
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
    if (RepeatMode == 1) finishRepeatStep(result, y);
    else if (RepeatMode == 2) closeRepetition();
    else normalClose();
}

void Calculator::EndEditField() {
    if (plotter_->plotterVisible()) {
        ActiveField = 1;
        plotter_->plotterTakesKey();
    }
    leaveEditField();
}

void Calculator::normalClose() {
    Label1 = FormattedText;
    PercentMode = 0;
    PanelFunction = 0;
    Operand1Text = str(WorkValue);
    PreviousOperand2Text = Operand2Text;
    Operand2Text.clear();
    if (NumberFormat == 2) converter_->handToConverter(Operand1Text);

    if (TapeVisible()) {
        tape_->SetBold(true);
        tape_->ClearUndo();
        const bool negative = WorkValue < 0;
        if (EntryState == 3) {
            if (!Label3.isEmpty()) {
                tape_->SetColour(PendingOperator == u'-' ? Tape::Red : Tape::Black);
                tape_->AppendLine(Label3 + u' ' + PendingOperator);
            }
        } else if (EntryState == 1 || EntryState == 6 || EntryState == 0) {
            if (EntryState == 6) {
                tape_->SetColour(Label2.contains(u'-') ? Tape::Red : Tape::Black);
                tape_->AppendLine(Label3 + u' ' + Label2);
            } else if (EntryState == 1 && !Label3.isEmpty()) {
                tape_->SetColour(PendingOperator == u'-' ? Tape::Red : Tape::Black);
                tape_->AppendLine(Label3 + u' ' + PendingOperator);
            }
            writeTotalOrSubtotal(negative);
            if (NumberFormat == 2 && SubtotalMode == 0 && InsertSecondCurrency == 1) writeSecondCurrencyLine();
        }
    }
    sidePanels_->recomputeTax();

    setActiveField(3);
    OperatorClass = 0;
    Label2.clear();
    Label3.clear();
    Label4 = QStringLiteral("=");
    RepeatMode = 0;
    PendingOperator = u'0';
    EntryState = 0;
    SubtotalMode = 0;
    sidePanels_->dropUnitConversion();
}

void Calculator::writeTotalOrSubtotal(bool resultNegative) {
    tape_->SetColour(resultNegative ? Tape::Red : Tape::Black);
    if (SubtotalMode != 1) {
        WriteDashLine();
        tape_->AppendLine(Label1 + QStringLiteral(" T"));
    } else {
        tape_->SetColour(Tape::Green);
        tape_->AppendLine(Label1 + QStringLiteral(" S"));
        tape_->SetColour(Tape::Black);
    }
}

void Calculator::writeSecondCurrencyLine() {
    const int direction = converter_->converterDirection();
    QString line;
    if (direction == 1) line = ConverterCurrencyCode + u' ' + converter_->converterSecondAmountText() + QStringLiteral(" =");
    else if (direction == 2) line = SecondCurrencyCode + u' ' + converter_->converterFirstAmountText() + QStringLiteral(" =");
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
            tape_->AppendLine(QStringLiteral("=  ") + Label3 + u' ' + Label2);
        } else {
            tape_->ClearUndo();
            tape_->ClearIfBlank();
            if (ActiveField != 3) tape_->AppendLine(Label1 + u' ' + Label4);
            tape_->SetBold(false);
            tape_->SetSize(8);
            tape_->AppendLine(u'[' + sidePanels_->functionPanelTerm() + u']');
            tape_->SetBold(true);
            tape_->SetSize(10);
            tape_->AppendToLastLine(QStringLiteral(" f"));
            tape_->AppendLine(QStringLiteral("=  ") + Label3 + u' ' + Label2);
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
