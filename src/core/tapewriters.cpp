#include "core/calculator.h"
#include "core/tapeline.h"

#include <algorithm>

void Calculator::WriteFirstOperandLine() {
    if (!TapeVisible()) return;
    tape_->SetBold(true);
    if (ActiveField != field::First) return;
    tape_->ClearUndo();
    if (Operand1Text.startsWith(u'-')) tape_->SetColour(Tape::Red);
    else if (!Operand1Text.isEmpty()) tape_->SetColour(Tape::Black);
    const QString line = tapeline::marked(Label1, tapeline::FirstOperand);
    if (tape_->LineCount() > 1) {
        if (!FirstLineWritten) tape_->AppendLine(QString());
        tape_->AppendLine(line);
        FirstLineWritten = false;
    } else {
        tape_->ClearIfBlank();
        tape_->AppendLine(line);
    }
}

void Calculator::WriteRunningSubtotal() {
    if (!TapeVisible() || tape_->LineCount() <= 1) return;
    const QString last = tape_->Line(tape_->LineCount() - 1);
    if (tapeline::continuesSum(tapeline::markOf(last))) {
        tape_->SetColour(Tape::Green);
        tape_->AppendLine(tapeline::marked(Label1, tapeline::Subtotal));
        tape_->SetColour(Tape::Black);
    }
}

void Calculator::WriteDashLine() {
    if (!tape_) return;
    const int count = tape_->LineCount();
    const qsizetype lastLength = count > 0 ? tape_->Line(count - 1).size() : 0;
    const qsizetype n = std::max(Label1.size(), lastLength);
    const qsizetype dashes = NumberFormat == 2 ? n / 2 : n / 2 + 1;
    tape_->AppendLine(tapeline::dashes(dashes));
}
