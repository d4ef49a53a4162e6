#include "plotter/plotter.h"

#include "core/calculator.h"
#include "support/qtprinters.h"
#include "support/scripteddialogs.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);
const QColor kGrey(128, 128, 128);
const QColor kGrid(239, 239, 239);

struct FakePanel : PlotterFunctionSource {
    QString formula;
    QString constants[3];
    QStringList history;
    QString currentFormula() const override { return formula; }
    QString constantText(int index) const override { return constants[index]; }
    int historyIndex(const QString& f) const override { return static_cast<int>(history.indexOf(f)); }
};

class PlotterTest : public ::testing::Test {
protected:
    ScriptedDialogs dialogs;
    Calculator calc{dialogs};
    FakePanel panel;
    Plotter plot{calc, dialogs};

    PlotterTest() {
        plot.setFunctionSource(&panel);
        calc.PanelFunction = 7;
        calc.Label1.clear();  // no marker unless a test types a first operand
    }

    void draw(const QString& formula, int scale) {
        panel.formula = formula;
        plot.ScaleIndex = static_cast<int>(plotscale::ScaleItems().indexOf(QString::number(scale)));
        plot.DrawGraph();
    }
    QColor at(int x, int y) const { return plot.Image1.pixelColor(x, y); }
    // Whether any pixel of the column between two rows has the colour.
    bool columnHas(int x, int top, int bottom, const QColor& colour) const {
        for (int y = top; y <= bottom; ++y)
            if (at(x, y) == colour) return true;
        return false;
    }
    bool boxHas(QRect box, const QColor& colour) const {
        for (int x = box.left(); x <= box.right(); ++x)
            if (columnHas(x, box.top(), box.bottom(), colour)) return true;
        return false;
    }
    // Row of value y at the current scale.
    int row(long double y) const { return 200 - static_cast<int>(std::nearbyint(plot.PixelsPerUnit * y)); }
};

TEST_F(PlotterTest, AxesGridTicksAndLabels) {
    draw("", 5);
    EXPECT_EQ(at(10, 200), kBlack);
    EXPECT_EQ(at(200, 10), kBlack);
    EXPECT_EQ(at(240, 50), kGrid) << "grid line through x = 1";
    EXPECT_EQ(at(50, 160), kGrid) << "grid line through y = 1";
    EXPECT_EQ(at(240, 198), kGrey) << "tick mark";
    EXPECT_EQ(at(240, 201), kGrey);
    EXPECT_EQ(at(240, 202), kGrid) << "tick marks end 2 pixels below the axis";
    EXPECT_TRUE(boxHas({234, 205, 10, 14}, kGrey)) << "label 1 below the x axis";
    EXPECT_TRUE(boxHas({204, 155, 10, 14}, kGrey)) << "label 1 right of the y axis";
    EXPECT_FALSE(boxHas({260, 205, 10, 14}, kGrey)) << "nothing between labels";
    EXPECT_EQ(at(220, 50), QColor(Qt::white)) << "no intermediate grid";

    plot.Gitter2Click(true);
    EXPECT_EQ(at(220, 50), kGrid) << "intermediate grid halfway";
    plot.GitterClick(false);
    EXPECT_FALSE(plot.Gitter2 || plot.Gitter2Enabled);
    EXPECT_EQ(at(240, 50), QColor(Qt::white));

    plot.ComboBox1Change(11);  // "15"
    EXPECT_EQ(plot.PixelsPerUnit, 13);
    EXPECT_EQ(at(265, 198), kGrey) << "ticks every 5 units, 65 pixels";
    EXPECT_TRUE(boxHas({259, 205, 10, 14}, kGrey));
}

TEST_F(PlotterTest, PenLiftsAtJumpsAndStartsAtDomainEdges) {
    // 1/x: the branches beside x = 0 jump by 400 at N = 1 (no join), by 40 at N = 10 (joined).
    draw("1/x", 1);
    EXPECT_FALSE(columnHas(200, 0, 399, kRed));
    draw("1/x", 10);
    EXPECT_TRUE(columnHas(200, 50, 350, kRed));
    EXPECT_EQ(at(240, row(0.5)), kRed) << "x = 2";

    // tan(x): up to the top edge and on from the bottom edge; no line across the pole at 1,57.
    for (const char* formula : {"tan(x)", "0-tan(x)"}) {
        draw(formula, 10);
        EXPECT_FALSE(columnHas(231, 10, 390, kRed)) << formula;
        EXPECT_FALSE(columnHas(232, 10, 390, kRed)) << formula;
        const long double y = std::tan(1.7L) * (QString(formula).startsWith('0') ? -1 : 1);
        EXPECT_EQ(at(234, row(y)), kRed) << formula;
    }

    draw("sqrt(x)", 5);
    EXPECT_EQ(at(201, 200), kRed) << "starts on the x axis";
    EXPECT_FALSE(columnHas(100, 0, 399, kRed)) << "nothing left of 0";
    draw("ln(x)", 5);
    EXPECT_EQ(at(201, 395), kRed) << "rises from the bottom edge";
    draw("arcsin(x)", 2);
    EXPECT_EQ(at(100, row(-3.14159265358979L / 2)), kRed) << "starts at its left end";
    EXPECT_FALSE(columnHas(99, 0, 399, kRed));
}

