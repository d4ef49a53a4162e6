// The converter while the user types: one key into an amount field of the shown panel (key press
// and release events, the live conversion, the panel re-rendered), the engine's part of it alone,
// and "12 + 5 =" in currency format with the converter wired (hand-over and second-currency line)
// on a Tape of 100 and of 100 000 lines; the long Tape should cost no more than 1.5 times the
// short one.
#include "core/calculator.h"
#include "tools/silentdialogs.h"
#include "currency/currencyconverter.h"
#include "currency/views/tframe3.h"
#include "currency/views/converteredit.h"
#include "tape/tapedocument.h"

#include <QApplication>
#include <QKeyEvent>
#include "fastest.h"

#include <benchmark/benchmark.h>
#include <algorithm>
#include <chrono>

namespace {

struct Wired {
    SilentDialogs dialogs;
    Calculator calc{dialogs};
    CurrencyConverter conv{calc, dialogs};
    Wired() {
        calc.ApplyDisplaySettings(2, 2, 1, 0);
        calc.setConverterHooks(&conv);
        conv.StartFirstRun();
        conv.SetVisible(true);
    }
};

// Types "5" and deletes it again in turn, so the amount stays short however long the run.
void typeKey(QWidget* field, bool digit) {
    const int key = digit ? Qt::Key_5 : Qt::Key_Backspace;
    const QString text = digit ? QStringLiteral("5") : QStringLiteral("\b");
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(field, &press);
    QApplication::sendEvent(field, &release);
}

void BM_KeyInShownAmountField(benchmark::State& state) {
    Wired w;
    TFrame3 frame(w.conv, w.dialogs);
    frame.show();
    frame.Edit2->setFocus();
    frame.Edit2->setText(QStringLiteral("1234"));
    bool digit = true;
    for (auto _ : state) {
        typeKey(frame.Edit2, digit);
        digit = !digit;
    }
    if (frame.Edit3->text().isEmpty()) state.SkipWithError("nothing converted");
}
BENCHMARK(BM_KeyInShownAmountField)->Unit(benchmark::kMicrosecond);

void BM_EngineKeyRelease(benchmark::State& state) {
    Wired w;
    const QString texts[] = {QStringLiteral("1234"), QStringLiteral("12345")};
    int i = 0;
    for (auto _ : state) {
        w.conv.AmountKeyReleased(CurrencyConverter::AmountField::Left, texts[i ^= 1], false);
        benchmark::DoNotOptimize(w.conv.Edit3);
    }
}
BENCHMARK(BM_EngineKeyRelease)->Unit(benchmark::kMicrosecond);

void fill(TapeDocument& tape, int lines) {
    for (int i = 0; i < lines; ++i) {
        tape.AppendLine(QStringLiteral("%1,%2 +").arg(i * 37).arg(i % 100, 2, 10, QChar(u'0')));
        if (i % 1000 == 0) tape.ClearUndo();
    }
    tape.ClearUndo();
}

void BM_TwelvePlusFiveInCurrency(benchmark::State& state) {
    Wired w;
    TapeDocument tape;
    fill(tape, static_cast<int>(state.range(0)));
    w.calc.setTape(&tape);
    const int before = tape.LineCount();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        w.calc.ClearFields();
        for (QChar k : QStringLiteral("12")) w.calc.EnterDigit(k);
        w.calc.PressOperator(u'+');
        w.calc.EnterDigit(u'5');
        w.calc.PressEquals();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (!tape.Line(tape.LineCount() - 1).startsWith(QStringLiteral("DM "))) state.SkipWithError("no second line");
        while (tape.LineCount() > before) tape.DeleteLastLine();
    }
}
BENCHMARK(BM_TwelvePlusFiveInCurrency)
    ->Arg(100)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Apply(fastestOfFive);

}  // namespace
