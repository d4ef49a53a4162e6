#include "core/calculator.h"
#include "panels/trigpanel.h"
#include "plotter/plotter.h"
#include "plotter/trigplotteradapter.h"
#include "support/scripteddialogs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);
constexpr long double kPi = std::numbers::pi_v<long double>;

class TrigPictures : public ::testing::Test {
protected:
    ScriptedDialogs dialogs;
    Calculator calc{dialogs};
    Plotter plot{calc, dialogs};

    // The state the trigonometry panel publishes for an angle in degrees.
    void angle(long double degrees, int panelFunction) {
        const long double r = degrees * kPi / 180;
        plot.TrigAngle = r;
        plot.TrigDegrees = degrees;
        plot.TrigSin = std::sin(r);
        plot.TrigCos = std::cos(r);
        plot.TrigTan = plot.TrigSin / plot.TrigCos;
        plot.TrigCot = plot.TrigCos / plot.TrigSin;
        calc.PanelFunction = panelFunction;
        plot.DrawGraph();
    }
    QColor at(QPoint p) const { return plot.Image1.pixelColor(p); }
    int px(long double v) const { return static_cast<int>(std::nearbyint(v)); }
};

TEST_F(TrigPictures, SixReadouts) {
    struct Case {
        long double degrees;
        const char* readouts[6];
    } const cases[] = {
        {0, {"     0.00000000", "     1.00000000", "     0.00000000", "    ~", "     1.00000000", "    ~"}},
        {30,
         {"     0.50000000", "     0.86602540", "     0.57735027", "     1.73205081", "     1.15470054",
          "     2.00000000"}},
        {225,
         {"    -0.70710678", "    -0.70710678", "     1.00000000", "     1.00000000", "    -1.41421356",
          "    -1.41421356"}},
    };
    for (const Case& c : cases) {
        angle(c.degrees, 1);
        if (c.degrees == 0) plot.TrigSin = 0;  // exactly, as the panel publishes it
        plot.DrawGraph();
        for (int i = 0; i < 6; ++i) EXPECT_EQ(plot.TrigReadouts[i], c.readouts[i]) << c.degrees << "° readout " << i;
    }
}

TEST_F(TrigPictures, PeriodsBeyondOneTurn) {
    struct Case {
        long double degrees;
        int periods, rest;
    } const cases[] = {{450, 1, 90}, {-450, -1, -90}, {360, 0, 0}, {360.5L, 0, 0}, {1000.7L, 2, 280}};
    for (const Case& c : cases) {
        angle(c.degrees, 1);
        EXPECT_EQ(plot.AnglePeriods, c.periods) << c.degrees;
        EXPECT_EQ(plot.AngleRest, c.rest) << c.degrees;
    }
    angle(450, 1);
    bool text = false;  // "1 Periode(n) + 90°" in the lower right
    for (int x = 215; x < 320; ++x)
        for (int y = 385; y < 400; ++y) text |= at({x, y}) == kBlack;
    EXPECT_TRUE(text);
}

// The red segment of each function, in each quadrant, halfway along.
TEST_F(TrigPictures, ConstructionsPerQuadrant) {
    const int c = 200, R = 100;
    for (long double degrees : {30.0L, 120.0L, 210.0L, 300.0L}) {
        for (int pf = 1; pf <= 6; ++pf) {
            angle(degrees, pf);
            const int cx = px(R * plot.TrigCos), sy = px(-R * plot.TrigSin);
            const int t = px(R * std::fabs(plot.TrigTan)), k = px(R * std::fabs(plot.TrigCot));
            const int up = plot.TrigSin > 0 ? -1 : 1, right = plot.TrigCos > 0 ? 1 : -1;
            QPoint mid;
            switch (pf) {
            case 1: mid = {c + cx, c + sy / 2}; break;
            case 2: mid = {c + cx / 2, c}; break;
            case 3: mid = {c + R, c + up * t / 2}; break;
            case 4: mid = {c + right * k / 2, c - R}; break;
            case 5: mid = {c + right * R / 2, c + up * t / 2}; break;
            case 6: mid = {c + right * k / 2, c + up * R / 2}; break;
            }
            bool red = false;
            for (int dx = -1; dx <= 1; ++dx)
                for (int dy = -1; dy <= 1; ++dy) red |= at(mid + QPoint(dx, dy)) == kRed;
            EXPECT_TRUE(red) << degrees << "° function " << pf;
        }
    }
    angle(120, 3);  // the computed value lies below the axis: dotted line and legend
    bool legend = false;
    for (int x = 4; x <= 46; ++x) legend |= at({x, 394}) == kBlack;
    EXPECT_TRUE(legend);
    angle(30, 3);
    legend = false;
    for (int x = 4; x <= 46; ++x) legend |= at({x, 394}) == kBlack;
    EXPECT_FALSE(legend);
}

