// The panels as the user meets them: a click runs the engine and the view shows the result.
#include "core/calculator.h"
#include "panels/taxpanel.h"
#include "panels/trigpanel.h"
#include "panels/views/tframe1.h"
#include "panels/views/tframe6.h"
#include "support/qtprinters.h"
#include "support/scripteddialogs.h"
#include "support/testapplication.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

class PanelViewsTest : public ::testing::Test {
protected:
    TestApplicationFirst app;
    ScriptedDialogs dialogs;
    Calculator calc{dialogs};
    TrigPanel trig{calc, dialogs};
    TaxPanel tax{calc, dialogs};
    TFrame1 trigView{trig};
    TFrame6 taxView{tax};
};

TEST_F(PanelViewsTest, TrigonometryButtonsShowTheirResult) {
    EXPECT_EQ(trigView.objectName(), "Frame11");
    EXPECT_EQ(trigView.size(), QSize(249, 190));
    QSignalSpy changed(&trigView, &TFrame1::calculatorChanged);
    QSignalSpy focus(&trigView, &TFrame1::focusEqualsRequested);
    calc.EnterDigit(u'3');
    calc.EnterDigit(u'0');
    QTest::mouseClick(trigView.findChild<QPushButton*>("Button1"), Qt::LeftButton);
    EXPECT_EQ(QStringList({calc.Label1, calc.Label4, calc.Label3, calc.Label2}),
              QStringList({"30", "°", "0,5", "sin"}));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(focus.count(), 1);

    QTest::mouseClick(trigView.findChild<QCheckBox*>("hyp"), Qt::LeftButton);
    EXPECT_TRUE(trig.Hyp);
    EXPECT_EQ(calc.Label2, "sinh");
    for (const char* name : {"Button4", "Button5", "Button6", "RadioButton1", "RadioButton2"})
        EXPECT_FALSE(trigView.findChild<QWidget*>(name)->isEnabled()) << name;

    QSignalSpy show(&trigView, &TFrame1::plotterShowRequested);
    QTest::mouseClick(trigView.Button7, Qt::LeftButton);
    EXPECT_EQ(show.count(), 1);
}

TEST_F(PanelViewsTest, TaxPanelFieldsFollowTheEngine) {
    EXPECT_EQ(taxView.objectName(), "Frame61");
    EXPECT_EQ(taxView.ComboBox1->count(), 2);
    QStringList menu;
    for (QAction* action : taxView.PopupMenu1->actions()) menu << action->text();
    EXPECT_EQ(menu, QStringList({"Eintrag bearbeiten", "Eintrag löschen", "Neuer Eintrag"}));

    calc.WorkValue = 100;
    tax.RecomputeTax();
    taxView.render();
    EXPECT_EQ(taxView.Edit2->text(), "119,00");
    EXPECT_EQ(taxView.Edit4->text(), "84,03");

    taxView.show();
    QTest::mouseClick(taxView.Edit3, Qt::LeftButton);
    taxView.Edit3->clear();
    QTest::keyClicks(taxView.Edit3, "7.5");
    EXPECT_EQ(taxView.Edit3->text(), "7,5");
    EXPECT_EQ(calc.ActiveField, 4);
    QTest::keyClick(taxView.Edit3, Qt::Key_Return);
    EXPECT_EQ(tax.TaxRates.first(), "7,5");
    EXPECT_EQ(calc.ActiveField, 1);
}
