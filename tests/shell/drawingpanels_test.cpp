// The trigonometry, tax and function panels and the plotter inside the main window: opened by
// their commands and keys, following the calculator through its hooks, coloured with the fields.
#include "mainwindowfixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QToolButton>
#include <functional>

namespace {

class DrawingPanelsTest : public MainWindowFixture {
protected:
    TrigPanel& trig = engines.trig;
    TaxPanel& tax = engines.tax;
    FunctionPanel& functions = engines.functions;
    Plotter& plotter = engines.plotter;

    QWidget* focused() { return QApplication::focusWidget() ? QApplication::focusWidget() : &window; }
    void type(const char* text) {
        for (const char* c = text; *c; ++c) QTest::keyClick(focused(), *c);
    }
    void keypad(const char* text) {
        for (const char* c = text; *c; ++c) QTest::keyClick(focused(), *c, Qt::KeypadModifier);
    }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(focused(), k, mods); }
    bool shown(QWidget* w) { return w && w->isVisibleTo(window.centralWidget()); }
    QSize face() { return window.centralWidget()->size(); }
    // Pixels of the plotter's surface in the curve's red.
    int redPixels() {
        int n = 0;
        for (int y = 0; y < plotter.Image1.height(); ++y)
            for (int x = 0; x < plotter.Image1.width(); ++x) n += plotter.Image1.pixelColor(x, y) == QColor(Qt::red);
        return n;
    }
    void evaluate(const char* formula) {
        QLineEdit* input = window.Frame71->ComboBox1->lineEdit();
        input->setFocus();
        input->selectAll();
        QTest::keyClicks(input, formula);
        window.Frame71->Button1->click();
    }
};

TEST_F(DrawingPanelsTest, TrigonometryAppliesItsButtonsAndFKeysWithOrWithoutThePanel) {
    type("30");
    type("r");
    ASSERT_TRUE(shown(window.Frame11));
    EXPECT_EQ(window.Frame11->objectName(), "Frame11");
    EXPECT_EQ(window.Frame11->geometry(), QRect(0, 412, layout.DesignWidth, layout.ExtensionHeight));
    window.Frame11->Button1->click();
    EXPECT_EQ(fields(), (QStringList{"30", "sin", "0,5", QString::fromUtf8("°")}));
    EXPECT_EQ(calc.PanelFunction, 1);
    EXPECT_TRUE(window.Button16->hasFocus());

    type("r");  // hidden again: F5..F8 still press "Tan" … "Csc"
    ASSERT_FALSE(shown(window.Frame11));
    key(Qt::Key_Delete);
    type("30");
    key(Qt::Key_F8);
    EXPECT_EQ(fields(), (QStringList{"30", "csc", "2", QString::fromUtf8("°")})) << "F8";
    key(Qt::Key_F5);
    EXPECT_EQ(label("Label2"), "tan") << "F5";
    EXPECT_EQ(calc.PanelFunction, 3);
    type("0");  // a new first operand re-runs the function through the calculator's hook
    EXPECT_EQ(label("Label1"), "300");
    EXPECT_EQ(label("Label3").left(6), "-1,732");
}

TEST_F(DrawingPanelsTest, GraphOpensThePlotterBesideTheTrigonometryPanel) {
    type("30r");
    window.Frame11->Button1->click();
    window.Frame11->Button7->click();
    ASSERT_TRUE(shown(window.Frame21));
    EXPECT_EQ(window.Frame21->geometry(),
              QRect(248, 0, layout.PlotterWidth, layout.DesignHeight + layout.ExtensionHeight));
    EXPECT_EQ(face(), QSize(layout.DesignWidth + layout.PlotterWidth, layout.DesignHeight + layout.ExtensionHeight));
    EXPECT_TRUE(window.Graf1->isChecked());
    EXPECT_EQ(window.Frame11->Button7->text(), "<-Graph");
    EXPECT_EQ(plotter.TrigReadouts[0].trimmed(), "0.50000000") << "the unit circle shows the published sine";

    type("i");  // steps the first operand; the function and the picture follow
    EXPECT_EQ(label("Label1"), "31");
    EXPECT_EQ(plotter.TrigDegrees, 31);

    type("g");  // presses "<-Graph" while the panel is shown
    EXPECT_FALSE(shown(window.Frame21));
    EXPECT_EQ(face().width(), layout.DesignWidth);
    EXPECT_EQ(window.Frame11->Button7->text(), "Graph->");
    EXPECT_FALSE(window.Graf1->isChecked());
}

