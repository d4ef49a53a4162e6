// The Tape panel as the user sees it: "12 + 5 =" written into the shown panel and painted, on an
// empty Tape, on one of 100 lines and on one of 100 000 lines, which should cost the same as the
// 100-line one, and on one of 100 350 lines, where every record also opens a new section. The
// panel follows the end of the strip, so every record is laid out and painted.
#include "tools/silentdialogs.h"
#include "tape/rtfdocument.h"
#include "tape/views/tframe4.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

void record(Tape& tape) {
    tape.ClearUndo();
    if (tape.LineCount() > 1) tape.AppendLine(QString());
    else if (tape.Line(0).isEmpty()) tape.Clear();
    for (const char* line : {"12 ^", "5 +", "———", "17 T"}) tape.AppendLine(QString::fromUtf8(line));
}

void BM_TwelvePlusFiveShown(benchmark::State& state) {
    QTemporaryDir dir;
    SilentDialogs dialogs;
    TapeDocument tape;
    TFrame4 frame(tape, dialogs, nullptr, nullptr, dir.path());
    frame.show();
    for (int i = 0; i < state.range(0); ++i) tape.AppendLine(QStringLiteral("%1,00 +").arg(i));
    tape.ClearUndo();
    QApplication::processEvents();
    const int before = tape.LineCount();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        record(tape);
        QApplication::processEvents();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        while (tape.LineCount() > before) tape.DeleteLastLine();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_TwelvePlusFiveShown)
    ->Arg(0)
    ->Arg(100)
    ->Arg(100000)
    ->Arg(100350)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// Opening a file of 100 000 lines into the shown panel, until it is painted.
void BM_OpenLongTapeShown(benchmark::State& state) {
    QTemporaryDir dir;
    SilentDialogs dialogs;
    TapeDocument tape;
    TFrame4 frame(tape, dialogs, nullptr, nullptr, dir.path());
    frame.show();
    rtf::Document file;
    file.plain = true;
    for (int i = 0; i < state.range(0); ++i) {
        rtf::Paragraph line;
        line.runs.push_back({QStringLiteral("%1,00 +").arg(i), {}});
        file.paragraphs.push_back(line);
    }
    for (auto _ : state) {
        frame.tape().replaceContent(file);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_OpenLongTapeShown)->Arg(100000)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
