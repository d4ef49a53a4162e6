// What the Tape journal adds to a key press: "12 + 5 =" written into the shown Tape panel on a
// Tape of 100 000 lines, without a journal and with one that follows the Tape (its timer writes
// once a second, as in the program). A second pair measures the bare document, where the
// journal's share is largest (with the layouts the panel's editors give its sections), and one
// writes the journal after every press, the worst case.
#include "tools/silentdialogs.h"
#include "tape/tapejournal.h"
#include "tape/views/tframe4.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTextDocument>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>

namespace {

constexpr int Lines = 100000;

void record(Tape& tape) {
    tape.ClearUndo();
    if (tape.LineCount() > 1) tape.AppendLine(QString());
    else if (tape.Line(0).isEmpty()) tape.Clear();
    for (const char* line : {"12 ^", "5 +", "———", "17 T"}) tape.AppendLine(QString::fromUtf8(line));
}

enum Journal { None, Following, WrittenEveryPress };

void run(benchmark::State& state, bool panel) {
    const auto mode = static_cast<Journal>(state.range(0));
    QTemporaryDir dir;
    SilentDialogs dialogs;
    TapeDocument tape;
    std::unique_ptr<TFrame4> frame;
    if (panel) {
        frame = std::make_unique<TFrame4>(tape, dialogs, nullptr, nullptr, dir.path());
        frame->show();
    }
    if (!panel) {
        // The panel's editors give every section a layout, and with it the change signal the
        // journal listens to; the bare document gets the same, with or without a journal.
        QObject::connect(&tape, &TapeDocument::sectionAdded, [](QTextDocument* s) { s->documentLayout(); });
        tape.lastSection().documentLayout();
    }
    for (int i = 0; i < Lines; ++i) tape.AppendLine(QStringLiteral("%1,00 +").arg(i));
    tape.ClearUndo();
    TapeJournal journal(tape, QDir(dir.path()).filePath(TapeJournal::FileName));
    if (mode != None && !journal.start()) state.SkipWithError("journal not writable");
    QApplication::processEvents();
    const int before = tape.LineCount();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        record(tape);
        if (mode == WrittenEveryPress) journal.flush();
        QApplication::processEvents();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        while (tape.LineCount() > before) tape.DeleteLastLine();
        QApplication::processEvents();
    }
}

void BM_TwelvePlusFiveShown(benchmark::State& state) { run(state, true); }
void BM_TwelvePlusFiveDocument(benchmark::State& state) { run(state, false); }

BENCHMARK(BM_TwelvePlusFiveShown)
    ->ArgName("journal")
    ->Arg(None)
    ->Arg(Following)
    ->Arg(WrittenEveryPress)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TwelvePlusFiveDocument)
    ->ArgName("journal")
    ->Arg(None)
    ->Arg(Following)
    ->Arg(WrittenEveryPress)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace
