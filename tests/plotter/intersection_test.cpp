#include "core/calculator.h"
#include "parser/mathparser.h"
#include "plotter/intersectionsearch.h"
#include "plotter/plotter.h"
#include "support/scripteddialogs.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct FakePanel : PlotterFunctionSource {
    QString formula;
    QString currentFormula() const override { return formula; }
};

struct CountingWindow : PlotterWindowHooks {
    int busy = 0, maxBusy = 0;
    void setBusy(bool on) override {
        busy += on ? 1 : -1;
        maxBusy = std::max(maxBusy, busy);
    }
};

class Search : public ::testing::Test {
protected:
    ScriptedDialogs dialogs;
    Calculator calc{dialogs};
    FakePanel panel;
    CountingWindow window;
    Plotter plot{calc, dialogs};

    Search() {
        plot.setFunctionSource(&panel);
        plot.setWindowHooks(&window);
        calc.PanelFunction = 7;
        calc.Label1.clear();
        plot.ShowFunctionLabels();
    }

    // term1 held, term2 drawn, "SP" checked.
    void run(const QString& held, const QString& drawn, int scale, Plotter::RangeChoice range) {
        plot.ScaleIndex = static_cast<int>(plotscale::ScaleItems().indexOf(QString::number(scale)));
        panel.formula = held;
        plot.DrawGraph();
        plot.HaltenClick(true);
        plot.SnPClick(true);
        panel.formula = drawn;
        plot.RecordFormula(drawn);
        plot.SearchRange = range;
        if (range != Plotter::Frei) {
            static const long double starts[] = {-1, -2, -3, -1, 0};
            static const long double ends[] = {1, 2, 3, 0, 1};
            plot.SearchStart = starts[range];
            plot.SearchEnd = ends[range];
        }
        plot.DrawGraph();
    }
};

