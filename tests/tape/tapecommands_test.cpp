#include "tape/tapecommands.h"

#include "support/scripteddialogs.h"
#include "tape/tapedocument.h"
#include "tape/tapeprint.h"
#include "tapetesting.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tapetesting;

namespace {

class TapeCommandsTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }
    QByteArray contents(const QString& name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void writeFile(const QString& name, const QByteArray& bytes = {}) {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QTemporaryDir dir;
    TapeDocument tape;
    ScriptedDialogs dialogs;
    TapeCommands commands{tape, dialogs, dir.path()};
};

}  // namespace

TEST_F(TapeCommandsTest, SaveProposesTheFirstFreeTapeNumberAndRefusesAnAlmostEmptyTape) {
    EXPECT_EQ(commands.proposedSaveName(), QStringLiteral("Tape1"));
    for (const char* name : {"Tape1.rtf", "Tape2.rtf", "Tape4.rtf", "Tape3.txt"}) writeFile(QString::fromLatin1(name));
    EXPECT_EQ(commands.proposedSaveName(), QStringLiteral("Tape3"));

    tape.AppendLine(QStringLiteral("ab"));
    commands.save();
    EXPECT_EQ(dialogs.shown, QStringList{"Tape ist leer!"});
    tape.AppendToLastLine(QStringLiteral("c"));
    commands.save();
    EXPECT_EQ(dialogs.last(), QStringLiteral("Tape speichern: ") + path(QStringLiteral("Tape3")));
}

TEST_F(TapeCommandsTest, TextFilterWritesPlainTextOnceThenRtfAgain) {
    append(tape, {QStringLiteral("12 ^"), QStringLiteral("5 +"), QStringLiteral("17 T")});
    writeFile(QStringLiteral("c.rtf"), "alt");
    dialogs.fileFilters = {1, 0, 0};
    dialogs.fileNames = {path(QStringLiteral("a.txt")), path(QStringLiteral("b")), path(QStringLiteral("c"))};
    dialogs.yesNo = {false};
    commands.save();
    commands.save();
    commands.save();
    EXPECT_EQ(contents(QStringLiteral("a.txt")), QByteArray("12 ^\r\n5 +\r\n17 T"));
    EXPECT_TRUE(rtf::isRtf(contents(QStringLiteral("b.rtf")))) << "a name without extension gets the filter's";
    EXPECT_EQ(contents(QStringLiteral("c.rtf")), QByteArray("alt")) << "an added extension asks before overwriting";
    EXPECT_EQ(lines(tape).size(), 3);
}

TEST_F(TapeCommandsTest, FileErrorsNameTheFileAndKeepTheTape) {
    append(tape, {QStringLiteral("12 ^"), QStringLiteral("5 +")});
    const QString badSave = path(QStringLiteral("fehlt/x.rtf"));
    dialogs.fileNames = {badSave, path(QStringLiteral("nicht-da.rtf"))};
    commands.save();
    EXPECT_EQ(dialogs.last(), QStringLiteral("Die Datei \"%1\" konnte nicht geschrieben werden.").arg(badSave));
    commands.open();
    EXPECT_EQ(
        dialogs.last(),
        QStringLiteral("Die Datei \"%1\" konnte nicht gelesen werden.").arg(path(QStringLiteral("nicht-da.rtf"))));
    EXPECT_EQ(lines(tape), (QStringList{"12 ^", "5 +"}));

    TapeCommands nowhere(tape, dialogs, path(QStringLiteral("fehlt")));
    EXPECT_FALSE(nowhere.clear());
    EXPECT_TRUE(dialogs.last().contains(QStringLiteral("~temp.rtf")));
    EXPECT_EQ(tape.LineCount(), 2) << "a Tape whose backup failed is not cleared";
    EXPECT_FALSE(nowhere.canRestore());
}

TEST_F(TapeCommandsTest, RestoreIsOfferedOnlyAfterClearingMoreThanOneLine) {
    EXPECT_FALSE(commands.canRestore());
    tape.AppendLine(QStringLiteral("1 ^"));
    EXPECT_TRUE(commands.clear());
    EXPECT_FALSE(commands.canRestore()) << "one line is not backed up";
    EXPECT_FALSE(commands.restore());
    EXPECT_TRUE(dialogs.shown.isEmpty());

    recordTwelvePlusFive(tape);
    EXPECT_TRUE(commands.clear());
    EXPECT_EQ(tape.LineCount(), 0);
    EXPECT_TRUE(commands.canRestore());
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("~temp.rtf"))));

    tape.AppendLine(QStringLiteral("neu"));
    dialogs.yesNo = {false, true};
    EXPECT_FALSE(commands.restore());
    EXPECT_EQ(lines(tape), QStringList{"neu"});
    EXPECT_TRUE(commands.restore());
    EXPECT_EQ(dialogs.shown, (QStringList{"Tape wiederherstellen?", "Tape wiederherstellen?"}));
    EXPECT_EQ(lines(tape), (QStringList{"12 ^", "5 +", kDashes, "17 T"}));
    EXPECT_EQ(look(tape, 3), "R Arial 10 B #000000");

    TapeCommands restarted(tape, dialogs, dir.path());
    EXPECT_FALSE(restarted.canRestore()) << "a restart forgets the backup";
    commands.removeBackup();
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("~temp.rtf"))));
}