TEST_F(PlotterTest, DegreeModeSpansTwoPeriods) {
    draw("sin(x)", 4);
    EXPECT_TRUE(plot.GradRadVisible);
    plot.GradRadClick(true);
    EXPECT_EQ(plot.GradRadCaption, "G");
    EXPECT_EQ(plot.GradRadHint, "Berechnung in Grad (°)");
    plot.DrawGraph();
    EXPECT_EQ(plot.AngleFactor, 90);
    for (int column : {50, 250}) EXPECT_EQ(at(column, 150), kRed) << "sin = 1 at -270° and 90°";
    for (int column : {150, 350}) EXPECT_EQ(at(column, 250), kRed) << "sin = -1 at -90° and 270°";
    EXPECT_TRUE(boxHas({394, 205, 6, 14}, kGrey)) << "label 360";

    draw("x^2", 4);
    EXPECT_FALSE(plot.GradRadVisible || plot.GradRadDown);
    EXPECT_EQ(plot.angles().DegreeMode, 0);
    EXPECT_EQ(plot.GradRadCaption, "R");
}

TEST_F(PlotterTest, MarkerAtTheFirstOperandOrARequestedIntersection) {
    calc.Operand1Text = "2";
    calc.Label1 = "2";
    draw("x^2", 5);
    EXPECT_EQ(plot.MarkerY, 4);
    EXPECT_EQ(at(271, 40), kBlack);
    EXPECT_EQ(at(280, 31), kBlack);

    plot.Intersection1X = 1;
    plot.MarkRequest1 = true;
    plot.DrawGraph();
    EXPECT_FALSE(plot.MarkRequest1);
    EXPECT_EQ(at(233, 160), QColor(0, 0, 255));
    EXPECT_EQ(at(240, 152), QColor(0, 0, 255)) << "circle of radius 8";
}

TEST_F(PlotterTest, HoldModeKeepsCurvesAndColoursTheNewOne) {
    draw("x^2", 5);
    plot.HoldMode = true;
    plot.PlotSequence = {"x^2", "x+1"};
    panel.history = {"x^2", "x+1"};
    draw("x+1", 5);
    EXPECT_EQ(plot.Term1, "x^2");
    EXPECT_EQ(plot.Term2, "x+1");
    EXPECT_EQ(at(240, 160), kRed) << "the held curve stays";
    EXPECT_EQ(at(280, 80), QColor(0, 128, 0)) << "x+1 at x = 2, history index 1";

    plot.HoldMode = false;
    plot.RedrawGridOnly = true;
    plot.DrawGraph();
    EXPECT_EQ(at(10, 200), kGrey) << "axes redrawn grey";
    EXPECT_EQ(at(240, 160), QColor(239, 0, 0)) << "grid laid under the curve";
}

TEST_F(PlotterTest, BadConstantsAndHugeValues) {
    draw("x^2", 5);
    const QImage before = plot.Image1.copy();
    panel.constants[0] = "abc";
    draw("a*x", 10);
    EXPECT_EQ(dialogs.shown, QStringList({"'abc' ist kein gültiger Gleitkommawert"}));
    EXPECT_TRUE(plot.Image1 == before);
    EXPECT_EQ(plot.ScaleRange, 5);

    panel.constants[0] = "2";
    draw("a*x", 5);
    EXPECT_EQ(at(240, row(2)), kRed);

    calc.Operand1Text = "1E4000";
    calc.Label1 = "1E4000";
    for (const char* formula : {"(x)expe", "x^1000", "0-x^1000", "tan(x)*1E300"}) {
        for (int scale : {1, 200}) draw(formula, scale);
        EXPECT_EQ(dialogs.shown.size(), 1) << formula;
    }
}

}  // namespace
