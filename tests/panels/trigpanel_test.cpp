#include "panelsfixture.h"

#include <cmath>
#include <vector>

namespace {
const QString kTan = "Tangens für diesen Winkel ist unendlich";
const QString kCot = "Kotangens für diesen Winkel ist unendlich";
const QString kSec = "Sekans für diesen Winkel ist unendlich";
const QString kCsc = "Kosekans für diesen Winkel ist unendlich";
const QString kReciprocal = "Zahl muß mindestens 1 oder kleiner als -1 sein";
}  // namespace

TEST_F(PanelsTest, EachBranchGivesItsValueAndMarksOrItsMessage) {
    enum Flags { None = 0, Rad = 1, Arc = 2, Hyp = 4, Plotter = 8 };
    const struct {
        const char* name;
        int flags;
        const char* keys;  // the first operand
        int button;
        QString result, mark4, mark2;  // result empty: refused with `message`
        QString message = {};
    } cases[] = {
        {"30 Sin", None, "30", 1, "0,5", "°", "sin"},
        {"180 Sin", None, "180", 1, "0", "°", "sin"},
        {"90 Cos", None, "90", 2, "0", "°", "cos"},
        {"90 Tan", None, "90", 3, "", "", "", kTan},
        {"360 Tan", None, "360", 3, "0", "°", "tan"},
        {"450 Tan", None, "450", 3, "", "", "", kTan},
        {"90 Cot", None, "90", 4, "0", "°", "cot"},
        {"360 Cot", None, "360", 4, "", "", "", kCot},
        {"60 Sec", None, "60", 5, "2", "°", "sec"},
        {"-90 Sec", None, "90±", 5, "", "", "", kSec},
        {"30 Csc", None, "30", 6, "2", "°", "csc"},
        {"180 Csc", None, "180", 6, "", "", "", kCsc},
        {"π Sin in Rad", Rad, "p", 1, "0", "rad", "sin"},
        {"π Cot in Rad", Rad, "p", 4, "", "", "", kCot},
        {"π/2 as typed, Tan in Rad", Rad, "1,5707963267949", 3, "", "", "", kTan},
        {"Arc Sin 0,5", Arc, "0,5", 1, "30", "sin", "°"},
        {"Arc Sin 1,5", Arc, "1,5", 1, "", "", "", "Zahl darf nicht größer als 1 sein"},
        {"Arc Cos -1,5", Arc, "1,5±", 2, "", "", "", "Zahl darf nicht kleiner als -1 sein"},
        {"Arc Tan 1 in Rad", Arc | Rad, "1", 3, "0,785398163397448", "tan", "rad"},
        {"Arc Cot 0", Arc, "0", 4, "90", "cot", "°"},
        {"Arc Sec 0,5", Arc, "0,5", 5, "", "", "", kReciprocal},
        {"Arc Sec -1", Arc, "1±", 5, "180", "sec", "°"},
        {"Arc Csc 2", Arc, "2", 6, "30", "Csc", "°"},
        {"Hyp Sin 40, plotter hidden", Hyp, "40", 1, "1,1769263341851E17", "x", "sinh"},
        {"Hyp Sin 40, plotter shown", Hyp | Plotter, "40", 1, "", "", "",
         "Zahl darf nicht größer sein als 39.7 wenn Graf angezeigt wird!"},
        {"Hyp Sin 12000", Hyp, "12000", 1, "", "", "", "Zahl darf nicht größer als 11356 sein!"},
        {"Hyp Cos 0", Hyp, "0", 2, "1", "y", "cosh"},
        {"Hyp Arc Cos 1", Hyp | Arc, "1", 2, "0", "cosh", "y"},
        {"Hyp Arc Cos 0,5", Hyp | Arc, "0,5", 2, "", "", "", "Zahl muß größer oder gleich 1 sein"},
        {"Hyp Arc Tan 0,5", Hyp | Arc, "0,5", 3, "0,549306144334055", "tanh", "x"},
        {"Hyp Arc Tan 1", Hyp | Arc, "1", 3, "", "", "", "Zahl zu hoch"},
        {"Hyp Arc Tan 2", Hyp | Arc, "2", 3, "", "", "", "Zahl muß zwischen -1 und 1 liegen"},
        {"Hyp Cot 45", Hyp, "45", 4, "1", "°", "cot"},
        {"Hyp Csc 30", Hyp, "30", 6, "2", "°", "csc"},
    };
    for (const auto& c : cases) {
        press("C");
        press(QString::fromUtf8(c.keys));
        dialogs.shown.clear();
        trig.Rad = c.flags & Rad;
        trig.Arc = c.flags & Arc;
        trig.Hyp = c.flags & Hyp;
        plotter.visible = c.flags & Plotter;
        const QStringList before = fields();
        const bool applied = trig.ApplyFunction(c.button);

        EXPECT_EQ(applied, !c.result.isEmpty()) << c.name;
        EXPECT_EQ(fields(), applied ? QStringList({before[0], c.mark4, c.result, c.mark2}) : before) << c.name;
        EXPECT_EQ(dialogs.shown, c.message.isEmpty() ? QStringList() : QStringList({c.message})) << c.name;
        EXPECT_EQ(calc.PanelFunction, applied ? c.button : 0) << c.name;
        for (long double v : {trig.TrigAngle, trig.TrigDegrees, trig.TrigSin, trig.TrigCos, trig.TrigTan, trig.TrigCot,
                              trig.HypY, trig.CoshY})
            EXPECT_TRUE(std::isfinite(v)) << c.name;
    }
}

