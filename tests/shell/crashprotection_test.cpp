// The start of a run after one that did not end normally: the question, "Ja", "Nein", damaged and
// foreign journals, and the single warning when the Tape cannot be protected.
#include "shell/crashprotection.h"
#include "support/scripteddialogs.h"
#include "support/testapplication.h"
#include "tape/tapedocument.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class CrashProtectionTest : public ::testing::Test {
protected:
    TestApplicationFirst appFirst;
    QTemporaryDir dir;
    QString journalPath = QDir(dir.path()).filePath(TapeJournal::FileName);

    // A run that wrote a few coloured lines and a comment, then died without its normal end.
    QByteArray crashedRun() {
        TapeDocument tape;
        TapeJournal journal(tape, journalPath);
        EXPECT_TRUE(journal.start());
        tape.SetColour(Tape::Red);
        tape.AppendLine(QStringLiteral("-12 ^"));
        tape.SetColour(Tape::Green);
        tape.AppendLine(QStringLiteral("17 S"));
        tape.SetAlignment(Tape::Alignment::Left);
        tape.SetBold(false);
        tape.SetSize(11);
        tape.SetColour(Tape::Black);
        tape.AppendLine(QStringLiteral("Kommentar"));
        EXPECT_TRUE(journal.flush());
        return tape.toRtf();
    }
};

TEST_F(CrashProtectionTest, ANormalStartAsksNothingAndStartsAJournal) {
    ScriptedDialogs dialogs;
    TapeDocument tape;
    CrashProtection protection(tape, dialogs, dir.path());
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_FALSE(protection.restored());
    EXPECT_TRUE(QFile::exists(journalPath));
    protection.finish();
    EXPECT_FALSE(QFile::exists(journalPath));
}

TEST_F(CrashProtectionTest, JaBringsTheTapeBackWithItsLooks) {
    const QByteArray lastRun = crashedRun();
    ScriptedDialogs dialogs;
    dialogs.yesNo = {true};
    TapeDocument tape;
    CrashProtection protection(tape, dialogs, dir.path());
    EXPECT_EQ(dialogs.shown, QStringList{CrashProtection::Question});
    EXPECT_TRUE(protection.restored());
    EXPECT_EQ(tape.toRtf(), lastRun);
    EXPECT_FALSE(tape.isUndoAvailable());
    // The new run journals the restored Tape from the start.
    EXPECT_EQ(journal::read(fileBytes(journalPath)).lines.size(), 3u);
}

TEST_F(CrashProtectionTest, NeinKeepsTheLastTapeAsARichTextFileWithoutOverwritingAnOlderOne) {
    const QStringList expectedFiles[] = {{QStringLiteral("~tape-alt.rtf")},
                                         {QStringLiteral("~tape-alt.rtf"), QStringLiteral("~tape-alt2.rtf")}};
    for (const QStringList& expected : expectedFiles) {
        const QByteArray lastRun = crashedRun();
        ScriptedDialogs dialogs;
        dialogs.yesNo = {false};
        TapeDocument tape;
        CrashProtection protection(tape, dialogs, dir.path());
        EXPECT_FALSE(protection.restored());
        EXPECT_EQ(tape.LineCount(), 0);
        EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("~tape-alt*")}, QDir::Files), expected);
        TapeDocument kept;
        kept.replaceContent(rtf::read(fileBytes(QDir(dir.path()).filePath(expected.last()))));
        EXPECT_EQ(kept.toRtf(), lastRun);
        EXPECT_EQ(journal::read(fileBytes(journalPath)).lines.size(), 0u);  // this run's journal
    }
}

TEST_F(CrashProtectionTest, ADamagedJournalIsRestoredUpToItsLastWholeEntryAndTheQuestionSaysSo) {
    const QByteArray lastRun = crashedRun();
    writeBytes(journalPath, fileBytes(journalPath) + journal::entry(3, {}).left(7));
    ScriptedDialogs dialogs;
    dialogs.yesNo = {true};
    TapeDocument tape;
    CrashProtection protection(tape, dialogs, dir.path());
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.shown[0].startsWith(CrashProtection::Question));
    EXPECT_TRUE(dialogs.shown[0].contains(QStringLiteral("bis zum letzten vollständigen Eintrag")));
    EXPECT_EQ(tape.toRtf(), lastRun);
}

TEST_F(CrashProtectionTest, AForeignJournalIsRefusedAndKeptUnderAnotherName) {
    const QByteArray garbage("Dies ist kein Journal.");
    writeBytes(journalPath, garbage);
    ScriptedDialogs dialogs;
    TapeDocument tape;
    CrashProtection protection(tape, dialogs, dir.path());
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.shown[0].contains(QStringLiteral("anderen Programmversion")));
    EXPECT_TRUE(dialogs.shown[0].contains(CrashProtection::RefusedName));
    EXPECT_EQ(fileBytes(QDir(dir.path()).filePath(CrashProtection::RefusedName)), garbage);
    EXPECT_EQ(tape.LineCount(), 0);
    EXPECT_FALSE(protection.restored());
}

TEST_F(CrashProtectionTest, AnUnwritableFolderOrAFullDiskWarnsOnceAndTheTapeWorksOn) {
    {
        ScriptedDialogs dialogs;
        TapeDocument tape;
        CrashProtection protection(tape, dialogs, QDir(dir.path()).filePath(QStringLiteral("fehlt")));
        ASSERT_EQ(dialogs.shown.size(), 1);
        EXPECT_TRUE(dialogs.shown[0].contains(QStringLiteral("für diese Sitzung ausgeschaltet")));
        tape.AppendLine(QStringLiteral("12 ^"));
        EXPECT_FALSE(protection.journal().flush());
        EXPECT_EQ(dialogs.shown.size(), 1);
        EXPECT_EQ(tape.LineCount(), 1);
    }
    ScriptedDialogs dialogs;
    TapeDocument tape;
    CrashProtection protection(tape, dialogs, dir.path());
    tape.AppendLine(QStringLiteral("12 ^"));
    tape.AppendLine(QStringLiteral("+"));
    ASSERT_TRUE(protection.journal().flush());
    // From here on no append can be written, as on a full disk: a folder stands where the file was.
    ASSERT_TRUE(QFile::remove(journalPath));
    ASSERT_TRUE(QDir().mkdir(journalPath));
    tape.AppendLine(QStringLiteral("5 +"));
    EXPECT_FALSE(protection.journal().flush());
    tape.AppendLine(QStringLiteral("6 +"));
    EXPECT_FALSE(protection.journal().flush());
    EXPECT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(tape.Text(), QStringLiteral("12 ^\n+\n5 +\n6 +"));
}

}  // namespace
