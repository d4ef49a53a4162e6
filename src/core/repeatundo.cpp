#include "core/calculator.h"
#include "core/numtext.h"
#include "core/tapeline.h"

#include <cmath>

using numtext::str;
using numtext::valValue;

void Calculator::Repeat() {
    if (ActiveField != field::Second || Label3.isEmpty()) return;
    // π, percent and the functions end a repetition without closing it; a new one sums afresh.
    if (RepeatMode == repeat::Off) RepeatSum = 0;
    if (!AskRepeatCount) {
        RepeatMode = repeat::StepRequested;
        PressEquals();
        return;
    }
    AskRepeatCount = false;
    const auto answer =
        dialogs_.input(QStringLiteral("Wiederholungszahl"),
                       QStringLiteral("Die Zahl der Wiederholungen bitte eingeben!"), QStringLiteral("2"));
    if (!answer || answer->isEmpty()) return;
    const int count = numtext::strToInt(*answer);  // throws before any step
    for (int i = 0; i < count; ++i) {
        RepeatMode = repeat::StepRequested;
        PressEquals();
        if (RepeatMode != repeat::Repeating) break;  // a refused step ends the series
    }
}

void Calculator::finishRepeatStep(long double result, long double y) {
    if (PendingOperator == u'+') RepeatSum += y;
    else if (PendingOperator == u'-') RepeatSum -= y;
    Label1 = FormattedText;
    Operand1Text = str(result);
    OperatorClass = opclass::MultiplicativeOrNone;
    RepeatMode = repeat::Repeating;
    EntryState = entry::OnResult;
}

void Calculator::closeRepetition() {
    if (PendingOperator == u'%') SubtotalMode = subtotal::SubtotalLine;
    if (NumberFormat == 2) converter_->handToConverter(Operand1Text);
    if (TapeVisible() && EntryState == entry::OnResult) {
        tape_->SetBold(true);
        tape_->ClearUndo();
        WorkValue = RepeatSum;
        FormatNumber();
        const QString sumLine = tapeline::marked(FormattedText, tapeline::RepeatSum);
        tape_->SetColour(Label2.contains(u'-') ? Tape::Red : Tape::Black);
        if (!Label3.isEmpty()) tape_->AppendLine(Label5 + QStringLiteral("x   ") + Label3 + u' ' + Label2);
        tape_->SetColour(Tape::Green);
        if (SubtotalMode == subtotal::SubtotalLine) {
            if (RepeatSum > 0) tape_->AppendLine(sumLine);
            tape_->AppendLine(tapeline::marked(Label1, tapeline::Subtotal));
            tape_->SetColour(Tape::Black);
        } else if (SubtotalMode == subtotal::SumLineOnly) {
            tape_->AppendLine(sumLine);
            tape_->SetColour(Tape::Black);
        } else {
            if (RepeatSum > 0) tape_->AppendLine(sumLine);
            WriteDashLine();
            tape_->SetColour(RepeatSum < 0 ? Tape::Red : Tape::Black);
            tape_->AppendLine(tapeline::marked(Label1, tapeline::Total));
            if (NumberFormat == 2 && InsertSecondCurrency == 1) writeSecondCurrencyLine();
        }
    }
    SaveCalculatorState();
    SubtotalMode = subtotal::Total;
    sidePanels_->dropUnitConversion();
    setActiveField(3);
    OperatorClass = opclass::MultiplicativeOrNone;
    Operand2Text.clear();
    Label2.clear();
    Label3.clear();
    Label4 = QStringLiteral("=");
    RepeatMode = repeat::Off;
    PercentMode = percent::Plain;
    PendingOperator = u'0';
    RepeatSum = 0;
    EntryState = entry::Fresh;
}

void Calculator::undoCompoundingStep(long double previous) {
    if (!std::isfinite(previous)) return;
    WorkValue = previous;
    Operand1Text = str(previous);
    FormatNumber();
    Label1 = FormattedText;
    --RepeatCount;
    Label5 = QString::number(RepeatCount);
}

void Calculator::Undo() {
    // Only a counted repeat step can be taken back; with none left ("Löschen" resets the count)
    // undo goes on to the Tape or the snapshot.
    const bool repeating = RepeatMode == repeat::Repeating && RepeatCount > 0;
    if (repeating && (PercentMode == percent::Plus || PercentMode == percent::Minus)) {
        const long double divisor = PercentMode == percent::Plus ? LastY + 100 : 100 - LastY;
        if (divisor != 0) undoCompoundingStep(WorkValue * 100 / divisor);
        return;
    }
    if (repeating && QStringLiteral("+-x/").contains(PendingOperator)) {
        long double w = WorkValue;
        switch (PendingOperator.unicode()) {
        case u'+':
            w -= LastY;
            RepeatSum -= LastY;
            break;
        case u'-':
            w += LastY;
            RepeatSum += LastY;
            break;
        case u'x':
            if (LastY == 0) return;
            w /= LastY;
            RepeatSum /= LastY;
            break;
        default:
            w *= LastY;
            RepeatSum *= LastY;
            break;
        }
        undoCompoundingStep(w);
        return;
    }
    if (TapeVisible()) {
        walkBackTape();
        return;
    }
    if (!SnapshotUsed) restoreSnapshot();
}

