#pragma once
// Small helpers shared by the Tape tests.
#include "tape/tapedocument.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

namespace tapetesting {

inline QTextCharFormat lineFormat(TapeDocument& tape, int line) {
    const QTextBlock block = tape.document().findBlockByNumber(line);
    const auto it = block.begin();
    return it.atEnd() ? block.charFormat() : it.fragment().charFormat();
}

inline Qt::Alignment lineAlignment(TapeDocument& tape, int line) {
    return tape.document().findBlockByNumber(line).blockFormat().alignment() & Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute;
}

inline QStringList lines(const Tape& tape) {
    QStringList out;
    for (int i = 0; i < tape.LineCount(); ++i) out << tape.Line(i);
    return out;
}

// Writes the record of "12 + 5 =" the way the calculator does.
inline void recordTwelvePlusFive(Tape& tape) {
    tape.ClearUndo();
    tape.SetBold(true);
    tape.SetColour(Tape::Black);
    tape.AppendLine(QStringLiteral("12 ^"));
    tape.AppendLine(QStringLiteral("5 +"));
    tape.AppendLine(QString(3, QChar(0x2014)));
    tape.AppendLine(QStringLiteral("17 T"));
}

}  // namespace tapetesting
