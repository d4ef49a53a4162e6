#include "tape/tapedocument.h"

#include "tapetesting.h"

#include <QTextDocument>
#include <gtest/gtest.h>

using namespace tapetesting;

TEST(TapeDocument, OneEmptyParagraphCountsAsEmpty) {
    TapeDocument tape;
    EXPECT_EQ(tape.LineCount(), 0);
    EXPECT_EQ(tape.Line(0), QString());
    EXPECT_EQ(tape.Text(), QString());
    EXPECT_EQ(tape.plainTextLength(), 0);

    tape.AppendLine(QStringLiteral("12 ^"));
    EXPECT_EQ(tape.LineCount(), 1) << "the first line fills the empty paragraph";
    EXPECT_EQ(tape.Line(0), QStringLiteral("12 ^"));

    tape.DeleteLastLine();
    EXPECT_EQ(tape.LineCount(), 0);
    tape.DeleteLastLine();
    EXPECT_EQ(tape.LineCount(), 0);
}

TEST(TapeDocument, RecordKeepsTheLinesAndTheirAttributes) {
    TapeDocument tape;
    recordTwelvePlusFive(tape);
    tape.SetColour(Tape::Green);
    tape.AppendLine(QStringLiteral("17 S"));
    tape.SetColour(Tape::Red);
    tape.SetSize(8);
    tape.SetBold(false);
    tape.AppendLine(QStringLiteral("-3 T"));

    EXPECT_EQ(lines(tape), (QStringList{"12 ^", "5 +", QString(3, QChar(0x2014)), "17 T", "17 S", "-3 T"}));
    for (int i = 0; i < 6; ++i) EXPECT_EQ(lineAlignment(tape, i), Qt::AlignRight) << i;
    const QTextCharFormat total = lineFormat(tape, 3);
    EXPECT_EQ(total.fontFamilies().toStringList(), QStringList{"Arial"});
    EXPECT_EQ(total.fontPointSize(), 10);
    EXPECT_EQ(total.fontWeight(), QFont::Bold);
    EXPECT_EQ(total.foreground().color(), QColor(Qt::black));
    EXPECT_EQ(lineFormat(tape, 4).foreground().color(), QColor(0, 0x80, 0));
    const QTextCharFormat negative = lineFormat(tape, 5);
    EXPECT_EQ(negative.foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(negative.fontPointSize(), 8);
    EXPECT_EQ(negative.fontWeight(), QFont::Normal);
}

TEST(TapeDocument, TextsAndLengths) {
    TapeDocument tape;
    tape.AppendLine(QStringLiteral("ab"));
    tape.AppendLine(QString());
    tape.AppendLine(QStringLiteral("äöü€"));
    tape.AppendToLastLine(QStringLiteral(" f"));
    EXPECT_EQ(tape.LineCount(), 3);
    EXPECT_EQ(tape.Text(), QStringLiteral("ab\n\näöü€ f"));
    EXPECT_EQ(tape.plainText(), QStringLiteral("ab\r\n\r\näöü€ f"));
    EXPECT_EQ(tape.plainTextLength(), tape.plainText().size());
    EXPECT_EQ(tape.longestLineLength(), 6);
    EXPECT_EQ(tape.Line(3), QString());
    EXPECT_EQ(tape.Line(-1), QString());

    tape.DeleteLastLine();
    EXPECT_EQ(lines(tape), (QStringList{"ab", ""}));
    EXPECT_EQ(tape.plainTextLength(), tape.plainText().size());
}

TEST(TapeDocument, TypingAttributesApplyToTheLinesThatFollow) {
    TapeDocument tape;
    tape.SetAlignment(Tape::Alignment::Left);
    tape.SetFontName(QStringLiteral("Courier New"));
    tape.SetSize(11);
    tape.SetBold(false);
    tape.SetItalic(true);
    tape.SetUnderline(true);
    tape.SetStrikeOut(true);
    tape.AppendLine(QStringLiteral("Kommentar"));
    tape.SetAlignment(Tape::Alignment::Center);
    tape.AppendLine(QStringLiteral("Mitte"));

    const QTextCharFormat f = lineFormat(tape, 0);
    EXPECT_EQ(lineAlignment(tape, 0), Qt::AlignLeft);
    EXPECT_EQ(lineAlignment(tape, 1), Qt::AlignHCenter);
    EXPECT_EQ(f.fontFamilies().toStringList(), QStringList{"Courier New"});
    EXPECT_EQ(f.fontPointSize(), 11);
    EXPECT_TRUE(f.fontItalic());
    EXPECT_TRUE(f.fontUnderline());
    EXPECT_TRUE(f.fontStrikeOut());
}

TEST(TapeDocument, ClearUndoEmptiesTheEditingUndo) {
    TapeDocument tape;
    tape.AppendLine(QStringLiteral("1 ^"));
    EXPECT_TRUE(tape.document().isUndoAvailable());
    tape.ClearUndo();
    EXPECT_FALSE(tape.document().isUndoAvailable());
    tape.AppendLine(QStringLiteral("2 +"));
    tape.document().undo();
    EXPECT_EQ(lines(tape), QStringList{"1 ^"}) << "one undo step takes back one appended line";
}

TEST(TapeDocument, ColourConversionUsesBgrOrder) {
    EXPECT_EQ(TapeDocument::fromBgr(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(TapeDocument::toBgr(QColor(0x11, 0x22, 0x33)), 0x332211u);
}
