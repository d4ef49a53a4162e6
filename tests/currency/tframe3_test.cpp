// The panel over a wired engine: controls where the main window expects them, typing that
// converts live, Enter handing over, and the signals the main window listens to.
#include "converterfixture.h"
#include "currency/views/converteredit.h"
#include "currency/views/tframe3.h"
#include "support/testapplication.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

class TFrame3Test : public ConverterTest {
public:
    TestApplicationFirst app;
    TFrame3 frame{conv, dialogs};
};

TEST_F(TFrame3Test, ControlsCarryTheirNamesTextsAndHints) {
    EXPECT_EQ(frame.objectName(), "Frame31");
    EXPECT_EQ(frame.size(), QSize(250, 190));
    for (const char* name :
         {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "ComboBox1", "Edit1", "Edit2", "Edit3", "Edit4",
          "SpeedButton1", "SpeedButton2", "SpeedButton3", "SpeedButton4", "SpeedButton5"}) {
        auto* w = frame.findChild<QWidget*>(name);
        ASSERT_NE(w, nullptr) << name;
        EXPECT_TRUE(frame.rect().contains(w->geometry())) << name;
    }
    EXPECT_EQ(frame.ComboBox1->count(), 7);
    EXPECT_EQ((QStringList{frame.ComboBox1->currentText(), frame.Label4->text(), frame.SpeedButton1->toolTip(),
                           frame.SpeedButton5->toolTip()}),
              (QStringList{"DM, De. Mark", "←", "Ergebnis in aktives Feld übernehmen", "Ergebnis in Tape übernehmen"}));
    EXPECT_TRUE(frame.Edit4->isReadOnly());
}

TEST_F(TFrame3Test, TypingConvertsLiveAndEnterHandsOver) {
    QSignalSpy changed(&frame, &TFrame3::calculatorChanged);
    QSignalSpy focusEquals(&frame, &TFrame3::focusEqualsRequested);
    frame.show();
    QTest::mouseClick(frame.Edit2, Qt::LeftButton);
    EXPECT_EQ(calc.ActiveField, 4);
    EXPECT_EQ(frame.Edit2->toolTip(), CurrencyConverter::AmountHint);
    frame.Edit2->clear();
    QTest::keyClicks(frame.Edit2, "1x00,5.5");  // the comma is the decimal point; a second one is dropped
    EXPECT_EQ(frame.Edit2->text(), "100.55");
    EXPECT_EQ(frame.Edit3->text(), "196,66");
    EXPECT_EQ(frame.Label4->text(), "→");
    QTest::keyClick(frame.Edit2, Qt::Key_Return);
    EXPECT_EQ(calc.Label1, "196,66 DM");
    EXPECT_GE(changed.count(), 1);
    EXPECT_GE(focusEquals.count(), 1);
}

TEST_F(TFrame3Test, ArrowClickTurnsTheDirectionAndCtrlClickAsksForTheRatePages) {
    QSignalSpy pages(&frame, &TFrame3::exchangeRatePagesRequested);
    QTest::mouseClick(frame.Label4, Qt::LeftButton);
    EXPECT_EQ(frame.Label4->text(), "→");
    QTest::mouseClick(frame.Label4, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(frame.Label4->text(), "→");
    EXPECT_EQ(pages.count(), 1);
}

TEST_F(TFrame3Test, NewEntryShowsTheEntryEditorInPlaceOfTheList) {
    frame.show();
    QTest::mouseClick(frame.SpeedButton2, Qt::LeftButton);
    EXPECT_TRUE(frame.Edit1->isVisible() && frame.Label5->isVisible() && frame.SpeedButton2->isChecked());
    EXPECT_FALSE(frame.ComboBox1->isVisible() || frame.SpeedButton4->isEnabled());
    QTest::keyClicks(frame.Edit1, "¥, Yen");
    QTest::keyClicks(frame.Edit4, "160,5");
    EXPECT_EQ(frame.Edit4->text(), "160.5");
    QTest::keyClick(frame.Edit4, Qt::Key_Return);
    EXPECT_EQ(frame.ComboBox1->currentText(), "¥, Yen");
    EXPECT_FALSE(frame.Edit1->isVisible());
}