TEST_F(Search, ResultsAsTheUserReadsThem) {
    struct Case {
        const char* name;
        const char *held, *drawn;
        int scale;
        Plotter::RangeChoice range;
        const char *caption, *readout1;
        int second;  // -1: rounding decides
    } const cases[] = {
        {"parallel parabolas", "x^2", "x^2+1", 5, Plotter::Dreifach, "P", "x = 0,   y2 - y1 = 1", false},
        {"-x^2 is the square of -x", "x^2", "-x^2-1", 5, Plotter::Dreifach, "P", "x = 0,   y2 - y1 = 1", false},
        {"closest point", "x^2", "0-x^2-1", 5, Plotter::Dreifach, "NP", "x = 0,   y1 = 0,  y2 = -1", false},
        {"up to zero only", "x^2", "x+2", 5, Plotter::BisNull, "SP", "x =  -1,   y = 1", false},
        {"a later touch is no second point", "x^2", "2*x", 5, Plotter::Dreifach, "SP", "x =  0,   y = 0", false},
        // The start of "Ab Null" is the first candidate; refining it stays inside the range.
        {"edge candidate stays in range", "x^2", "x+2", 5, Plotter::AbNull, "NP", "x = 0,   y1 = 0,  y2 = 2", true},
        {"no valid point", "ln(x)", "x", 5, Plotter::BisNull, "SP", "Kein Wert im Suchbereich", false},
        {"failing parallel test is not parallel", "1/x", "1/x+1", 5, Plotter::Einfach, "NP", nullptr, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        plot.HaltenClick(false);
        run(c.held, c.drawn, c.scale, c.range);
        EXPECT_EQ(plot.SnPCaption, c.caption);
        if (c.readout1) {
            EXPECT_EQ(plot.Result1, c.readout1);
        }
        if (c.second >= 0) {
            EXPECT_EQ(plot.Result2Visible, c.second == 1);
            EXPECT_EQ(plot.Take2Visible, c.second == 1);
        }
        EXPECT_TRUE(plot.Take1Visible && plot.Mark1Visible && plot.RangeMenuVisible);
        EXPECT_EQ(calc.Caption, "Kalkulo (R1)") << "caption restored";
        EXPECT_EQ(window.busy, 0) << "cursor restored";
    }
    EXPECT_EQ(window.maxBusy, 1);
    plot.HaltenClick(false);
    run("x^2", "x+2", 5, Plotter::AbNull);
    EXPECT_NEAR(static_cast<double>(plot.Intersection2X), 2, 1e-9);
    EXPECT_EQ(plot.Result2, "x2 =  2,   y2 = 4");
}

TEST_F(Search, HintsAndAFarRangeThatEnds) {
    run("x^2", "x^2+1", 5, Plotter::Dreifach);
    EXPECT_EQ(plot.SnPHint, "Paralell (Differenz zwischen \"y1\" und \"y2\" bei Null wird angezeigt)");
    plot.HaltenClick(false);
    run("x^2", "0-x^2-1", 5, Plotter::Dreifach);
    EXPECT_EQ(plot.SnPHint, "\"Nähepunkt\" (kleinste Differenz zwischen \"y\")");

    // Beyond 2048 a step of 1e-16 no longer moves x: the refinement must still end.
    plot.HaltenClick(false);
    plot.SearchStart = 3000;
    plot.SearchEnd = 3001;
    run("x", "3000,123", 5, Plotter::Frei);
    EXPECT_EQ(plot.SnPCaption, "SP");
    EXPECT_NEAR(static_cast<double>(plot.Intersection1X), 3000.123, 1e-9);
}

TEST_F(Search, UnchangedInputsReuseTheLastResult) {
    run("sin(x)", "cos(x)", 5, Plotter::Dreifach);
    const QString first = plot.Result1;
    plot.Search.Screening = false;  // a new search would still agree; only a reuse keeps the busy count
    const int before = window.maxBusy;
    window.maxBusy = 0;
    plot.DrawGraph();
    EXPECT_EQ(window.maxBusy, 0) << "no new search";
    EXPECT_EQ(plot.Result1, first);
    plot.ComboBox1Change(9);  // a wider range searches again
    EXPECT_EQ(window.maxBusy, 1);
    EXPECT_EQ(before, 1);
}

// Screening in double precision must not change any result.
TEST(SearchScreening, SameResultsAsPure80Bit) {
    const char* const pairs[][2] = {
        {"sin(x)", "cos(x)"},
        {"sqrt(abs(x))+ln(x^2+1)", "0,5"},
        {"(x+1)*(x-1)/(x^2+2)", "1"},
        {"x^2", "x+2"},
        {"x^2", "2*x"},
        {"tan(x)", "x"},
        {"floor(x)", "x/2"},
        {"1/x", "x"},
        {"sqrt(x)", "1-x"},
    };
    const long double ranges[][2] = {{-1, 1}, {-2, 2}, {-3, 3}, {-1, 0}, {0, 1}};
    TMathParser parser;
    for (int scale : {1, 5, 15, 200}) {
        for (const auto& pair : pairs) {
            // The costly sine pair at 200 only over the widest range.
            TCompiledFormula t1 = parser.Compile(pair[0]);
            TCompiledFormula t2 = parser.Compile(pair[1]);
            for (int r = 0; r < 6; ++r) {
                const long double start = r < 5 ? ranges[r][0] * scale : -7.3L;
                const long double end = r < 5 ? ranges[r][1] * scale : 11.2L;
                const bool parallelTest = !QString(pair[0]).contains("sqrt") && !QString(pair[0]).contains("ln");
                IntersectionSearch exact, screened;
                exact.Screening = false;
                const IntersectionResult a = exact.Run(t1, t2, start, end, parallelTest);
                const IntersectionResult b = screened.Run(t1, t2, start, end, parallelTest);
                EXPECT_TRUE(a == b) << pair[0] << " | " << pair[1] << " N=" << scale << " range " << r << ": "
                                    << static_cast<double>(a.x1) << " vs " << static_cast<double>(b.x1);
            }
        }
    }
}

}  // namespace
