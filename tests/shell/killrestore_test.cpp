// The real program, typed into and killed with SIGKILL at random moments, again and again in
// the same folder: every start after a kill answers "Ja" and must show the Tape exactly as it
// was at the last journal write before the kill.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cstdio>
#include <random>

namespace {

constexpr int Kills = 50;
constexpr unsigned Seed = 20240524;
constexpr int StepTimeoutMs = 30000;

// What one run of the program reported on standard output.
struct Reports {
    QByteArray ready;      // "<lines> <digest>" of the Tape after start-up
    QByteArray completed;  // the Tape at the last finished journal write
    QByteArray pending;    // a write that had begun but not finished, if any
    int flushes = 0;

    void take(const QByteArray& line) {
        if (line.startsWith("ready ")) ready = line.mid(6);
        else if (line.startsWith("flushing ")) pending = line.mid(9);
        else if (line == "flushed" && !pending.isEmpty()) {
            completed = std::exchange(pending, {});
            ++flushes;
        }
    }
};

class ProgramRun {
public:
    ProgramRun(const QString& folder, const QStringList& script) {
        QFile file(QDir(folder).filePath(QStringLiteral("script.txt")));
        file.open(QIODevice::WriteOnly);
        file.write(script.join(u'\n').toUtf8());
        file.close();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("KALKULO_TEST_SCRIPT"), file.fileName());
        process_.setProcessEnvironment(env);
        process_.setWorkingDirectory(folder);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QStringLiteral(KALKULO_PROGRAM), {});
    }
    ~ProgramRun() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished();
        }
    }

    // Reads reports until `done` holds; false when the program ended or stayed silent too long.
    template <typename Done>
    bool readUntil(Done done) {
        while (!done(reports)) {
            if (!process_.waitForReadyRead(StepTimeoutMs)) return false;
            readLines();
        }
        return true;
    }
    void waitMs(int ms) {
        QElapsedTimer clock;
        clock.start();
        for (qint64 left = ms; left > 0; left = ms - clock.elapsed()) {
            process_.waitForReadyRead(static_cast<int>(left));
            readLines();
        }
    }
    void kill() {
        process_.kill();
        process_.waitForFinished();
        readLines();
    }
    bool finishesNormally() {
        const bool finished = process_.waitForFinished(StepTimeoutMs);
        readLines();
        return finished && process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
    }

    Reports reports;

private:
    void readLines() {
        buffer_ += process_.readAllStandardOutput();
        for (qsizetype end; (end = buffer_.indexOf('\n')) >= 0; buffer_.remove(0, end + 1))
            reports.take(buffer_.left(end));
    }
    QProcess process_;
    QByteArray buffer_;
};

// Keys a user types on the calculator, with now and then a clear of the Tape or a Tape toggle.
QStringList typing(std::mt19937& random, bool answerJa) {
    QStringList script;
    if (answerJa) script << QStringLiteral("answer Ja");
    script << QStringLiteral("flush-interval 25") << QStringLiteral("tape-on");
    const QStringList keys = {"char 1", "char 2",     "char 5",     "pad 7",   "pad 0",
                              "char ,", "pad +",      "pad -",      "pad *",   "pad /",
                              "pad +",  "key Return", "key Return", "key Esc", "key Backspace"};
    std::uniform_int_distribution<int> pick(0, static_cast<int>(keys.size()) - 1), rare(0, 199);
    for (int i = 0; i < 4000; ++i) {
        const int r = rare(random);
        if (r == 0) script << QStringLiteral("click Frame41/Button1");  // "Löschen" of the Tape
        else script << keys.at(pick(random));
    }
    return script;
}

TEST(KillAndRestore, TheRestoredTapeIsTheOneOfTheLastJournalWriteBeforeTheKill) {
    QTemporaryDir folder;
    std::mt19937 random(Seed);
    std::uniform_int_distribution<int> delayMs(0, 400);
    QByteArray completed = "0 ";  // nothing written yet: no journal expected
    QByteArray pending;
    bool journalThere = false;
    int longest = 0, pendingSeen = 0;
    for (int kill = 0; kill <= Kills; ++kill) {
        ProgramRun run(folder.path(), typing(random, journalThere));
        ASSERT_TRUE(run.readUntil([](const Reports& r) { return !r.ready.isEmpty(); })) << "start " << kill;
        if (journalThere) {
            EXPECT_TRUE(run.reports.ready == completed || (!pending.isEmpty() && run.reports.ready == pending))
                << "start " << kill << " (seed " << Seed << "): restored " << run.reports.ready.constData()
                << ", last write " << completed.constData() << ", begun " << pending.constData();
            longest = std::max(longest, run.reports.ready.split(' ').value(0).toInt());
            pendingSeen += pending.isEmpty() ? 0 : 1;
        }
        if (kill == Kills) break;
        ASSERT_TRUE(run.readUntil([](const Reports& r) { return r.flushes >= 1; })) << "first write " << kill;
        run.waitMs(delayMs(random));
        run.kill();
        completed = run.reports.completed;
        pending = run.reports.pending;
        journalThere = QFile::exists(QDir(folder.path()).filePath(QStringLiteral("~tape.journal")));
        ASSERT_TRUE(journalThere) << "kill " << kill;
    }
    // The walk must have grown a Tape worth restoring.
    EXPECT_GT(longest, 20);
    std::printf("%d kills; longest restored Tape %d lines; %d kills fell inside a write\n", Kills, longest,
                pendingSeen);
}

TEST(KillAndRestore, ANormalEndLeavesNoJournal) {
    QTemporaryDir folder;
    ProgramRun run(folder.path(),
                   {QStringLiteral("tape-on"), QStringLiteral("char 1"), QStringLiteral("key Return"),
                    QStringLiteral("quit"), QStringLiteral("answer Ja")});  // "Rechner beenden?"
    ASSERT_TRUE(run.readUntil([](const Reports& r) { return !r.ready.isEmpty(); }));
    ASSERT_TRUE(run.finishesNormally());
    EXPECT_FALSE(QFile::exists(QDir(folder.path()).filePath(QStringLiteral("~tape.journal"))));
}

}  // namespace
