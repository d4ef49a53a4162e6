// The unit panel under the calculator's load: a digit typed while a conversion is shown, which
// converts again, on an empty Tape and on one of 100 000 lines (the two should cost the same: the
// re-run never reads the Tape); and the panel's first opening inside a shown window, until it is
// painted, which should stay under 50 ms. The first opening of the process is what the user
// meets; later openings show the cost without Qt's one-time set-up.
#include "core/calculator.h"
#include "tools/silentdialogs.h"
#include "panels/views/tframe5.h"
#include "tape/tapedocument.h"

#include <QApplication>
#include <QPushButton>
#include "fastest.h"

#include <benchmark/benchmark.h>
#include <algorithm>
#include <chrono>

namespace {

class UnitHooks : public SidePanelHooks {
public:
    explicit UnitHooks(UnitPanel& panel) : panel_(panel) {}
    bool unitConversionPending() const override { return panel_.unitConversionPending(); }
    void recomputeUnitConversion() override { panel_.recomputeUnitConversion(); }
    void dropUnitConversion() override { panel_.dropUnitConversion(); }

private:
    UnitPanel& panel_;
};

void BM_DigitWithPendingConversion(benchmark::State& state) {
    TapeDocument tape;
    for (int i = 0; i < state.range(0); ++i) tape.AppendLine(QStringLiteral("%1,00 +").arg(i));
    tape.ClearUndo();
    SilentDialogs dialogs;
    Calculator calc(dialogs, &tape);
    UnitPanel panel(calc, dialogs);
    UnitHooks hooks(panel);
    calc.setSidePanelHooks(&hooks);
    calc.ApplyDisplaySettings(3, 0, 1, 0);
    calc.EnterDigit(u'1');
    calc.EnterDigit(u'2');
    panel.ShowPage(4);
    panel.ConvertClicked();
    for (auto _ : state) {
        calc.Operand1Text = QStringLiteral("12");
        const auto start = std::chrono::steady_clock::now();
        calc.EnterDigit(u'3');
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    if (calc.Label3 != QStringLiteral("76,4286566451921")) state.SkipWithError("wrong conversion");
}
BENCHMARK(BM_DigitWithPendingConversion)
    ->Arg(0)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Apply(fastestOfFive);

// Opening the panel below the keypad of a shown window, until it is painted.
void BM_OpenPanel(benchmark::State& state) {
    SilentDialogs dialogs;
    Calculator calc(dialogs);
    UnitPanel panel(calc, dialogs);
    QWidget window;
    window.resize(249, 602);
    (new QPushButton(QStringLiteral("="), &window))->setGeometry(168, 380, 73, 30);
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        auto* frame = new TFrame5(panel, &window);
        frame->move(0, 412);
        frame->OpenPanel();
        frame->show();
        frame->repaint();
        QApplication::processEvents();
        state.PauseTiming();
        delete frame;
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenPanel)->Name("BM_OpenPanel/first")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenPanel)->Name("BM_OpenPanel/again")->Unit(benchmark::kMillisecond);

}  // namespace