TEST_F(DrawingPanelsTest, EveryRouteThatClosesThePlotterResetsBothGraphButtons) {
    const std::pair<const char*, std::function<void()>> routes[] = {
        {"arrow", [this] { window.Button41->click(); }},
        {"Tape", [this] { window.Button46->click(); }},
        {"tax panel", [this] { window.Steuer1->trigger(); }},
        {"trigonometry item", [this] { window.Trigon->trigger(); }},
        {"graph button", [this] { window.Frame11->Button7->click(); }},
    };
    for (const auto& [route, close] : routes) {
        if (!shown(window.Frame11)) window.Trigon->trigger();
        type("2");
        trig.Arc = false;
        window.Frame11->hyp->click();  // 2 sinh: the hyperbolic point is published
        window.Frame11->Button7->click();
        ASSERT_TRUE(shown(window.Frame21)) << route;
        ASSERT_NE(trig.HypY, 0) << route;
        close();
        EXPECT_FALSE(layout.PlotterShown) << route;
        EXPECT_FALSE(shown(window.Frame21)) << route;
        EXPECT_FALSE(window.Graf1->isChecked()) << route;
        EXPECT_EQ(trig.GraphCaption, "Graph->") << route;
        EXPECT_EQ(functions.Button2Caption, "Graph->") << route;
        EXPECT_EQ(trig.HypY, 0) << route << ": the hyperbolic point is forgotten";
        if (!layout.SidePanelShown[0] && route != std::string("tax panel")) {
            EXPECT_FALSE(trig.Hyp) << route << ": closing the extension unchecks Hyp";
        }
        if (trig.Hyp) window.Frame11->hyp->click();
        if (layout.TapeShown) window.Button46->click();
        key(Qt::Key_Delete);
    }
}

TEST_F(DrawingPanelsTest, TaxFollowsResultsAndUndo) {
    calc.ApplyDisplaySettings(2, 2, 1, 0);
    tape.visible = false;  // undo restores the snapshot, not a Tape line
    type("s");
    ASSERT_TRUE(shown(window.Frame61));
    EXPECT_EQ(window.Frame61->Edit3->text(), "19");
    keypad("80+20");
    key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(window.Frame61->Edit2->text().trimmed(), "119,00");
    EXPECT_EQ(window.Frame61->Edit4->text().trimmed(), "84,03");

    keypad("+50");
    key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(window.Frame61->Edit2->text().trimmed(), "178,50");
    key(Qt::Key_Backspace, Qt::ControlModifier);  // undo: the amounts of the restored operand
    EXPECT_TRUE(label("Label1").startsWith("100,00")) << label("Label1").toStdString();
    EXPECT_EQ(window.Frame61->Edit2->text().trimmed(), "119,00");
    EXPECT_EQ(window.Frame61->Edit4->text().trimmed(), "84,03");
}

