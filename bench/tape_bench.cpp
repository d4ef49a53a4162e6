// The Tape under the calculator's load: one "12 + 5 =" record with the reads the calculator
// makes, on an empty Tape, on one of 100 lines and on one of 100 000 lines, and saving plus
// loading 10 000 lines as RTF. A record on a Tape that holds lines also writes the separator
// line, so the 100-line figure is what the 100 000-line one should match; both should stay
// within 1.5 times the empty Tape's. 100 350 lines leave the last section two lines short of
// full, so every record there also opens a new section: the worst case. Handing a Tape of
// 10 000 lines to the word processor (building and writing "Temp.fodt", inline or as a frame)
// should take under 200 ms.
#include "tape/documentlauncher.h"
#include "tape/rtfdocument.h"
#include "tape/tapedocument.h"
#include "tape/tapeexport.h"
#include "tools/silentdialogs.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include "fastest.h"

#include <benchmark/benchmark.h>
#include <algorithm>
#include <chrono>

namespace {

void fill(TapeDocument& tape, int lines) {
    for (int i = 0; i < lines; ++i) {
        tape.SetColour(i % 7 == 0 ? Tape::Red : i % 5 == 0 ? Tape::Green : Tape::Black);
        tape.AppendLine(QStringLiteral("%1,%2 +").arg(i * 37).arg(i % 100, 2, 10, QChar(u'0')));
        if (i % 1000 == 0) tape.ClearUndo();
    }
    tape.ClearUndo();
}

// What "12 + 5 =" does to the Tape: the first-operand line after the separator check, then the
// operand line, the dash line sized by the last line, and the total with the subtotal check.
void record(TapeDocument& tape) {
    tape.ClearUndo();
    tape.SetBold(true);
    tape.SetColour(Tape::Black);
    if (tape.LineCount() > 1) tape.AppendLine(QString());
    else if (tape.Line(0).isEmpty()) tape.Clear();
    tape.AppendLine(QStringLiteral("12 ^"));
    tape.ClearUndo();
    tape.AppendLine(QStringLiteral("5 +"));
    const qsizetype n = std::max<qsizetype>(2, tape.Line(tape.LineCount() - 1).size());
    tape.AppendLine(QString(n / 2 + 1, QChar(0x2014)));
    tape.AppendLine(QStringLiteral("17 T"));
    const bool subtotal = tape.Line(tape.LineCount() - 1).endsWith(u'S');
    benchmark::DoNotOptimize(subtotal);
}

// "Rückgängig" walking the record back line by line.
void undo(TapeDocument& tape, int linesBefore) {
    while (tape.LineCount() > linesBefore) tape.DeleteLastLine();
}

// The record alone is timed; walking it back (so every record meets the same Tape) is timed
// in BM_TwelvePlusFiveAndUndo.
void BM_TwelvePlusFive(benchmark::State& state) {
    TapeDocument tape;
    fill(tape, static_cast<int>(state.range(0)));
    const int before = tape.LineCount();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        record(tape);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        undo(tape, before);
    }
}
BENCHMARK(BM_TwelvePlusFive)
    ->Arg(0)
    ->Arg(100)
    ->Arg(100000)
    ->Arg(100350)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Apply(fastestOfFive);

void BM_TwelvePlusFiveAndUndo(benchmark::State& state) {
    TapeDocument tape;
    fill(tape, static_cast<int>(state.range(0)));
    const int before = tape.LineCount();
    for (auto _ : state) {
        record(tape);
        undo(tape, before);
    }
}
BENCHMARK(BM_TwelvePlusFiveAndUndo)->Arg(0)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_SaveLoadRtf(benchmark::State& state) {
    TapeDocument tape;
    fill(tape, static_cast<int>(state.range(0)));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tape.rtf"));
    for (auto _ : state) {
        {
            QFile out(path);
            if (!out.open(QIODevice::WriteOnly)) state.SkipWithError("cannot write");
            out.write(tape.toRtf());
        }
        QFile in(path);
        if (!in.open(QIODevice::ReadOnly)) state.SkipWithError("cannot read");
        TapeDocument loaded;
        loaded.replaceContent(rtf::read(in.readAll()));
        if (loaded.LineCount() != tape.LineCount()) state.SkipWithError("lines lost");
    }
}
BENCHMARK(BM_SaveLoadRtf)->Arg(10000)->Unit(benchmark::kMillisecond);

struct NoLauncher : DocumentLauncher {
    bool open(const QString&) override { return true; }
};

// Range 1: 0 inline, 1 as a frame.
void BM_ExportTransferFile(benchmark::State& state) {
    TapeDocument tape;
    fill(tape, static_cast<int>(state.range(0)));
    QTemporaryDir dir;
    SilentDialogs dialogs;
    NoLauncher launcher;
    TapeExport exporter(tape, dialogs, dir.path());
    exporter.setLauncher(&launcher);
    exporter.TextBox = state.range(1) == 1;
    for (auto _ : state)
        if (!exporter.exportTape()) state.SkipWithError("not written");
}
BENCHMARK(BM_ExportTransferFile)->Args({10000, 0})->Args({10000, 1})->Unit(benchmark::kMillisecond);

}  // namespace