TEST_F(PanelsTest, PublishedValuesFollowTheFunction) {
    press("90");
    trig.ApplyFunction(4);  // cot 90° = 0: the tangent is not divided by the corrected cosine
    EXPECT_EQ(std::vector<long double>({trig.TrigDegrees, trig.TrigCos, trig.TrigTan, trig.TrigCot}),
              std::vector<long double>({90, 0, 0, 0}));
    press("C 2");
    trig.Hyp = true;
    trig.Arc = true;
    trig.ApplyFunction(2);
    EXPECT_EQ(std::vector<long double>({trig.CoshY, trig.TrigAngle}), std::vector<long double>({2, std::acosh(2.0L)}));
    press("C 1");
    trig.ApplyFunction(3);  // artanh 1 is refused and publishes nothing
    EXPECT_EQ(std::vector<long double>({trig.CoshY, trig.TrigAngle}), std::vector<long double>({2, std::acosh(2.0L)}));
    EXPECT_FALSE(trig.Hyp) << "an infinite artanh returns to the unit circle";
}

TEST_F(PanelsTest, TheCommonFrameLeavesAPendingCalculationAlone) {
    calc.SetNumberFormat(2);
    press("12+5");
    calc.RepeatMode = 2;
    calc.RepeatCount = 4;
    EXPECT_FALSE(trig.ApplyFunction(1));
    EXPECT_EQ(calc.NumberFormat, 3);
    EXPECT_EQ(calc.RepeatMode, 0);
    EXPECT_EQ(calc.Label5, "0");
    EXPECT_EQ(calc.Operand2Text, "5");
    EXPECT_EQ(calc.Label3, "5");
    EXPECT_EQ(calc.PanelFunction, 0);
    EXPECT_EQ(calc.ActiveField, 2);
    press("=");
    EXPECT_EQ(calc.Label1, "17");
}