TEST_F(DrawingPanelsTest, FunctionPanelEvaluatesAndDrawsItsCurve) {
    window.Funktionen->trigger();
    ASSERT_TRUE(shown(window.Frame71));
    EXPECT_EQ(window.Frame71->geometry(), QRect(0, 412, layout.DesignWidth, layout.ExtensionHeight));
    type("3");
    evaluate("x^2");
    EXPECT_EQ(fields(), (QStringList{"3", "f(x)", "9", "(x)"}));
    EXPECT_EQ(calc.ActiveField, 1);
    EXPECT_TRUE(window.Button16->hasFocus());

    window.Frame71->Button2->click();  // "Graph ->"
    ASSERT_TRUE(shown(window.Frame21));
    EXPECT_TRUE(window.Graf1->isChecked());
    EXPECT_EQ(window.Frame71->Button2->text(), "<-Graph");
    EXPECT_GT(redPixels(), 100) << "the curve of x^2";
    EXPECT_EQ(window.Frame21->LabelFxValue->text(), "9");

    key(Qt::Key_Delete);  // "Löschen" resets the plotter and the panel's history
    EXPECT_TRUE(functions.FormulaHistory.isEmpty());
    EXPECT_TRUE(plotter.PlotSequence.isEmpty());
    EXPECT_EQ(plotter.Result2, "0");

    type("g");  // "<-Graph" of the function panel
    EXPECT_FALSE(shown(window.Frame21));
    EXPECT_EQ(window.Frame71->Button2->text(), "Graph->");
}

TEST_F(DrawingPanelsTest, GraphKeyOpensTheFunctionPanelWhenNoDrawingPanelIsShown) {
    type("s");
    type("g");
    EXPECT_TRUE(shown(window.Frame71));
    EXPECT_FALSE(shown(window.Frame61));
    EXPECT_TRUE(shown(window.Frame21));
    EXPECT_EQ(window.Label8->text(), "F");
}

TEST_F(DrawingPanelsTest, HelpButtonAsksForTheFunctionsPage) {
    QSignalSpy help(&window, &TForm1::helpRequested);
    window.Funktionen->trigger();
    window.Frame71->SpeedButton3->click();
    ASSERT_EQ(help.count(), 1);
    EXPECT_EQ(help.at(0).at(0).toString(), "Funktionen");
}

TEST_F(DrawingPanelsTest, EnterInTheRadiusInputGivesTheKeysBack) {
    type("30r");
    window.Frame11->Button1->click();
    window.Frame11->Button7->click();
    QTest::mouseClick(window.Frame21->Edit1, Qt::LeftButton);
    ASSERT_EQ(calc.ActiveField, 4);
    QTest::keyClick(window.Frame21->Edit1, Qt::Key_Return);
    EXPECT_EQ(calc.ActiveField, 1);
    EXPECT_TRUE(window.Button16->hasFocus());
}

TEST_F(DrawingPanelsTest, SchemesColourPanelsBuiltBeforeOrAfterThem) {
    window.SetFieldScheme(1);
    window.SetBackgroundScheme(3);
    window.Trigon->trigger();
    window.Frame11->Button7->click();  // plotter
    window.Steuer1->trigger();
    window.Funktionen->trigger();
    const QColor yellow(255, 255, 0), white(Qt::white);
    const struct {
        const char* name;
        QColor field;
        QColor text;
    } steps[] = {{"chosen before the first show", yellow, white}, {"chosen while built", white, Qt::black}};
    for (const auto& step : steps) {
        if (step.field == white) {
            window.SetFieldScheme(3);
            window.SetBackgroundScheme(1);
        }
        EXPECT_EQ(window.Frame61->Edit3->palette().color(QPalette::Base), step.field) << step.name;
        EXPECT_EQ(window.Frame71->Edit1->palette().color(QPalette::Base), step.field) << step.name;
        EXPECT_EQ(window.Frame71->ComboBox1->palette().color(QPalette::Base), step.field) << step.name;
        EXPECT_EQ(window.Frame21->Edit1->palette().color(QPalette::Base), step.field) << step.name;
        EXPECT_EQ(window.Frame11->RadioButton1->palette().color(QPalette::WindowText), step.text) << step.name;
        EXPECT_EQ(window.Frame61->VST->palette().color(QPalette::WindowText), step.text) << step.name;
    }
}

}  // namespace