TEST_F(TapeCommandsTest, OpenReplacesOrAppendsAfterTheOldLines) {
    QGuiApplication::clipboard()->setText(QStringLiteral("vom Benutzer"));
    writeFile(QStringLiteral("f.rtf"), "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}\\cf1 rot\\par zwei\\par}");
    writeFile(QStringLiteral("g.txt"), "text\r\n");

    dialogs.fileNames = {path(QStringLiteral("g.txt"))};
    commands.open();
    EXPECT_EQ(dialogs.shown, QStringList{"Tape öffnen: " + path(QStringLiteral("Tape"))})
        << "fewer than two lines: no question";
    EXPECT_EQ(lines(tape), QStringList{"text"});
    EXPECT_EQ(commands.openDefaultName(), path(QStringLiteral("g.txt")));

    tape.AppendLine(QStringLiteral("alt"));
    dialogs.shown.clear();
    dialogs.yesNoCancel = {Dialogs::Answer::Cancel, Dialogs::Answer::No, Dialogs::Answer::No, Dialogs::Answer::Yes};
    dialogs.fileNames = {path(QStringLiteral("f.rtf")), QString(), path(QStringLiteral("g.txt"))};
    commands.open();
    EXPECT_EQ(dialogs.shown, QStringList{"Tape überschreiben?\rBei Nein wird die Datei anghängt"});
    commands.open();
    EXPECT_EQ(lines(tape), (QStringList{"text", "alt", "rot", "zwei"}));
    EXPECT_EQ(lineFormat(tape, 2).foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(commands.openDefaultName(), path(QStringLiteral("g.txt"))) << "an appended file is not remembered";
    commands.open();
    EXPECT_EQ(lines(tape), (QStringList{"text", "alt", "rot", "zwei"})) << "a cancelled dialog keeps the Tape";
    commands.open();
    EXPECT_EQ(lines(tape), QStringList{"text"});
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("vom Benutzer"));
    EXPECT_FALSE(tape.isUndoAvailable()) << "\"Rückgängig\" cannot take back a part of a loaded file";
    commands.clear();
    EXPECT_EQ(commands.openDefaultName(), path(QStringLiteral("Tape")));
}

TEST_F(TapeCommandsTest, DroppedValuesStartOnTheFirstLineOfAnEmptyTape) {
    QGuiApplication::clipboard()->setText(QStringLiteral("vom Benutzer"));
    tape.SetBold(false);
    commands.dropText(QStringLiteral("12,5"));
    EXPECT_EQ(lines(tape), QStringList{"12,5 ^"});
    EXPECT_EQ(lineFormat(tape, 0).fontWeight(), QFont::Bold);
    commands.dropText(QStringLiteral("3"));
    EXPECT_EQ(lines(tape), (QStringList{"12,5 ^", "3 ^"})) << "one line: no separator";
    commands.dropText(QStringLiteral("4"));
    EXPECT_EQ(lines(tape), (QStringList{"12,5 ^", "3 ^", "", "4 ^"}));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("vom Benutzer"));

    TapeDocument other;
    TapeCommands showing(other, dialogs, dir.path());
    showing.carryResult(QStringLiteral("16"));
    EXPECT_EQ(lines(other), QStringList{"16 ^"}) << "showing over an empty Tape starts on its first line";
    other.Clear();
    other.AppendLine(QStringLiteral("Einkauf Montag"));
    showing.carryResult(QStringLiteral("17"));
    EXPECT_EQ(lines(other), (QStringList{"Einkauf Montag", "17 ^"})) << "a comment on the only line stays";
    other.AppendLine(QStringLiteral("y"));
    showing.carryResult(QStringLiteral("18"));
    EXPECT_EQ(lines(other), (QStringList{"Einkauf Montag", "17 ^", "y", "", "18 ^"}));
}

TEST_F(TapeCommandsTest, PrintedRectangleFollowsTheLongestLine) {
    append(tape, {QString(20, u'8'), QStringLiteral("kurz")});
    QPdfWriter pdf(path(QStringLiteral("rand.pdf")));
    pdf.setResolution(600);
    QRect rect = tapeprint::print(*tape.toSingleDocument(), tape.longestLineLength(), pdf);
    EXPECT_EQ(rect, QRect(QPoint(600, 600), QPoint(pdf.width() / 3, pdf.height() - 600)));
    tape.AppendToLastLine(QString(17, u'9'));
    EXPECT_EQ(tape.longestLineLength(), 21);
    rect = tapeprint::print(*tape.toSingleDocument(), tape.longestLineLength(), pdf);
    EXPECT_EQ(rect.right(), 2 * pdf.width() / 5);
}
