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
    EXPECT_EQ(lines(tape), QStringList{"12 ^"}) << "the first line fills the empty paragraph";
    tape.DeleteLastLine();
    EXPECT_EQ(tape.LineCount(), 0);
    tape.DeleteLastLine();
    EXPECT_EQ(tape.LineCount(), 0);
}

TEST(TapeDocument, TypingAttributesApplyToTheLinesThatFollow) {
    TapeDocument tape;
    recordTwelvePlusFive(tape);
    tape.SetColour(Tape::Green);
    tape.AppendLine(QStringLiteral("17 S"));
    tape.SetColour(Tape::Red);
    tape.SetSize(8);
    tape.SetBold(false);
    tape.AppendLine(QStringLiteral("-3 T"));
    commentAttributes(tape, QStringLiteral("Courier New"));
    tape.SetItalic(true);
    tape.SetUnderline(true);
    tape.SetStrikeOut(true);
    tape.AppendLine(QStringLiteral("Kommentar"));
    tape.SetAlignment(Tape::Alignment::Center);
    tape.AppendLine(QStringLiteral("Mitte"));

    EXPECT_EQ(lines(tape), (QStringList{"12 ^", "5 +", kDashes, "17 T", "17 S", "-3 T", "Kommentar", "Mitte"}));
    const QString expected[] = {"R Arial 10 B #000000", "R Arial 10 B #000000", "R Arial 10 B #000000",
                                "R Arial 10 B #000000", "R Arial 10 B #008000", "R Arial 8 - #ff0000",
                                "L Courier New 11 IUS #ff0000", "C Courier New 11 IUS #ff0000"};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(look(tape, i), expected[i]) << i;
}

TEST(TapeDocument, TextsAndLengths) {
    TapeDocument tape;
    append(tape, {QStringLiteral("ab"), QString(), QStringLiteral("äöü€")});
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
