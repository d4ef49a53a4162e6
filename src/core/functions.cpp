#include "core/calculator.h"
#include "core/numtext.h"
#include "core/tapeline.h"

#include <cmath>
#include <numbers>

using numtext::str;
using numtext::valValue;

void Calculator::PressPercent() {
    WriteRunningSubtotal();
    PendingOperator = u'%';
    resetRepeat();
    if (showsOperator(u'+') || showsOperator(u'-')) {
        const bool plus = showsOperator(u'+');
        Label2 = plus ? QStringLiteral("+%") : QStringLiteral("-%");
        PercentMode = plus ? percent::Plus : percent::Minus;
        OperatorClass = opclass::MultiplicativeOrNone;
        ActiveField = field::Second;
        EntryState = entry::PercentOrPi;
        return;
    }
    EntryState = entry::Typed;
    WriteFirstOperandLine();
    Label2 = QStringLiteral("%");
    Label4.clear();
    PercentMode = percent::Plain;
    setActiveField(2);
    PanelFunction = 0;
}

QString Calculator::cleanAnswer(const QString& text) const { return text.contains(u',') ? normalize(text) : text; }

void Calculator::ApplyFunction(QChar code) {
    const bool needsOperand = code == u'l' || code == u'd' || code == u'n' || code == u'm';
    if (needsOperand && Operand1Text.isEmpty()) return;
    if (code == u's' && Operand1Text.startsWith(u'-')) {
        dialogs_.message(QStringLiteral("Von einer negativen Zahl kann keine Quadratwurzel gezogen werden"));
        OperatorClass = opclass::MultiplicativeOrNone;
        ActiveField = field::Result;
        return;
    }
    SaveCalculatorState();
    if (NumberFormat == 2) SetNumberFormat(3);  // a function result is not an amount
    if (code == u's' || code == u'q') resetRepeat();
    OperatorClass = opclass::Function;
    PendingOperator = code;
    EntryState = ActiveField == field::Result ? 7 : 1;
    ActiveField = field::Second;
    if (code == u's' || code == u'q') SelectedRadio = 2;
    PressEquals();
}

// Functions of the first operand. Values outside a function's domain give no result,
// silently as the natural logarithm of a non-positive number does; results too large
// for the arithmetic are refused with a message.
Calculator::FunctionOutcome Calculator::computeFunction(long double x, long double& result) {
    switch (PendingOperator.unicode()) {
    case u's': result = std::sqrt(x); break;
    case u'q': result = x * x; break;
    case u'l':
        if (x <= 0) return FunctionOutcome::NoResult;
        result = std::log(x);
        break;
    case u'e': result = std::exp(x); break;
    case u'd':
        if (x <= 0) return FunctionOutcome::NoResult;
        result = std::log10(x);
        break;
    case u'n': {
        const auto answer =
            dialogs_.input(QStringLiteral("Basiszahl"), QStringLiteral("Bitte Basiszahl eingeben! (min 2)"), QString());
        if (!answer) return FunctionOutcome::NoResult;
        const long double base = valValue(cleanAnswer(*answer));
        if (base < 2 || x <= 0) return FunctionOutcome::NoResult;
        result = std::log(x) / std::log(base);
        functionArgument_ = *answer;
        break;
    }
    case u'm': {
        const auto answer =
            dialogs_.input(QStringLiteral("Exponent"), QStringLiteral("Bitte den Exponenten eingeben!"), QString());
        if (!answer || answer->isEmpty()) return FunctionOutcome::NoResult;
        const long double n = valValue(cleanAnswer(*answer));
        result = std::pow(x, n);
        functionArgument_ = *answer;
        break;
    }
    default: return FunctionOutcome::NoResult;
    }
    if (std::isnan(result)) return FunctionOutcome::NoResult;
    if (!std::isfinite(result)) return FunctionOutcome::TooLarge;
    return FunctionOutcome::Ok;
}

static QString functionMark(QChar code, const QString& argument) {
    switch (code.unicode()) {
    case u's': return QStringLiteral("Q");
    case u'q': return QStringLiteral("X²");
    case u'l': return QStringLiteral("Ln");
    case u'e': return QStringLiteral("exp");
    case u'd': return QStringLiteral("L10");
    case u'n': return QStringLiteral("L") + argument;
    case u'm': return QStringLiteral("H") + argument;
    default: return QString();
    }
}

