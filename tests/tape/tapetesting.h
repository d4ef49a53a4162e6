#pragma once
// Small helpers shared by the Tape tests.
#include "tape/rtfdocument.h"
#include "tape/tapedocument.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

namespace tapetesting {

inline QTextCharFormat lineFormat(TapeDocument& tape, int line) {
    const QTextBlock block = tape.block(line);
    const auto it = block.begin();
    return it.atEnd() ? block.charFormat() : it.fragment().charFormat();
}

inline Qt::Alignment lineAlignment(TapeDocument& tape, int line) {
    return tape.block(line).blockFormat().alignment() & Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute;
}

// A line's look as one comparable text: alignment, font, points, Bold/Italic/Underline/Strike, colour,
// e.g. "R Arial 10 B #ff0000".
inline QString look(QChar alignment, const QString& font, double points, int weight, bool italic, bool underline,
                    bool strike, const QString& colour) {
    QString flags = weight == QFont::Bold ? QStringLiteral("B")
        : weight == QFont::Normal         ? QString()
                                          : QString::number(weight);
    if (italic) flags += u'I';
    if (underline) flags += u'U';
    if (strike) flags += u'S';
    return QStringList{alignment, font, QString::number(points), flags.isEmpty() ? QStringLiteral("-") : flags, colour}
        .join(u' ');
}

inline QString look(TapeDocument& tape, int line) {
    const QTextCharFormat f = lineFormat(tape, line);
    const Qt::Alignment a = lineAlignment(tape, line);
    const QChar align = a == Qt::AlignLeft ? u'L' : a == Qt::AlignRight ? u'R' : a == Qt::AlignHCenter ? u'C' : u'?';
    return look(align, f.fontFamilies().toStringList().join(u','), f.fontPointSize(), f.fontWeight(), f.fontItalic(),
                f.fontUnderline(), f.fontStrikeOut(), f.foreground().color().name());
}

// The same for a paragraph read from RTF (its first run); "auto" is the automatic colour.
inline QString look(const rtf::Paragraph& p) {
    const rtf::CharFormat f = p.runs.at(0).format;
    const QChar align = p.alignment == Tape::Alignment::Left ? u'L'
        : p.alignment == Tape::Alignment::Right              ? u'R'
                                                             : u'C';
    return look(align, f.font, f.halfPoints / 2.0, f.bold ? QFont::Bold : QFont::Normal, f.italic, f.underline,
                f.strike, f.colour ? TapeDocument::fromBgr(*f.colour).name() : QStringLiteral("auto"));
}

inline QStringList lines(const Tape& tape) {
    QStringList out;
    for (int i = 0; i < tape.LineCount(); ++i) out << tape.Line(i);
    return out;
}

inline void append(Tape& tape, const QStringList& texts) {
    for (const QString& t : texts) tape.AppendLine(t);
}

inline const QString kDashes(3, QChar(0x2014));

// Writes the record of "12 + 5 =" the way the calculator does.
inline void recordTwelvePlusFive(Tape& tape) {
    tape.ClearUndo();
    tape.SetBold(true);
    tape.SetColour(Tape::Black);
    append(tape, {QStringLiteral("12 ^"), QStringLiteral("5 +"), kDashes, QStringLiteral("17 T")});
}

// The typing attributes of a comment: left, 11 points, not bold, in the given font.
inline void commentAttributes(TapeDocument& tape, const QString& font = QStringLiteral("Arial")) {
    tape.SetAlignment(Tape::Alignment::Left);
    tape.SetFontName(font);
    tape.SetSize(11);
    tape.SetBold(false);
}

}  // namespace tapetesting
