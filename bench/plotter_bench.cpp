// A full redraw of the plotter surface: DrawGraph with grid and labels for the four formulas of
// the parser benchmark at scale 5 and 200, and three curves in hold mode. Budget: well under one
// frame (16 ms) for a redraw; one curve is 400 evaluations and their lines.
#include "core/calculator.h"
#include "tools/silentdialogs.h"
#include "parser/mathparser.h"
#include "plotter/intersectionsearch.h"
#include "plotter/plotter.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

const char* const kFormulas[] = {"x^2-3", "sin(x)^2+cos(x)*x", "sqrt(abs(x))+ln(x^2+1)", "(x+1)*(x-1)/(x^2+2)"};

struct Panel : PlotterFunctionSource {
    QString formula;
    QStringList history;
    QString currentFormula() const override { return formula; }
    int historyIndex(const QString& f) const override { return static_cast<int>(history.indexOf(f)); }
};

struct Surface {
    SilentDialogs dialogs;
    Calculator calc{dialogs};
    Panel panel;
    Plotter plotter{calc, dialogs};
    Surface(int scale) {
        plotter.setFunctionSource(&panel);
        calc.PanelFunction = 7;
        calc.Operand1Text = calc.Label1 = QStringLiteral("1");
        plotter.Gitter2 = true;
        plotter.ScaleIndex = static_cast<int>(plotscale::ScaleItems().indexOf(QString::number(scale)));
    }
};

void DrawOneCurve(benchmark::State& state) {
    Surface s(static_cast<int>(state.range(1)));
    s.panel.formula = QString::fromLatin1(kFormulas[state.range(0)]);
    for (auto _ : state) s.plotter.DrawGraph();
    state.SetLabel(kFormulas[state.range(0)]);
}
BENCHMARK(DrawOneCurve)->ArgsProduct({{0, 1, 2, 3}, {5, 200}})->Unit(benchmark::kMicrosecond);

// Three curves: the first erases and draws the grid, the next two are added in hold mode.
void DrawThreeCurves(benchmark::State& state) {
    Surface s(5);
    s.panel.history = {kFormulas[0], kFormulas[1], kFormulas[2]};
    for (auto _ : state) {
        s.plotter.HoldMode = false;
        s.plotter.PlotSequence.clear();
        for (int i = 0; i < 3; ++i) {
            s.panel.formula = QString::fromLatin1(kFormulas[i]);
            s.plotter.RecordFormula(s.panel.formula);
            s.plotter.DrawGraph();
            s.plotter.HoldMode = true;
        }
    }
}
BENCHMARK(DrawThreeCurves)->Unit(benchmark::kMicrosecond);

// The intersection search at N = 200 with "Dreifache Auflösung": -600 … 600, up to 120 001 points
// per term in the coarse scan. Budget: 8 ms. Argument 1 screens the scan in double precision.
const char* const kPairs[][2] = {{"sin(x)", "cos(x)"}, {"sqrt(abs(x))+ln(x^2+1)", "0,5"}, {"(x+1)*(x-1)/(x^2+2)", "1"}};

void SearchDreifach200(benchmark::State& state) {
    const auto& pair = kPairs[state.range(0)];
    TMathParser parser;
    TCompiledFormula t1 = parser.Compile(pair[0]);
    TCompiledFormula t2 = parser.Compile(pair[1]);
    IntersectionSearch search;
    search.Screening = state.range(1) == 1;
    const bool parallelTest = !QString(pair[0]).contains("sqrt");
    for (auto _ : state) benchmark::DoNotOptimize(search.Run(t1, t2, -600, 600, parallelTest));
    state.SetLabel(std::string(pair[0]) + " | " + pair[1] + (search.Screening ? " screened" : " 80-bit"));
}
BENCHMARK(SearchDreifach200)->ArgsProduct({{0, 1, 2}, {0, 1}})->Unit(benchmark::kMillisecond);

}  // namespace