void Calculator::finishFunction(long double result) {
    WorkValue = result;
    FormatNumber();
    if (TapeVisible()) {
        tape_->SetBold(true);
        tape_->ClearUndo();
        if (tape_->LineCount() <= 1) {
            tape_->ClearIfBlank();
            tape_->AppendLine(tapeline::marked(Label1, tapeline::FirstOperand));
        } else if (EntryState != entry::OnResult) {
            tape_->AppendLine(QString());
            tape_->AppendLine(tapeline::marked(Label1, tapeline::FirstOperand));
        }
    }
    Operand2Text = str(result);
    Label3 = FormattedText;
    ActiveField = field::First;
    Label2 = functionMark(PendingOperator, functionArgument_);
    EntryState = entry::Fresh;
}

void Calculator::confirmFunctionResult() {
    if (TapeVisible()) {
        tape_->SetBold(true);
        tape_->ClearUndo();
        if (sidePanels_->unitConversionPending()) {
            if (tape_->LineCount() > 1) tape_->AppendLine(QString());
            else tape_->ClearIfBlank();
            tape_->AppendLine(Label1 + Label4);
            tape_->AppendLine(tapeline::resultLine(Label3, Label2));
        } else {
            tape_->AppendLine(Label2);
            tape_->AppendLine(tapeline::marked(Label3, tapeline::Result));
        }
    }
    Label1 = Label3;
    Operand1Text = Operand2Text;
    setActiveField(3);
    Operand2Text.clear();
    Label3.clear();
    OperatorClass = opclass::MultiplicativeOrNone;
    sidePanels_->dropUnitConversion();
    Label2.clear();
    Label4 = QStringLiteral("=");
}

void Calculator::EnterPi() {
    resetRepeat();
    SaveCalculatorState();
    const long double pi = std::numbers::pi_v<long double>;
    if (ActiveField == field::First) {
        Operand1Text = str(pi);
        WorkValue = pi;
        FormatNumber();
        Label1 = FormattedText;
        Label4 = QStringLiteral("Pi");
        EntryState = entry::PercentOrPi;
    } else if (ActiveField == field::Second) {
        Operand2Text = str(pi);
        WorkValue = pi;
        FormatNumber();
        Label3 = FormattedText;
        Label2 += QStringLiteral(" Pi");
        EntryState = entry::PercentOrPi;
    }
}

// ---- Memory ----

static QString memoryText(long double value) { return numtext::formatG(value); }

void Calculator::MemoryClear() {
    MemoryValue = 0;
    Label6 = QStringLiteral("0.0");
}

void Calculator::MemoryStore() {
    MemoryValue = ActiveNumber();
    EntryState = entry::Typed;
    Label6 = memoryText(MemoryValue);
}

void Calculator::MemoryRecall() {
    if (ActiveField == field::EditOwnsKeys) return;
    if (ActiveField == field::Result && !dialogs_.askYesNo(QStringLiteral("Ergebnis überschreiben?"))) return;
    putIntoField(MemoryValue, ActiveField == field::Second);
}

namespace {
// Stores a memory result only when it is a finite number.
bool storeMemory(long double value, long double& memory, Dialogs& dialogs) {
    if (!std::isfinite(value)) {
        dialogs.message(QStringLiteral("Zahl zu hoch, Vorgang abgebrochen!"));
        return false;
    }
    memory = value;
    return true;
}
}  // namespace

void Calculator::MemoryAdd() {
    if (storeMemory(MemoryValue + ActiveNumber(), MemoryValue, dialogs_)) Label6 = memoryText(MemoryValue);
}

void Calculator::MemorySubtract() {
    if (storeMemory(MemoryValue - ActiveNumber(), MemoryValue, dialogs_)) Label6 = memoryText(MemoryValue);
}

void Calculator::MemoryMultiply() {
    if (storeMemory(MemoryValue * ActiveNumber(), MemoryValue, dialogs_)) Label6 = memoryText(MemoryValue);
}

void Calculator::NumberDivideByMemory() {
    if (MemoryValue == 0) {
        dialogs_.message(QStringLiteral("Division durch Null ist nicht erlaubt!"));
        return;
    }
    if (storeMemory(ActiveNumber() / MemoryValue, MemoryValue, dialogs_)) Label6 = memoryText(MemoryValue);
}

void Calculator::MemoryDivideByNumber() {
    const long double z = ActiveNumber();
    if (z == 0) {
        dialogs_.message(QStringLiteral("Division durch Null ist nicht erlaubt!"));
        return;
    }
    if (storeMemory(MemoryValue / z, MemoryValue, dialogs_)) Label6 = memoryText(MemoryValue);
}
