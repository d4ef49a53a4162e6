#include "plotter/views/tframe2.h"

#include "core/calculator.h"
#include "parser/degreemode.h"
#include "plotter/plotter.h"
#include "support/qtprinters.h"
#include "support/scripteddialogs.h"
#include "support/testapplication.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

struct OnePanel : PlotterFunctionSource {
    QString formula = QStringLiteral("sin(x)");
    int evaluations = 0;
    QString currentFormula() const override { return formula; }
    void evaluateAgain() override { ++evaluations; }
};

class PlotterView : public ::testing::Test, TestApplicationFirst {
protected:
    ScriptedDialogs dialogs;
    Calculator calc{dialogs};
    OnePanel panel;
    Plotter plotter{calc, dialogs};
    TFrame2 frame{plotter};

    PlotterView() {
        plotter.setFunctionSource(&panel);
        calc.PanelFunction = 7;
        plotter.ShowFunctionLabels();
        plotter.DrawGraph();
        frame.render();
        frame.show();
    }
    ~PlotterView() override { DegreeMode = 0; }
};

TEST_F(PlotterView, ControlsFollowTheEngine) {
    EXPECT_EQ(frame.objectName(), "Frame21");
    EXPECT_EQ(frame.findChild<QWidget*>("Image1")->geometry(), QRect(10, 8, 400, 400));
    for (const char* name : {"ComboBox1", "CheckBox1", "CheckBox2", "GradRad", "Halten", "LabelX", "LabelFx"}) {
        QWidget* w = frame.findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(w, nullptr) << name;
        EXPECT_TRUE(w->isVisible()) << name;
        EXPECT_TRUE(frame.rect().contains(w->geometry())) << name;
    }
    EXPECT_EQ(frame.ComboBox1->currentText(), "5");
    EXPECT_TRUE(frame.CheckBox1->isChecked());
    EXPECT_FALSE(frame.CheckBox2->isChecked());
    EXPECT_EQ(frame.GradRad->text(), "R");
    EXPECT_FALSE(frame.TrigCaptions[0]->isVisible());

    QTest::mouseClick(frame.CheckBox1, Qt::LeftButton);
    EXPECT_FALSE(frame.CheckBox2->isEnabled());
    frame.ComboBox1->activated(9);
    EXPECT_EQ(plotter.ScaleRange, 10);

    QTest::mouseClick(frame.GradRad, Qt::LeftButton);
    EXPECT_EQ(DegreeMode, 1);
    EXPECT_EQ(frame.GradRad->text(), "G");
    EXPECT_EQ(frame.GradRad->toolTip(), "Berechnung in Grad (°)");
    EXPECT_EQ(panel.evaluations, 1) << "the function panel evaluates again";

    plotter.ShowTrigonometryLabels();
    frame.render();
    EXPECT_EQ(frame.TrigCaptions[0]->text(), "Sinus (y/r):");
    EXPECT_TRUE(frame.TrigCaptions[1]->isVisible());
    EXPECT_FALSE(frame.LabelX->isVisible());
}

}  // namespace