TEST_F(PanelsTest, EqualsWritesTheFunctionRecordAndAFunctionFollowsItsOperand) {
    press("30");
    trig.ApplyFunction(1);
    EXPECT_EQ(calc.ActiveField, 1);
    EXPECT_EQ(calc.Operand1Text, "30");
    press("=");
    EXPECT_EQ(tape.texts(), QStringList({"30 °", "=  0,5 sin"}));
    EXPECT_EQ(calc.Label1, "0,5");
    EXPECT_EQ(calc.ActiveField, 3);

    // A digit, the angle mode and F5–F8 run the function again.
    press("C 3");
    trig.ApplyFunction(1);
    press("0");
    EXPECT_EQ(calc.Label3, "0,5");
    press("0");
    EXPECT_EQ(calc.Label3, "-0,866025403784439");
    trig.SelectRad();
    EXPECT_EQ(calc.Label3, "-0,99975583990115");
    EXPECT_EQ(calc.Label4, "rad");
    trig.Hyp = true;  // the F-keys press the buttons even while "Hyp" disables them
    trig.PressFunctionKey(7);
    EXPECT_EQ(calc.Label2, "sec");
    EXPECT_EQ(calc.PanelFunction, 5);
}

TEST_F(PanelsTest, ArcAndHypRefuseWhatTheFunctionCannotTake) {
    press("1,5");
    trig.ApplyFunction(1);
    trig.ArcClicked(true);
    EXPECT_EQ(dialogs.last(), "Wert darf nicht höher als 1 sein");
    EXPECT_FALSE(trig.Arc);
    press("C 0,5");
    trig.ArcClicked(true);  // nothing applied yet: Sin
    EXPECT_EQ(calc.Label3, "30");
    EXPECT_EQ(calc.PanelFunction, 1);
    trig.ArcClicked(false);
    EXPECT_EQ(calc.Label3, "0,00872653549837393");

    press("C 40");
    plotter.visible = true;
    trig.HypClicked(true);
    EXPECT_EQ(dialogs.last(), "Zahl darf nicht größer als 39.7 sein wenn Graph sichtbar ist");
    EXPECT_FALSE(trig.Hyp);
    EXPECT_EQ(calc.PanelFunction, 0) << "a refused check leaves the pending function alone";

    plotter.visible = false;
    press("C 0");
    trig.ApplyFunction(5);
    trig.HypClicked(true);  // Sec has no hyperbolic form: Tan takes over
    EXPECT_EQ(calc.PanelFunction, 3);
    EXPECT_EQ(calc.Label2, "tanh");
    EXPECT_FALSE(trig.CircularEnabled);
    trig.HypClicked(false);
    EXPECT_TRUE(trig.CircularEnabled);
    EXPECT_EQ(calc.Label2, "tan");

    // Checked while a second operand is typed, "Hyp" makes no function pending that "=" would close.
    press("C 12+5");
    trig.HypClicked(true);
    EXPECT_EQ(calc.PanelFunction, 0);
    press("=");
    EXPECT_EQ(calc.Label1, "17");
}

TEST_F(PanelsTest, GraphButtonAndPanelLifecycle) {
    press("2");
    trig.Hyp = true;
    trig.ApplyFunction(2);
    EXPECT_TRUE(trig.PressGraph());
    EXPECT_EQ(trig.GraphCaption, "<-Graph");
    plotter.visible = true;
    EXPECT_FALSE(trig.PressGraph());
    EXPECT_EQ(trig.GraphCaption, "Graph->");
    EXPECT_EQ(trig.CoshY, 0);
    EXPECT_EQ(trig.TrigAngle, 0);

    trig.Arc = true;
    trig.ExtensionClosed();
    EXPECT_FALSE(trig.Arc);
    EXPECT_FALSE(trig.Hyp);
    EXPECT_TRUE(trig.CircularEnabled);
    EXPECT_EQ(calc.Label3, "3,76219569108363") << "unchecking in code re-runs nothing";
}

TEST_F(PanelsTest, UndoOfAConfirmedFunctionKeepsItsResult) {
    // With the Tape hidden the undo restores the snapshot and lets the tax panel follow the
    // restored operand; "=" then confirms the trigonometric result again.
    tape.visible = false;
    press("30");
    trig.ApplyFunction(1);
    press("=U=");
    EXPECT_EQ(calc.Label1, "0,5");
    EXPECT_EQ(operand1(), 0.5L);
}
