// The journal follows every kind of Tape change, and what it wrote reads back as the same Tape;
// torn, foreign and unwritable files are handled without touching the Tape.
#include "tape/journalformat.h"
#include "tape/tapedocument.h"
#include "tape/tapejournal.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The Tape the journal file describes, as RTF: what a restore would show.
QByteArray replayed(const QByteArray& bytes, journal::Content::Status* status = nullptr) {
    journal::Content content = journal::read(bytes);
    if (status) *status = content.status;
    TapeDocument copy;
    rtf::Document document;
    document.paragraphs = std::move(content.lines);
    copy.replaceContent(document);
    return copy.toRtf();
}

void record(TapeDocument& tape, const QString& text, uint32_t colour = Tape::Black, bool bold = true, int size = 10,
            Tape::Alignment alignment = Tape::Alignment::Right) {
    tape.SetColour(colour);
    tape.SetBold(bold);
    tape.SetSize(size);
    tape.SetAlignment(alignment);
    tape.AppendLine(text);
}

void fill(TapeDocument& tape, int lines) {
    for (int i = 0; i < lines; ++i) record(tape, QStringLiteral("%1,00 +").arg(i), i % 3 ? Tape::Black : Tape::Red);
}

// Changes the way the Tape panel does: through a cursor on one of the sections.
void editLine(TapeDocument& tape, int line, const std::function<void(QTextCursor&)>& edit) {
    QTextCursor c(tape.block(line));
    c.beginEditBlock();
    edit(c);
    c.endEditBlock();
}

struct Step {
    const char* name;
    std::function<void(TapeDocument&)> change;
};

class TapeJournalTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    TapeDocument tape;
    QString path = QDir(dir.path()).filePath(TapeJournal::FileName);
};

TEST_F(TapeJournalTest, EveryKindOfChangeReadsBackAsTheSameTape) {
    const std::vector<Step> steps = {
        {"recorded lines in colours, bold and sizes",
         [](TapeDocument& t) {
             record(t, QStringLiteral("12 ^"));
             record(t, QStringLiteral("-5 -"), Tape::Red);
             record(t, QStringLiteral("7 S"), Tape::Green, false, 12, Tape::Alignment::Center);
         }},
        {"a comment on the left",
         [](TapeDocument& t) { record(t, "Miete", Tape::Black, false, 11, Tape::Alignment::Left); }},
        {"the last line deleted (undo of the calculator)", [](TapeDocument& t) { t.DeleteLastLine(); }},
        {"text added to the last line", [](TapeDocument& t) { t.AppendToLastLine(QStringLiteral(" ^")); }},
        {"lines across three sections", [](TapeDocument& t) { fill(t, 2 * TapeDocument::SectionLines + 7); }},
        {"a word typed into an early line",
         [](TapeDocument& t) { editLine(t, 5, [](QTextCursor& c) { c.insertText(QStringLiteral("Notiz ")); }); }},
        {"an early line coloured blue",
         [](TapeDocument& t) {
             editLine(t, 3, [](QTextCursor& c) {
                 c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
                 QTextCharFormat f;
                 f.setForeground(QColor(Qt::blue));
                 f.setFontItalic(true);
                 c.mergeCharFormat(f);
             });
         }},
        {"a line in the middle section centred",
         [](TapeDocument& t) {
             editLine(t, TapeDocument::SectionLines + 2, [](QTextCursor& c) {
                 QTextBlockFormat b;
                 b.setAlignment(Qt::AlignHCenter);
                 c.mergeBlockFormat(b);
             });
         }},
        {"a line in the middle section split in two",
         [](TapeDocument& t) { editLine(t, TapeDocument::SectionLines + 4, [](QTextCursor& c) { c.insertBlock(); }); }},
        {"the last section deleted line by line",
         [](TapeDocument& t) {
             while (t.sectionCount() > 2) t.DeleteLastLine();
         }},
        {"the Tape's own undo", [](TapeDocument& t) { t.undo(); }},
        {"cleared", [](TapeDocument& t) { t.Clear(); }},
        {"lines after a clear", [](TapeDocument& t) { record(t, QStringLiteral("17 T"), Tape::Green); }},
        {"a file opened in place of the Tape",
         [](TapeDocument& t) {
             t.replaceContent(
                 rtf::read("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}\\qr\\cf1\\b 1,00\\par\\ql\\b0 x\\par}"));
         }},
        {"a file appended", [](TapeDocument& t) { t.appendContent(rtf::read("eins\r\nzwei\r\n")); }},
    };
    TapeJournal journal(tape, path);
    ASSERT_TRUE(journal.start());
    for (const Step& step : steps) {
        step.change(tape);
        ASSERT_TRUE(journal.flush()) << step.name;
        journal::Content::Status status{};
        EXPECT_EQ(QString::fromLatin1(replayed(fileBytes(path), &status)).toStdString(),
                  QString::fromLatin1(tape.toRtf()).toStdString())
            << step.name;
        EXPECT_EQ(status, journal::Content::Status::Whole) << step.name;
        EXPECT_FALSE(journal.hasPendingChanges()) << step.name;
    }
}

