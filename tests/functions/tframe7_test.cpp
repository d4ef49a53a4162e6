#include "functions/views/tframe7.h"
#include "panelrouter.h"
#include "support/qtprinters.h"
#include "support/testapplication.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class FunctionPanelView : public ::testing::Test, TestApplicationFirst {
protected:
    PanelRouter r;
    TFrame7 frame{r.panel};
    QLineEdit* formula = frame.ComboBox1->lineEdit();

    FunctionPanelView() {
        frame.show();
        frame.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&frame));
        frame.Button1->setFocus();  // as "=" holds it in the window
    }
};

TEST_F(FunctionPanelView, ControlsCarryTheirNamesTextsAndHints) {
    EXPECT_EQ(frame.objectName(), "Frame71");
    EXPECT_EQ(frame.size(), QSize(249, 190));
    const struct {
        const char* name;
        QString hint;
    } controls[] = {
        {"ComboBox1", "Funktionsterm.\r\nDie Variable x ins obere Eingabefeld schreiben"},
        {"Edit1", "Konstante a"},
        {"Edit2", "Konstante b"},
        {"Edit3", "Konstante c"},
        {"ComboBox2", "Operatoren für Funktionen"},
        {"Button1", "Funktion ausführen"},
        {"SpeedButton1", "Term speichern"},
        {"SpeedButton2", "Term löschen"},
        {"SpeedButton3", "Hilfe zu Funktionen"},
        {"Button2", "Graph öffnen"},
    };
    for (const auto& c : controls) {
        QWidget* w = frame.findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(w->toolTip(), c.hint) << c.name;
        EXPECT_TRUE(frame.rect().contains(w->geometry())) << c.name;
    }
    EXPECT_EQ(frame.Button1->text(), "f(x)");
    EXPECT_EQ(frame.Button2->text(), "Graph ->");
    EXPECT_EQ(frame.ComboBox1->count(), 3);
    EXPECT_EQ(frame.ComboBox1->maxVisibleItems(), 20);
    EXPECT_EQ(frame.ComboBox2->count(), 33);
    EXPECT_EQ(frame.ComboBox2->maxVisibleItems(), 50);
    EXPECT_FALSE(frame.Rueck->isEnabled() || frame.Vor->isEnabled());
}

TEST_F(FunctionPanelView, TypingInTheInputOwnsTheKeysAndEnterEvaluates) {
    QSignalSpy focusEquals(&frame, &TFrame7::focusEqualsRequested);
    r.calc.EnterDigit(u'3');
    formula->setFocus();
    EXPECT_EQ(r.calc.ActiveField, 4);
    QTest::keyClicks(formula, "x ^ 2");
    EXPECT_EQ(r.panel.CurrentFormula, "x^2");
    QTest::keyClick(formula, Qt::Key_Return);
    EXPECT_EQ(r.calc.Label3, "9");
    EXPECT_EQ(r.calc.ActiveField, 1);
    EXPECT_EQ(focusEquals.count(), 1);

    // The caret decides where an operator goes in.
    formula->setFocus();
    formula->setCursorPosition(1);
    frame.ComboBox2->activated(static_cast<int>(FunctionPanel::OperatorItems().indexOf("+")));
    EXPECT_EQ(formula->text(), "x+^2");

    // A formula error selects the failing part.
    r.calc.Operand1Text.clear();
    QTest::keyClick(formula, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(formula, "2*1/x");
    QTest::keyClick(formula, Qt::Key_Return);
    EXPECT_EQ(r.dialogs.last(), "FehlerNr.: 2 (Division durch Null!)");
    EXPECT_EQ(formula->selectedText(), "/");
}

}  // namespace
