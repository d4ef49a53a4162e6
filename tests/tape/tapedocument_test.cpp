#include "tape/tapedocument.h"

#include "tapetesting.h"

#include <QTextCursor>
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
    EXPECT_TRUE(tape.isUndoAvailable());
    tape.ClearUndo();
    EXPECT_FALSE(tape.isUndoAvailable());
    tape.AppendLine(QStringLiteral("2 +"));
    tape.undo();
    EXPECT_EQ(lines(tape), QStringList{"1 ^"}) << "one undo step takes back one appended line";
}

namespace {

// A Tape two lines into its second section, numbered from 0.
void fillPastOneSection(TapeDocument& tape) {
    for (int i = 0; i < TapeDocument::SectionLines + 2; ++i) {
        tape.SetColour(i % 2 ? Tape::Red : Tape::Black);
        tape.AppendLine(QString::number(i));
    }
}

}  // namespace

TEST(TapeDocument, LongTapesSpanSectionsAndReadAsOne) {
    TapeDocument tape;
    fillPastOneSection(tape);
    const int n = TapeDocument::SectionLines + 2;
    EXPECT_EQ(tape.sectionCount(), 2);
    ASSERT_EQ(tape.LineCount(), n);
    for (int i : {0, n - 3, n - 2, n - 1}) EXPECT_EQ(tape.Line(i), QString::number(i)) << i;
    EXPECT_EQ(look(tape, n - 1), "R Arial 10 B #ff0000") << "the new section keeps the typing attributes";
    EXPECT_EQ(tape.plainText().count(QStringLiteral("\r\n")), n - 1);
    EXPECT_EQ(tape.plainTextLength(), tape.plainText().size());

    // A line the user adds in the first section moves every later line on by one.
    QTextCursor c(tape.block(0));
    c.movePosition(QTextCursor::EndOfBlock);
    c.insertText(QStringLiteral("\nKommentar"));
    EXPECT_EQ(tape.Line(1), QStringLiteral("Kommentar"));
    EXPECT_EQ(tape.Line(n), QString::number(n - 1));

    tape.DeleteLastLine();
    tape.DeleteLastLine();
    EXPECT_EQ(tape.sectionCount(), 1) << "the last section goes with its last line";
    EXPECT_EQ(tape.Line(tape.LineCount() - 1), QString::number(n - 3));
    tape.Clear();
    EXPECT_EQ(tape.sectionCount(), 1);
    EXPECT_EQ(tape.LineCount(), 0);
}

TEST(TapeDocument, LongTapesKeepLinesAndLooksThroughFilesAndPrinting) {
    TapeDocument tape;
    fillPastOneSection(tape);
    const int n = tape.LineCount();
    TapeDocument loaded;
    loaded.replaceContent(rtf::read(tape.toRtf()));
    EXPECT_EQ(lines(loaded), lines(tape));
    loaded.appendContent(rtf::read(tape.toRtf()));
    EXPECT_EQ(loaded.Line(2 * n - 1), QString::number(n - 1));
    EXPECT_EQ(look(loaded, 2 * n - 1), "R Arial 10 B #ff0000");

    const auto whole = tape.toSingleDocument();
    ASSERT_EQ(whole->blockCount(), n);
    EXPECT_EQ(whole->lastBlock().begin().fragment().charFormat().foreground().color(), QColor(Qt::red));

    loaded.replaceContent(rtf::read(QByteArrayLiteral("\r\n\r\nabc\r\n")));
    EXPECT_EQ(lines(loaded), (QStringList{"", "", "abc"})) << "leading empty lines stay";
}

TEST(TapeDocument, UndoFollowsTheSectionsItChanged) {
    TapeDocument tape;
    for (int i = 0; i < TapeDocument::SectionLines; ++i) tape.AppendLine(QString::number(i));
    tape.ClearUndo();
    QTextCursor c(tape.block(1));
    c.insertText(QStringLiteral("x"));
    tape.undo();
    EXPECT_EQ(tape.Line(1), QStringLiteral("1")) << "an edit in an earlier section";

    tape.AppendLine(QStringLiteral("neu"));
    ASSERT_EQ(tape.sectionCount(), 2);
    tape.undo();
    EXPECT_EQ(tape.sectionCount(), 1) << "the section the undone line opened goes too";

    tape.AppendLine(QStringLiteral("neu"));
    tape.beginCompoundEdit();
    tape.endCompoundEdit();
    EXPECT_TRUE(tape.isUndoAvailable());
    tape.DeleteLastLine();
    EXPECT_FALSE(tape.isUndoAvailable()) << "dropping a section since forgets the compound change";
}