TEST_F(TapeJournalTest, ClearsAndOpenedFilesRewriteTheFileAndGrowthIsBounded) {
    TapeJournal journal(tape, path);
    ASSERT_TRUE(journal.start());
    for (int i = 0; i < 300; ++i) {
        fill(tape, 20);
        ASSERT_TRUE(journal.flush());
    }
    const qint64 grown = QFileInfo(path).size();
    // Appends only add the new lines; the file stays within a few times a rewrite of the Tape.
    EXPECT_LT(grown, 4 * (journal::header() + journal::entry(0, {})).size() + 4 * tape.toRtf().size());
    tape.Clear();
    ASSERT_TRUE(journal.flush());
    EXPECT_EQ(fileBytes(path), journal::header() + journal::entry(0, {}));
    tape.replaceContent(rtf::read("a\r\nb\r\n"));
    ASSERT_TRUE(journal.flush());
    EXPECT_EQ(journal.appendedBytes(), 0);
    EXPECT_EQ(journal::read(fileBytes(path)).entries, 1);
}

TEST_F(TapeJournalTest, ATornOrCorruptTailIsLeftOutAndTheRestReads) {
    TapeJournal journal(tape, path);
    ASSERT_TRUE(journal.start());
    fill(tape, 5);
    ASSERT_TRUE(journal.flush());
    const QByteArray whole = fileBytes(path);
    const QByteArray before = tape.toRtf();
    record(tape, QStringLiteral("99,00 +"));
    ASSERT_TRUE(journal.flush());
    const QByteArray longer = fileBytes(path);
    ASSERT_GT(longer.size(), whole.size());
    for (qsizetype cut = whole.size() + 1; cut < longer.size(); ++cut) {
        journal::Content::Status status{};
        ASSERT_EQ(replayed(longer.left(cut), &status), before) << "cut at " << cut;
        ASSERT_EQ(status, journal::Content::Status::Damaged) << "cut at " << cut;
    }
    for (qsizetype at = whole.size(); at < longer.size(); ++at) {
        QByteArray flipped = longer;
        flipped[at] = static_cast<char>(flipped[at] ^ 0x20);
        journal::Content::Status status{};
        ASSERT_EQ(replayed(flipped, &status), before) << "byte " << at;
        ASSERT_EQ(status, journal::Content::Status::Damaged) << "byte " << at;
    }
}

TEST(JournalFormat, ForeignFilesAreRefused) {
    QByteArray otherVersion = journal::header();
    otherVersion[otherVersion.size() - 1] = static_cast<char>(journal::FormatVersion + 1);
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"empty file", QByteArray()},
        {"text", QByteArray("Miete 500,00\r\n")},
        {"an RTF file", QByteArray("{\\rtf1 12 ^\\par}")},
        {"half a header", journal::header().left(6)},
        {"another format version", otherVersion + journal::entry(0, {})},
    };
    for (const auto& c : cases) {
        const journal::Content content = journal::read(c.bytes);
        EXPECT_EQ(content.status, journal::Content::Status::Refused) << c.name;
        EXPECT_TRUE(content.lines.empty()) << c.name;
    }
    EXPECT_EQ(journal::read(journal::header()).status, journal::Content::Status::Whole);
    // A well-formed entry that starts beyond the lines read so far is damage, not a gap to fill.
    EXPECT_EQ(journal::read(journal::header() + journal::entry(3, {})).status, journal::Content::Status::Damaged);
    EXPECT_EQ(journal::crc32("123456789", 9), 0xCBF43926u);
}

TEST_F(TapeJournalTest, TheTimerWritesChangesAndTheNormalEndRemovesTheFile) {
    TapeJournal journal(tape, path);
    journal.setFlushInterval(5);
    ASSERT_TRUE(journal.start());
    int flushes = 0;
    QObject::connect(&journal, &TapeJournal::flushed, [&] { ++flushes; });
    record(tape, QStringLiteral("12 ^"));
    record(tape, QStringLiteral("5 +"));
    EXPECT_TRUE(journal.hasPendingChanges());
    QEventLoop loop;
    QObject::connect(&journal, &TapeJournal::flushed, &loop, &QEventLoop::quit);
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(flushes, 1);  // two lines, one write
    EXPECT_EQ(replayed(fileBytes(path)), tape.toRtf());
    journal.finish();
    EXPECT_FALSE(QFile::exists(path));
    record(tape, QStringLiteral("17 T"));
    EXPECT_FALSE(journal.hasPendingChanges());
}

TEST_F(TapeJournalTest, AnUnwritablePlaceOrAFullDiskStopsTheJournalAndLeavesTheTape) {
    TapeJournal nowhere(tape, QDir(dir.path()).filePath(QStringLiteral("fehlt/") + TapeJournal::FileName));
    EXPECT_FALSE(nowhere.start());
    EXPECT_FALSE(nowhere.active());

    TapeJournal journal(tape, path);
    ASSERT_TRUE(journal.start());
    int stops = 0;
    QObject::connect(&journal, &TapeJournal::stopped, [&] { ++stops; });
    fill(tape, 3);
    ASSERT_TRUE(journal.flush());
    // The next append cannot be written, as on a full disk: a folder stands where the file was.
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir().mkdir(path));
    record(tape, QStringLiteral("5 +"));
    const QByteArray shown = tape.toRtf();
    EXPECT_FALSE(journal.flush());
    EXPECT_EQ(stops, 1);
    EXPECT_FALSE(journal.active());
    EXPECT_EQ(tape.toRtf(), shown);
    record(tape, QStringLiteral("6 +"));
    EXPECT_FALSE(journal.flush());
    EXPECT_EQ(stops, 1);
    EXPECT_EQ(tape.LineCount(), 5);
}

}  // namespace
