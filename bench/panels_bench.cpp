// The side panels under the calculator's load: a digit typed while a trigonometric function is
// pending (the panel computes again), and "12 + 5 =" with the tax panel recomputing after the
// result. Each on an empty Tape, on one of 100 and on one of 100 000 lines; the long Tape should
// stay within 1.5 times the empty one. A record on a Tape that holds lines also writes the
// separator line, so the 100-line figure is the fair partner of the 100 000-line one. Two Tapes: a plain in-memory strip (the calculator and the panels
// alone) and the rich-text document the Tape panel shows.
#include "core/calculator.h"
#include "tools/silentdialogs.h"
#include "panels/taxpanel.h"
#include "panels/trigpanel.h"
#include "tape/tapedocument.h"

#include <QGuiApplication>
#include <QStringList>
#include "fastest.h"

#include <benchmark/benchmark.h>
#include <algorithm>
#include <chrono>

namespace {

// A strip of plain lines behind the Tape interface.
class StripTape : public Tape {
public:
    bool Visible() const override { return true; }
    int LineCount() const override { return static_cast<int>(lines_.size()); }
    QString Line(int index) const override { return lines_.value(index); }
    QString Text() const override { return lines_.join(u'\n'); }
    void AppendLine(const QString& text) override { lines_.append(text); }
    void AppendToLastLine(const QString& text) override {
        if (!lines_.isEmpty()) lines_.last() += text;
    }
    void DeleteLastLine() override {
        if (!lines_.isEmpty()) lines_.removeLast();
    }
    void Clear() override { lines_.clear(); }
    void ClearUndo() override {}
    void SetBold(bool) override {}
    void SetColour(uint32_t) override {}
    void SetSize(int) override {}
    void SetAlignment(Alignment) override {}
    void SetFontName(const QString&) override {}

private:
    QStringList lines_;
};

struct Router : SidePanelHooks {
    TrigPanel* trig = nullptr;
    TaxPanel* tax = nullptr;
    void rerunPanelFunction(int panelFunction) override { trig->Rerun(panelFunction); }
    void recomputeTax() override { tax->RecomputeTax(); }
    void recomputeTaxFromOperand() override { tax->RecomputeTaxFromOperand(); }
};

template <typename T>
struct Setup {
    SilentDialogs dialogs;
    T tape;
    Calculator calc{dialogs, &tape};
    TrigPanel trig{calc, dialogs};
    TaxPanel tax{calc, dialogs};
    Router router;

    explicit Setup(int lines) {
        if constexpr (std::is_same_v<T, TapeDocument>) tape.setVisible(true);
        for (int i = 0; i < lines; ++i) tape.AppendLine(QStringLiteral("%1,%2 +").arg(i * 37).arg(i % 100));
        tape.ClearUndo();
        router.trig = &trig;
        router.tax = &tax;
        calc.setSidePanelHooks(&router);
    }
};

double seconds(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

template <typename T>
void BM_DigitWithPendingSin(benchmark::State& state) {
    Setup<T> s(static_cast<int>(state.range(0)));
    s.calc.EnterDigit(u'3');
    s.trig.ApplyFunction(1);
    for (auto _ : state) {
        s.calc.Operand1Text = QStringLiteral("3");
        s.calc.EnterDigit(u'0');
        if (s.calc.Label3 != QStringLiteral("0,5")) state.SkipWithError("sin 30 is not 0,5");
    }
}

template <typename T>
void BM_EqualsWithTaxPanel(benchmark::State& state) {
    Setup<T> s(static_cast<int>(state.range(0)));
    const int before = s.tape.LineCount();
    for (auto _ : state) {
        s.calc.ClearFields();
        s.calc.EnterDigit(u'1');
        s.calc.EnterDigit(u'2');
        s.calc.PressOperator(u'+');
        s.calc.EnterDigit(u'5');
        const auto start = std::chrono::steady_clock::now();
        s.calc.PressEquals();
        state.SetIterationTime(seconds(start));
        if (s.tax.Edit2 != QStringLiteral("20,23")) state.SkipWithError("17 at 19 % is not 20,23");
        while (s.tape.LineCount() > before) s.tape.DeleteLastLine();
    }
}

// "=" alone is timed; the keys before it and taking
// its lines off again (so every record meets the same Tape) are not.
template <typename B>
void configure(B* b, bool manualTime) {
    if (manualTime) b->UseManualTime();
    b->Arg(0)->Arg(100)->Arg(100000)->Unit(benchmark::kMicrosecond);
    fastestOfFive(b);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    configure(benchmark::RegisterBenchmark("DigitWithPendingSin/Strip", BM_DigitWithPendingSin<StripTape>), false);
    configure(benchmark::RegisterBenchmark("DigitWithPendingSin/TapeDocument", BM_DigitWithPendingSin<TapeDocument>),
              false);
    configure(benchmark::RegisterBenchmark("EqualsWithTaxPanel/Strip", BM_EqualsWithTaxPanel<StripTape>), true);
    configure(benchmark::RegisterBenchmark("EqualsWithTaxPanel/TapeDocument", BM_EqualsWithTaxPanel<TapeDocument>),
              true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
