#include "plotter/views/tframe2.h"
#include "plotter/views/tbereich.h"

#include "core/calculator.h"
#include "plotter/plotter.h"
#include "support/qtprinters.h"
#include "support/scripteddialogs.h"
#include "support/testapplication.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
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
    EXPECT_EQ(plotter.angles().DegreeMode, 1);
    EXPECT_EQ(frame.GradRad->text(), "G");
    EXPECT_EQ(frame.GradRad->toolTip(), "Berechnung in Grad (°)");
    EXPECT_EQ(panel.evaluations, 1) << "the function panel evaluates again";

    plotter.ShowTrigonometryLabels();
    frame.render();
    EXPECT_EQ(frame.TrigCaptions[0]->text(), "Sinus (y/r):");
    EXPECT_TRUE(frame.TrigCaptions[1]->isVisible());
    EXPECT_FALSE(frame.LabelX->isVisible());
}

TEST_F(PlotterView, ContextMenuHoldAndRangeDialog) {
    const QStringList items = {"X-Punkt beschriften",
                               "X-Wert löschen",
                               "Term 1 schreiben",
                               "Term 2 schreiben",
                               "Schnittpunkt berechnen",
                               "Bereich für Schnittpunktsuche",
                               "X-Wert für Schnittpunkt 1 übernehmen",
                               "X-Wert für Schnittpunkt 2 übernehmen",
                               "Schnittpunkt 1 Markieren",
                               "Schnittpunkt 2 markieren",
                               "Kommentar ",
                               "Radieren",
                               "Pfeil",
                               "Box (gefüllt)",
                               "Box (Rahmen)",
                               "Gitter neu zeichnen",
                               "Graph löschen"};
    QStringList texts;
    for (QAction* a : frame.PopupMenu1->actions()) texts << a->text();
    EXPECT_EQ(texts, items);
    EXPECT_FALSE(frame.Term2Schreiben1->isVisible() || frame.Bereich1->menuAction()->isVisible() ||
                 frame.XWert1->isVisible());
    EXPECT_TRUE(frame.RangeItems[2]->isChecked()) << "Dreifache Auflösung";

    QTest::mouseClick(frame.Halten, Qt::LeftButton);
    EXPECT_EQ(frame.Halten->text(), "Gehalten");
    EXPECT_TRUE(frame.SnP->isVisible() && frame.LabelTerm1->isVisible());
    EXPECT_TRUE(frame.SchnittpunktBerechnen1->isVisible());
    EXPECT_FALSE(frame.ComboBox1->isEnabled() || frame.CheckBox1->isEnabled());
    frame.SchnittpunktBerechnen1->trigger();
    EXPECT_TRUE(frame.SnP->isChecked());

    frame.Bereich->load();
    EXPECT_EQ(frame.Bereich->windowTitle(), "SP. - Bereich");
    EXPECT_EQ(frame.Bereich->Anfang->text(), "-15");
    frame.Bereich->show();
    frame.Bereich->Ende->setText("-20");
    QTest::mouseClick(frame.Bereich->OkButton, Qt::LeftButton);
    EXPECT_TRUE(frame.Bereich->isVisible()) << "a refused range keeps the dialog open";
    EXPECT_EQ(dialogs.last(), "Der Anfang muss kleiner als das Ende sein.");
    frame.Bereich->Ende->setText("2,5");
    QTest::mouseClick(frame.Bereich->OkButton, Qt::LeftButton);
    EXPECT_FALSE(frame.Bereich->isVisible());
    EXPECT_EQ(plotter.SearchRange, Plotter::Frei);
}

TEST_F(PlotterView, RadiusInputAndTakingTheLine) {
    plotter.ShowTrigonometryLabels();
    calc.PanelFunction = 1;
    calc.WorkValue = 0.5L;
    frame.render();
    QTest::mouseClick(frame.Edit1, Qt::LeftButton);
    EXPECT_EQ(calc.ActiveField, 4);
    EXPECT_EQ(frame.Edit2->text(), "Weiter mit Esc / Enter");
    frame.Edit1->selectAll();
    QTest::keyClicks(frame.Edit1, "2,5");
    EXPECT_EQ(frame.Edit1->text(), "2.5");
    QTest::mouseClick(frame.Button2, Qt::LeftButton);
    EXPECT_EQ(calc.Operand1Text, "1.25");
    EXPECT_EQ(calc.ActiveField, 3);
    EXPECT_EQ(frame.Edit2->text(), "1,25");
}

}  // namespace
