#include "panels/views/tframe5.h"

#include "core/calculator.h"
#include "support/qtprinters.h"
#include "support/scripteddialogs.h"
#include "support/testapplication.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class TFrame5Test : public ::testing::Test, TestApplicationFirst {
protected:
    TFrame5Test() {
        calc.ApplyDisplaySettings(3, 0, 1, 0);
        frame.show();
    }
    // Page, source and target as the frame shows them.
    std::array<int, 3> shown() {
        const int page = frame.PageControl1->currentIndex();
        return {page, frame.Combo[2 * page]->currentIndex(), frame.Combo[2 * page + 1]->currentIndex()};
    }

    ScriptedDialogs dialogs;
    Calculator calc{dialogs};
    UnitPanel panel{calc, dialogs};
    TFrame5 frame{panel};
    QSignalSpy displayChanged{&frame, &TFrame5::displayChanged};
    QSignalSpy focusEquals{&frame, &TFrame5::focusEqualsRequested};
};

TEST_F(TFrame5Test, ShowsEightPagesOfDropDownListsWithTheirArrows) {
    EXPECT_EQ(frame.objectName(), QStringLiteral("Frame51"));
    EXPECT_EQ(frame.size(), QSize(249, 190));
    const char* captions[] = {"Länge", "Gewicht", "Fläche", "Volumen", "Tempo", "Leistung", "Kraft", "Arbeit"};
    for (int page = 0; page < UnitPageCount; ++page) {
        SCOPED_TRACE(captions[page]);
        EXPECT_EQ(frame.Tabs[page]->text(), QString::fromUtf8(captions[page]));
        EXPECT_EQ(frame.findChild<QToolButton*>(QStringLiteral("Speed%1").arg(page + 1)), frame.Speed[page]);
        EXPECT_EQ(frame.Speed[page]->text(), QStringLiteral("→"));
        for (int list : {2 * page, 2 * page + 1}) {
            EXPECT_EQ(frame.findChild<QComboBox*>(QStringLiteral("Combo%1").arg(list + 1)), frame.Combo[list]);
            EXPECT_FALSE(frame.Combo[list]->isEditable());
        }
    }
    EXPECT_EQ(frame.Combo[14]->itemText(7), QStringLiteral("Giga el.volt"));
    EXPECT_EQ(frame.Combo[15]->itemText(7), QStringLiteral("Giga el. volt"));

    // Hot tracking.
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(frame.Tabs[3], &enter);
    EXPECT_EQ(frame.Tabs[3]->palette().color(QPalette::ButtonText), frame.palette().color(QPalette::Highlight));
}

TEST_F(TFrame5Test, OnlyTheUsersChoicesConvert) {
    calc.EnterDigit(u'1');
    panel.UnitPage = 2;
    panel.UnitSourceIndex = 4;
    panel.UnitTargetIndex = 3;
    frame.OpenPanel();
    EXPECT_EQ(shown(), (std::array{2, 4, 3}));
    EXPECT_EQ(calc.Label3, QString());

    struct Step {
        const char* name;
        void (*act)(TFrame5&);
        std::array<int, 3> shown;
        const char* result;  // empty: nothing converted
    } steps[] = {
        {"tab Tempo", [](TFrame5& f) { QTest::mouseClick(f.Tabs[4], Qt::LeftButton); }, {4, 0, 9}, "0,621371192237334"},
        {"next target",
         [](TFrame5& f) { QTest::keyClick(f.Combo[9], Qt::Key_Down); },
         {4, 0, 10},
         "0,0103561865372889"},
        {"next source", [](TFrame5& f) { QTest::keyClick(f.Combo[8], Qt::Key_Down); }, {4, 1, 10}, "0,621371192237334"},
        {"opening", [](TFrame5& f) { f.OpenPanel(); }, {4, 1, 10}, ""},
        {"arrow", [](TFrame5& f) { QTest::mouseClick(f.Speed[4], Qt::LeftButton); }, {4, 1, 10}, "0,621371192237334"},
        {"field colour", [](TFrame5& f) { f.setFieldColour(0x00FFFF); }, {4, 1, 10}, ""},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        const qsizetype before = displayChanged.count();
        calc.Label3.clear();
        step.act(frame);
        EXPECT_EQ(shown(), step.shown);
        EXPECT_EQ(calc.Label3, QString::fromLatin1(step.result));
        const qsizetype expected = *step.result ? 1 : 0;
        EXPECT_EQ(displayChanged.count() - before, expected);
        EXPECT_EQ(focusEquals.count(), displayChanged.count());
    }
    EXPECT_EQ(frame.Combo[0]->palette().color(QPalette::Base), QColor(255, 255, 0));
    EXPECT_EQ((std::array{panel.UnitPage, panel.UnitSourceIndex, panel.UnitTargetIndex}), (std::array{4, 1, 10}));
}

}  // namespace
