#include "core/calculator.h"
#include "core/numtext.h"

#include <cmath>

using numtext::str;
using numtext::valValue;

void Calculator::Repeat() {
    if (ActiveField != 2 || Label3.isEmpty()) return;
    // π, percent and the functions end a repetition without closing it; a new one sums afresh.
    if (RepeatMode == 0) RepeatSum = 0;
    if (!AskRepeatCount) {
        RepeatMode = 1;
        PressEquals();
        return;
    }
    AskRepeatCount = false;
    const auto answer = dialogs_.input(QStringLiteral("Wiederholungszahl"),
                                       QStringLiteral("Die Zahl der Wiederholungen bitte eingeben!"), QStringLiteral("2"));
    if (!answer || answer->isEmpty()) return;
    const int count = numtext::strToInt(*answer);  // throws before any step
    for (int i = 0; i < count; ++i) {
        RepeatMode = 1;
        PressEquals();
        if (RepeatMode != 2) break;  // a refused step ends the series
    }
}

void Calculator::finishRepeatStep(long double result, long double y) {
    if (PendingOperator == u'+') RepeatSum += y;
    else if (PendingOperator == u'-') RepeatSum -= y;
    Label1 = FormattedText;
    Operand1Text = str(result);
    OperatorClass = 0;
    RepeatMode = 2;
    EntryState = 7;
}

void Calculator::closeRepetition() {
    if (PendingOperator == u'%') SubtotalMode = 1;
    if (NumberFormat == 2) converter_->handToConverter(Operand1Text);
    if (TapeVisible() && EntryState == 7) {
        tape_->SetBold(true);
        tape_->ClearUndo();
        WorkValue = RepeatSum;
        FormatNumber();
        const QString sumLine = FormattedText + QStringLiteral(" Z");
        tape_->SetColour(Label2.contains(u'-') ? Tape::Red : Tape::Black);
        if (!Label3.isEmpty()) tape_->AppendLine(Label5 + QStringLiteral("x   ") + Label3 + u' ' + Label2);
        tape_->SetColour(Tape::Green);
        if (SubtotalMode == 1) {
            if (RepeatSum > 0) tape_->AppendLine(sumLine);
            tape_->AppendLine(Label1 + QStringLiteral(" S"));
            tape_->SetColour(Tape::Black);
        } else if (SubtotalMode == 2) {
            tape_->AppendLine(sumLine);
            tape_->SetColour(Tape::Black);
        } else {
            if (RepeatSum > 0) tape_->AppendLine(sumLine);
            WriteDashLine();
            tape_->SetColour(RepeatSum < 0 ? Tape::Red : Tape::Black);
            tape_->AppendLine(Label1 + QStringLiteral(" T"));
            if (NumberFormat == 2 && InsertSecondCurrency == 1) writeSecondCurrencyLine();
        }
    }
    SaveCalculatorState();
    SubtotalMode = 0;
    sidePanels_->dropUnitConversion();
    setActiveField(3);
    OperatorClass = 0;
    Operand2Text.clear();
    Label2.clear();
    Label3.clear();
    Label4 = QStringLiteral("=");
    RepeatMode = 0;
    PercentMode = 0;
    PendingOperator = u'0';
    RepeatSum = 0;
    EntryState = 0;
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
    const bool repeating = RepeatMode == 2 && RepeatCount > 0;
    if (repeating && (PercentMode == 1 || PercentMode == 2)) {
        const long double divisor = PercentMode == 1 ? LastY + 100 : 100 - LastY;
        if (divisor != 0) undoCompoundingStep(WorkValue * 100 / divisor);
        return;
    }
    if (repeating && QStringLiteral("+-x/").contains(PendingOperator)) {
        long double w = WorkValue;
        switch (PendingOperator.unicode()) {
        case u'+': w -= LastY; RepeatSum -= LastY; break;
        case u'-': w += LastY; RepeatSum += LastY; break;
        case u'x':
            if (LastY == 0) return;
            w /= LastY;
            RepeatSum /= LastY;
            break;
        default: w *= LastY; RepeatSum *= LastY; break;
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
    EntryState = s.EntryState == 3 ? 1 : s.EntryState;
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
        LastTapeMark = line.back();
        return;
    }
    LastTapeMark = u'#';
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
    if (LastTapeMark == u'#') return;
    if (LastTapeMark == u'%') {
        tape_->DeleteLastLine();
        FindLastTapeLine();
    }
    if (LastTapeMark == QChar(0x2014)) {
        tape_->DeleteLastLine();
        return;
    }
    if (LastTapeMark == u'=') {
        tape_->DeleteLastLine();
        FindLastTapeLine();
        if (LastTapeMark == u'T') return;
        if (LastTapeMark.isDigit()) {
            tape_->DeleteLastLine();
            FindLastTapeLine();
        }
    }
    if (LastTapeMark == u'#') return;
    if (!LastTapeLine.isEmpty()) {
        if (LastTapeLine.size() <= 2 || LastTapeLine[0] < u' ') {
            tape_->DeleteLastLine();
            return;
        }
        if (LastTapeLine.startsWith(QStringLiteral("(R"))) {
            if (LastTapeLine.size() < 8) {
                tape_->DeleteLastLine();
                return;
            }
            LastTapeLine.remove(0, 5);
        }
        if (LastTapeLine[0] >= u'?' && LastTapeLine[0] <= u'~' && isTextLine(LastTapeLine)) {
            tape_->DeleteLastLine();
            return;
        }
        if (LastTapeLine.startsWith(u'=')) {
            tape_->DeleteLastLine();
            FindLastTapeLine();
            LastTapeMark = u'^';
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
        if (mark != u'T' && mark != u'^' && mark != u'S') {
            if (mark == u'Z') {
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
            if (op == u'+' || op == u'-') OperatorClass = 1;
            WorkValue = w;
            Operand1Text = str(w);
            Operand2Text = cleaned;
            FormatNumber();
            Label1 = FormattedText;
            PendingOperator = op;
            Label2 = QString(op);
            setActiveField(2);
            EntryState = 1;
            tape_->DeleteLastLine();
            return;
        }
        if (mark == u'^') setActiveField(1);
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
