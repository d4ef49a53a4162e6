#include "panelrouter.h"

#include "support/qtprinters.h"

#include <gtest/gtest.h>

namespace {

class FunctionPanelTest : public ::testing::Test {
protected:
    PanelRouter r;
    Calculator& calc = r.calc;
    FunctionPanel& panel = r.panel;

    void type(const QString& keys) {
        for (QChar k : keys) {
            if (k == u'+' || k == u'x') calc.PressOperator(k);
            else if (k == u'=') calc.PressEquals();
            else calc.EnterDigit(k);
        }
    }
    void evaluate(const QString& formula) {
        panel.ComboBox1Change(formula);
        panel.Button1Click();
    }
};

TEST_F(FunctionPanelTest, FormulaAtTheFirstOperandGoesIntoTheSecondFieldAndTheTape) {
    calc.SetNumberFormat(2);
    type("3");
    evaluate("x^2");
    EXPECT_EQ(calc.NumberFormat, 3) << "the free format is switched on";
    EXPECT_EQ(QStringList({calc.Label1, calc.Label4, calc.Label3, calc.Label2}),
              QStringList({"3", "(x)", "9", "f(x)"}));
    EXPECT_EQ(calc.PanelFunction, 7);
    type("=");
    EXPECT_EQ(r.tape.texts(), QStringList({"3 (x)", "[x^2] f", "=  9 f(x)"}));
    EXPECT_EQ(calc.Label1, "9");
}

TEST_F(FunctionPanelTest, TheFormulaFollowsTheFirstOperandUnlessTheCurveIsHeld) {
    type("3");
    evaluate("x^2");
    type("4");
    EXPECT_EQ(calc.Label3, "1156");
    r.plotter.HoldMode = true;
    type("5");
    EXPECT_EQ(calc.Label3, "1156");
}

TEST_F(FunctionPanelTest, EmptyAndSpacedFormulas) {
    evaluate("");
    EXPECT_EQ(panel.CurrentFormula, "0");
    EXPECT_EQ(calc.Label3, "0");
    EXPECT_EQ(panel.FormulaHistory, QStringList({"0"}));
    panel.ComboBox1Change("x ^ 2");
    EXPECT_EQ(panel.CurrentFormula, "x^2");
}

TEST_F(FunctionPanelTest, HistorySequenceAndSteppingBack) {
    type("2");
    for (const char* f : {"x+1", "x+1", "x*3", "x+1"}) evaluate(f);
    EXPECT_EQ(panel.FormulaHistory, QStringList({"x+1", "x*3"}));
    EXPECT_EQ(r.plotter.PlotSequence, QStringList({"x+1", "x*3", "x+1"}));
    EXPECT_EQ(r.plotter.GraphFormulas, QStringList({"x+1", "x*3"}));
    EXPECT_TRUE(panel.RueckEnabled && panel.VorEnabled);
    EXPECT_EQ(panel.HistoryPos, 1);
    panel.RueckClick();
    EXPECT_EQ(panel.CurrentFormula, "x+1");
    panel.RueckClick();  // at the first entry: nothing
    EXPECT_EQ(panel.HistoryPos, 0);
    EXPECT_EQ(panel.CurrentFormula, "x+1");
    panel.VorClick();
    EXPECT_EQ(panel.CurrentFormula, "x*3");
    panel.VorClick();
    EXPECT_EQ(panel.HistoryPos, 1);

    // A saved formula reached through the history brings its constants.
    panel.SavedTerms.append("x*3");
    panel.SavedConstants.append("4;;");
    panel.RueckClick();
    panel.VorClick();
    EXPECT_EQ(panel.FunktionsIndex, 3);
    EXPECT_EQ(panel.Edit1, "4");

    calc.ClearFields();
    EXPECT_TRUE(panel.FormulaHistory.isEmpty());
    EXPECT_TRUE(r.plotter.PlotSequence.isEmpty() && r.plotter.GraphFormulas.isEmpty());
    EXPECT_FALSE(panel.RueckEnabled || panel.VorEnabled);
}

TEST_F(FunctionPanelTest, SavedFormulasKeepTheirConstants) {
    EXPECT_EQ(panel.SavedTerms, QStringList({"x^2", "x^2-3", "sin(x)"}));
    EXPECT_EQ(panel.SavedConstants, QStringList({";;", ";;", ";;"}));
    panel.ComboBox1Change("a*x^2+c");
    panel.Edit1 = "2";
    panel.Edit3 = "5";
    panel.SpeedButton1Click();
    EXPECT_EQ(panel.SavedConstants.last(), "2;;5");
    EXPECT_EQ(panel.FunktionsIndex, 3);
    panel.ComboBox1Select(0);
    EXPECT_EQ(QStringList({panel.Edit1, panel.Edit2, panel.Edit3}), QStringList({"", "", ""}));
    panel.ComboBox1Select(3);
    EXPECT_EQ(QStringList({panel.CurrentFormula, panel.Edit1, panel.Edit2, panel.Edit3}),
              QStringList({"a*x^2+c", "2", "", "5"}));

    // Saving a saved formula again overwrites its own constants, whichever entry is selected.
    panel.ComboBox1Select(1);
    panel.ComboBox1Change("x^2");
    panel.Edit1 = "7";
    panel.SpeedButton1Click();
    EXPECT_EQ(panel.SavedConstants, QStringList({"7;;", ";;", ";;", "2;;5"}));
}

TEST_F(FunctionPanelTest, ConstantsTextsSplitAtTheFirstAndLastSemicolon) {
    const struct {
        const char* name;
        const char* entry;
        bool hold;
        QStringList before, after;
    } cases[] = {
        {"all three", "1;2;3", false, {"9", "9", "9"}, {"1", "2", "3"}},
        {"b holds a semicolon", "1;2;5;3", false, {}, {"1", "2;5", "3"}},
        {"trailing blank drops c", "1;2;3 ", false, {}, {"1", "2", ""}},
        {"none", ";;", false, {"9", "9", "9"}, {"", "", ""}},
        {"hold fills only empty inputs", "1;2;3", true, {"9", "", ""}, {"9", "2", "3"}},
    };
    for (const auto& c : cases) {
        panel.SavedTerms = {"f"};
        panel.SavedConstants = {c.entry};
        r.plotter.HoldMode = c.hold;
        const QStringList before = c.before.isEmpty() ? QStringList({"", "", ""}) : c.before;
        panel.Edit1 = before[0];
        panel.Edit2 = before[1];
        panel.Edit3 = before[2];
        panel.ComboBox1Select(0);
        EXPECT_EQ(QStringList({panel.Edit1, panel.Edit2, panel.Edit3}), c.after) << c.name;
    }
}

TEST_F(FunctionPanelTest, DeletingAskesFirstAndNeedsASelection) {
    panel.SpeedButton2Click();
    EXPECT_TRUE(r.dialogs.shown.isEmpty());
    panel.ComboBox1Select(1);
    r.dialogs.yesNo = {false};
    panel.SpeedButton2Click();
    EXPECT_EQ(panel.SavedTerms.size(), 3);
    panel.SpeedButton2Click();
    EXPECT_EQ(r.dialogs.shown, QStringList({"Term löschen?", "Term löschen?"}));
    EXPECT_EQ(panel.SavedTerms, QStringList({"x^2", "sin(x)"}));
    EXPECT_EQ(panel.SavedConstants.size(), 2);
    EXPECT_EQ(panel.FunktionsIndex, -1);
}

TEST_F(FunctionPanelTest, OperatorsGoInAtTheCaret) {
    const struct {
        const char* formula;
        int pos, sel;
        const char* item;
        const char* result;
    } cases[] = {
        {"x", 1, 0, "+", "x+"}, {"x^2", 0, 3, "sin(x)", "sin(x)"}, {"x2", 1, 0, "^", "x^2"}, {"x^2", 1, 2, "+", "x+^2"},
        {"x", 1, 0, "", "x"},   {"x", 9, 0, "pi", "xpi"},
    };
    for (const auto& c : cases) {
        panel.CurrentFormula = c.formula;
        panel.CaretPos = c.pos;
        panel.CaretSel = c.sel;
        panel.ComboBox2Select(static_cast<int>(FunctionPanel::OperatorItems().indexOf(c.item)));
        EXPECT_EQ(panel.CurrentFormula, c.result) << c.formula << " + " << c.item;
    }
    EXPECT_EQ(FunctionPanel::OperatorItems().size(), 33);
    panel.CurrentFormula = "x";
    panel.CaretPos = 1;
    panel.ComboBox2Select(0);
    panel.ComboBox2Select(1);
    EXPECT_EQ(panel.CurrentFormula, "x+-") << "picked items stay in order";
}

TEST_F(FunctionPanelTest, FormulaErrorsSelectTheFailingPartAndKeepTheCalculation) {
    evaluate("1/x");
    EXPECT_EQ(r.dialogs.last(), "FehlerNr.: 2 (Division durch Null!)");
    EXPECT_EQ(panel.ErrorSelStart, 1);
    EXPECT_EQ(panel.ErrorSelLength, 1);
    EXPECT_TRUE(panel.FormulaHistory.isEmpty());

    // 12 + 5 = stays 17 when a failing formula comes between and "=" follows.
    type("12+5=");
    evaluate("1/0");
    EXPECT_EQ(calc.ActiveField, 1);
    type("=");
    EXPECT_EQ(calc.Label1, "17");
}

TEST_F(FunctionPanelTest, AConstantThatIsNoNumberChangesNothing) {
    calc.SetNumberFormat(2);
    type("12+5");
    panel.CurrentFormula = "a*x";
    panel.Edit1 = "abc";
    panel.Button1Click();
    EXPECT_EQ(r.dialogs.shown, QStringList({"'abc' ist kein gültiger Gleitkommawert"}));
    EXPECT_EQ(calc.NumberFormat, 2);
    EXPECT_EQ(calc.ActiveField, 2);
    EXPECT_EQ(calc.Label3, " 5,00");
    EXPECT_TRUE(panel.FormulaHistory.isEmpty());
}

TEST_F(FunctionPanelTest, LeavingAnInputReturnsToThePendingCalculation) {
    type("12+5");
    panel.InputEnter();
    EXPECT_EQ(calc.ActiveField, 4);
    panel.ComboBox1Change("x^2");
    panel.Button1Click();  // Enter in the input
    EXPECT_EQ(calc.Label1, "17");
    EXPECT_EQ(calc.Label3, "289");

    calc.PressEquals();
    panel.InputEnter();
    calc.PanelFunction = 7;
    panel.InputExit();
    EXPECT_EQ(calc.ActiveField, 1) << "a panel function waits for its \"=\"";
}

TEST_F(FunctionPanelTest, GraphButtonOpensAndClosesThePlotter) {
    type("2");
    panel.ComboBox1Change("x^2");
    panel.Button2Click();
    EXPECT_TRUE(r.shown);
    EXPECT_EQ(panel.Button2Caption, "<-Graph");
    EXPECT_EQ(panel.Button2Hint, "Graph schließen");
    EXPECT_EQ(calc.Label3, "4");
    EXPECT_EQ(r.plotter.FxValue, "4");
    EXPECT_EQ(r.plotter.Image1.pixelColor(240, 160), QColor(255, 0, 0)) << "x^2 at x = 1, scale 5";
    panel.Button2Click();
    EXPECT_FALSE(r.shown);
    EXPECT_EQ(panel.Button2Caption, "Graph->");
    EXPECT_EQ(panel.Button2Hint, "Graph öffnen");
}

}  // namespace