TEST_F(TrigPictures, HyperbolicCurvesAndTheirCrosses) {
    plot.Hyp = true;
    plot.ScaleIndex = 4;  // "5": 40 pixels per unit
    struct Case {
        int pf;
        QPoint onCurve, crossArm;
    } const cases[] = {
        {1, {160, 200 + 47}, {245, 200 - 47}},  // sinh 1 = 1,1752
        {2, {262, 240}, {267, 160}},            // cosh 1 = 1,5431, lying on its side
        {3, {160, 200 + 30}, {245, 200 - 30}},  // tanh 1 = 0,7616
    };
    for (const Case& c : cases) {
        plot.TrigAngle = 1;
        plot.HypY = c.pf == 1 ? std::sinh(1.0L) : std::tanh(1.0L);
        plot.CoshY = std::cosh(1.0L);
        calc.PanelFunction = c.pf;
        plot.DrawGraph();
        EXPECT_EQ(at(c.onCurve), kRed) << "curve " << c.pf;
        EXPECT_EQ(at(c.crossArm), kBlack) << "cross " << c.pf;
    }
    calc.PanelFunction = 2;
    plot.DrawGraph();
    EXPECT_EQ(at({240, 200}), kRed) << "cosh 0 = 1 on the x axis, opening to the right";
    EXPECT_EQ(at({180, 200}), kBlack) << "axes";
}

TEST_F(TrigPictures, LineReadoutAndTakingIt) {
    angle(30, 1);
    calc.WorkValue = 0.5L;
    plot.Edit1Change("2,5");
    EXPECT_EQ(plot.Edit1, "2.5");
    plot.DrawGraph();
    EXPECT_EQ(plot.Edit2, "1,25");

    plot.Edit1Click();
    EXPECT_EQ(calc.ActiveField, 4);
    EXPECT_EQ(plot.Edit2, "Weiter mit Esc / Enter");
    plot.Button2Click();
    EXPECT_EQ(calc.Operand1Text, "1.25");
    EXPECT_EQ(calc.Label1, "1,25");
    EXPECT_EQ(calc.Label4, "=");
    EXPECT_EQ(calc.ActiveField, 3);
    EXPECT_EQ(calc.PanelFunction, 0);

    plot.DrawGraph();
    EXPECT_EQ(plot.Edit2, "~") << "no function";
    plot.Button2Click();
    EXPECT_EQ(calc.Operand1Text, "1.25") << "a readout that is no number is not taken";

    angle(30, 1);
    calc.WorkValue = 1e4000L;
    plot.Edit1 = "1E4000";
    plot.DrawGraph();
    EXPECT_EQ(plot.Edit2, "~");
}

struct ShownAdapter : TrigPlotterAdapter {
    using TrigPlotterAdapter::TrigPlotterAdapter;
    bool plotterVisible() const override { return true; }
};

TEST_F(TrigPictures, PanelPublishesThroughTheAdapter) {
    TrigPanel panel(calc, dialogs);
    ShownAdapter adapter(plot, panel);
    panel.setPlotterHooks(&adapter);
    calc.Operand1Text = "1";
    panel.HypClicked(true);
    EXPECT_TRUE(plot.HyperbolicView && plot.Hyp);
    EXPECT_EQ(plot.XCaption, calc.Label4 + " =");
    EXPECT_EQ(plot.FxValue, calc.Label3);
    EXPECT_EQ(plot.HypY, panel.HypY);

    plot.HaltenClick(true);
    panel.HypClicked(false);
    EXPECT_FALSE(plot.HoldMode) << "the unit circle releases hold";
    calc.Operand1Text = "30";
    ASSERT_TRUE(panel.ApplyFunction(1));
    EXPECT_EQ(plot.TrigReadouts[5], "     2.00000000");
    EXPECT_EQ(at({200 + 87, 200 - 25}), kRed) << "the sine line";
}

}  // namespace