void Calculator::restoreSnapshot() {
    const CalculatorSlot& s = slotOfCalculatorOn();
    loadFields(s);
    setActiveField(s.ActiveField);
    EntryState = s.EntryState == entry::AdditiveChain ? 1 : s.EntryState;
    RepeatMode = s.RepeatMode;
    PercentMode = s.PercentMode;
    PanelFunction = s.PanelFunction;
    sidePanels_->recomputeTaxFromOperand();
    SnapshotUsed = true;
}

void Calculator::FindLastTapeLine() {
    while (tape_ && tape_->LineCount() > 0) {
        const QString line = tape_->Line(tape_->LineCount() - 1);
        if (line.isEmpty() || line.endsWith(u'\n') || line.endsWith(u'\r')) {
            tape_->DeleteLastLine();
            continue;
        }
        LastTapeLine = line;
        LastTapeMark = tapeline::markOf(line);
        return;
    }
    LastTapeMark = tapeline::NoLine;
}

namespace {

// Whether a line that starts with a letter or bracket is prose rather than a number with a mark.
bool isTextLine(QString& line) {
    int digits = 0, letters = 0;
    for (qsizetype i = line.size() - 1; i >= 0; --i) {
        const QChar c = line[i];
        if (c == u'%') {
            line = line.mid(i + 1);
            break;
        }
        if ((c >= u'0' && c <= u'9') || c == u'.') ++digits;
        else if (c >= u'?' && c <= u'~') ++letters;
    }
    return 4 * digits < letters;
}

qsizetype shortTextLength(const Tape& tape) {
    qsizetype length = 0;
    for (int i = 0; i < tape.LineCount(); ++i) length += tape.Line(i).size() + (i > 0 ? 2 : 0);
    return length;
}

}  // namespace

void Calculator::walkBackTape() {
    // Only a strip of at most two lines can be shorter than three characters.
    if (tape_->LineCount() <= 2 && shortTextLength(*tape_) < 3) return;
    FindLastTapeLine();
    tape_->SetSize(10);
    tape_->SetBold(true);
    tape_->SetColour(Tape::Black);
    if (LastTapeMark == tapeline::NoLine) return;
    if (LastTapeMark == tapeline::Percent) {
        tape_->DeleteLastLine();
        FindLastTapeLine();
    }
    if (LastTapeMark == tapeline::Dash) {
        tape_->DeleteLastLine();
        return;
    }
    if (LastTapeMark == tapeline::Result) {
        tape_->DeleteLastLine();
        FindLastTapeLine();
        if (LastTapeMark == tapeline::Total) return;
        if (LastTapeMark.isDigit()) {
            tape_->DeleteLastLine();
            FindLastTapeLine();
        }
    }
    if (LastTapeMark == tapeline::NoLine) return;
    if (!LastTapeLine.isEmpty()) {
        if (LastTapeLine.size() <= 2 || LastTapeLine[0] < u' ') {
            tape_->DeleteLastLine();
            return;
        }
        if (tapeline::hasCalculatorTag(LastTapeLine)) {
            if (LastTapeLine.size() < 8) {
                tape_->DeleteLastLine();
                return;
            }
            LastTapeLine.remove(0, tapeline::CalculatorTagLength);
        }
        if (LastTapeLine[0] >= u'?' && LastTapeLine[0] <= u'~' && isTextLine(LastTapeLine)) {
            tape_->DeleteLastLine();
            return;
        }
        if (LastTapeLine.startsWith(tapeline::Result)) {
            tape_->DeleteLastLine();
            FindLastTapeLine();
            LastTapeMark = tapeline::FirstOperand;
            PanelFunction = 0;
        }
        // Without decimals a point can only be a thousands separator, on every line read here.
        if (NumberFormat == 1 && Decimals == 0) LastTapeLine.remove(u'.');
        QString cleaned = normalize(LastTapeLine);
        numtext::ValResult number = numtext::val(cleaned);
        if (number.code != 0) {
            cleaned = normalize(cleaned);
            number = numtext::val(cleaned);
            if (number.code != 0) {
                dialogs_.message(QStringLiteral("Zahl ist ungültig!"));
                return;
            }
        }
        const long double n = number.value;
        const QChar mark = LastTapeMark;
        if (!tapeline::isFieldMark(mark)) {
            if (mark == tapeline::RepeatSum) {
                tape_->DeleteLastLine();
                FindLastTapeLine();
            }
            const QChar op = LastTapeMark;
            const long double x = valValue(Operand1Text);
            WorkValue = n;
            FormatNumber();
            Label3 = FormattedText;
            LastY = n;
            long double w = n;
            if (op == u'+') w = x - n;
            else if (op == u'-') w = x + n;
            else if (op == u'x') w = x / n;
            else if (op == u'/') w = x * n;
            if (!std::isfinite(w)) w = n;
            if (op == u'+' || op == u'-') OperatorClass = opclass::Additive;
            WorkValue = w;
            Operand1Text = str(w);
            Operand2Text = cleaned;
            FormatNumber();
            Label1 = FormattedText;
            PendingOperator = op;
            Label2 = QString(op);
            setActiveField(2);
            EntryState = entry::Typed;
            tape_->DeleteLastLine();
            return;
        }
        if (mark == tapeline::FirstOperand) setActiveField(1);
        Operand1Text = cleaned;
        Operand2Text.clear();
        WorkValue = n;
        FormatNumber();
        Label1 = FormattedText;
        Label3.clear();
        Label2.clear();
        Label4.clear();
    }
    tape_->DeleteLastLine();
}
