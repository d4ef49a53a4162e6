// The unit panel and the currency converter inside the main window: opened by their commands and
// keys, following the calculator through its hooks, coloured with the fields.
#include "mainwindowfixture.h"

#include "currency/views/converteredit.h"
#include "currency/views/tframe3.h"
#include "panels/views/tframe5.h"
#include "tape/views/tframe4.h"

#include <QAction>
#include <QComboBox>
#include <QStackedWidget>
#include <QToolButton>

namespace {

const QChar Dash(0x2014);

class SidePanelsTest : public MainWindowFixture {
protected:
    UnitPanel& units = engines.units;
    CurrencyConverter& conv = engines.converter;

    QWidget* focused() { return QApplication::focusWidget() ? QApplication::focusWidget() : &window; }
    void type(const char* text, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        for (const char* c = text; *c; ++c) QTest::keyClick(focused(), *c, mods);
    }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(focused(), k, mods); }
    // Mark, first operand, mark, second operand.
    QStringList unitDisplay() { return {label("Label4"), label("Label1"), label("Label2"), label("Label3")}; }
    bool shown(QWidget* w) { return w->isVisibleTo(window.centralWidget()); }

    // A first start: currency format, the converter's built-in list, the Tape shown.
    void firstRunWithTape() {
        calc.ApplyDisplaySettings(2, 2, 1, 0);
        calc.CurrencyCode = calc.SecondCurrencyCode = QStringLiteral("€");
        conv.StartFirstRun();
        window.ToggleTape();
        window.render();
    }
};

TEST_F(SidePanelsTest, OpeningTheUnitPanelShowsTheRememberedPageWithoutConverting) {
    units.UnitPage = 2;  // "Fläche", "Hektar" → "Acres (UK)"
    units.UnitSourceIndex = 3;
    units.UnitTargetIndex = 9;
    type("5");
    type("e");
    ASSERT_TRUE(shown(window.Frame51));
    EXPECT_EQ(window.Frame51->objectName(), "Frame51");
    EXPECT_EQ(window.Frame51->geometry(), QRect(0, 412, layout.DesignWidth, layout.ExtensionHeight));
    EXPECT_EQ(window.Frame51->PageControl1->currentIndex(), 2);
    EXPECT_EQ(window.Frame51->Combo[4]->currentIndex(), 3);
    EXPECT_EQ(window.Frame51->Combo[5]->currentIndex(), 9);
    EXPECT_EQ(label("Label3"), "") << "opening does not convert";
    EXPECT_FALSE(units.UnitConversionPending);

    // Another panel and back: the page the user left is opened again.
    units.UnitPage = 0;
    units.UnitSourceIndex = 1;
    units.UnitTargetIndex = 0;
    window.Steuer1->trigger();
    window.Einheiten->trigger();
    EXPECT_EQ(window.Frame51->PageControl1->currentIndex(), 0);
    EXPECT_EQ(window.Frame51->Combo[0]->currentText(), "Kilometer");
    EXPECT_EQ(window.Frame51->Combo[1]->currentText(), "Meter");
}

TEST_F(SidePanelsTest, ShiftEOpensTheHiddenPanelConvertsAndTypingConvertsAgain) {
    units.UnitPage = 0;
    units.UnitSourceIndex = 1;  // Kilometer → Meter
    units.UnitTargetIndex = 0;
    type("1");
    type("E");
    EXPECT_TRUE(shown(window.Frame51));
    EXPECT_EQ(window.Label8->text(), "E");
    EXPECT_EQ(unitDisplay(), (QStringList{" km", "1", "  m", "1000"}));
    EXPECT_TRUE(window.Button16->hasFocus());

    type("0");  // through the calculator's hook
    EXPECT_EQ(unitDisplay(), (QStringList{" km", "10", "  m", "10000"}));

    // "E" on the shown panel converts without closing it.
    units.TargetSelection[0] = 2;  // Centimeter
    type("E");
    EXPECT_TRUE(shown(window.Frame51));
    EXPECT_EQ(unitDisplay(), (QStringList{" km", "10", " cm", "1000000"}));

    key(Qt::Key_Return);  // "=" takes the conversion over and ends it
    EXPECT_EQ(label("Label1"), "1000000");
    type("7");
    EXPECT_EQ(label("Label3"), "") << "a closed conversion no longer follows";
}

TEST_F(SidePanelsTest, WShowsTheConverterWithTapeAndExtensionInCurrencyFormat) {
    type("w");
    EXPECT_TRUE(shown(window.Frame31));
    EXPECT_EQ(window.Frame31->objectName(), "Frame31");
    EXPECT_EQ(window.Frame31->geometry(), QRect(248, 412, layout.TapeWidth + 2, layout.ExtensionHeight));
    EXPECT_TRUE(shown(window.Frame41));
    EXPECT_EQ(layout.ExtensionOpen, 1);
    EXPECT_TRUE(window.Whrungsrechner1->isChecked());
    EXPECT_TRUE(conv.Visible);
    EXPECT_EQ(calc.NumberFormat, 2);

    type("w");  // hidden again; the converter hears it
    EXPECT_FALSE(shown(window.Frame31));
    EXPECT_FALSE(conv.Visible);
    window.Button41->click();  // the extension closes
    window.Button41->click();  // and opens again, with the converter below the Tape
    EXPECT_TRUE(conv.Visible);
    window.Button46->click();  // the Tape goes, the converter with it
    EXPECT_FALSE(conv.Visible);
}

TEST_F(SidePanelsTest, ConverterKeysReachTheConverter) {
    firstRunWithTape();
    type("100");
    type("q");
    EXPECT_EQ(label("Label1"), "51,13 €");
    EXPECT_EQ(conv.Edit3, "  100,00");

    type("w");
    const struct {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        int selected;
    } selections[] = {
        {"Ctrl+3", Qt::Key_3, Qt::ControlModifier, 3},
        {"Ctrl+1", Qt::Key_1, Qt::ControlModifier, 1},
        {"Ctrl+9 beyond the list keeps the selection", Qt::Key_9, Qt::ControlModifier, 1},
    };
    for (const auto& s : selections) {
        key(s.key, s.mods);
        EXPECT_EQ(conv.SelectedIndex, s.selected) << s.name;
        EXPECT_EQ(window.Frame31->ComboBox1->currentIndex(), s.selected) << s.name;
        EXPECT_EQ(window.Frame31->Label3->text(), conv.Names[s.selected]) << s.name;
    }

    type("<");
    EXPECT_EQ(conv.ConverterDirection, 2);
    EXPECT_EQ(calc.CurrencyCode, "DM");
    EXPECT_EQ(window.Frame31->Label4->text(), "→");
    type(">");
    EXPECT_EQ(conv.ConverterDirection, 1);
    EXPECT_EQ(calc.CurrencyCode, "€");
    EXPECT_EQ(window.Frame31->Label4->text(), "←");
}

TEST_F(SidePanelsTest, AFirstRunTotalWritesTheSecondCurrencyLine) {
    firstRunWithTape();
    type("12+5", Qt::KeypadModifier);
    key(Qt::Key_Enter, Qt::KeypadModifier);
    const QStringList lines = tape.texts();
    ASSERT_EQ(lines.size(), 5) << lines.join(u'|').toStdString();
    EXPECT_EQ(lines[0], "12,00 ^");
    EXPECT_EQ(lines[1], " 5,00 +");
    EXPECT_EQ(lines[2].count(Dash), lines[2].size());
    EXPECT_EQ(lines[3], "17,00 € T");
    EXPECT_EQ(lines[4], "DM 33,25 =");
    EXPECT_EQ(tape.lines[4].size, 8);
}

TEST_F(SidePanelsTest, EnterAndEscInConverterFieldsAreTheConverters) {
    firstRunWithTape();
    type("w");
    ConverterEdit* right = window.Frame31->Edit3;
    QTest::mouseClick(right, Qt::LeftButton);
    EXPECT_EQ(calc.ActiveField, 4);
    right->selectAll();
    QTest::keyClicks(right, "100");
    EXPECT_EQ(window.Frame31->Edit2->text(), "51,13");
    QTest::keyClick(right, Qt::Key_Return);
    EXPECT_EQ(label("Label1"), "51,13 €") << "Enter hands the amount over instead of pressing =";
    EXPECT_EQ(calc.ActiveField, 1);
    EXPECT_TRUE(window.Button16->hasFocus());

    // Esc in the name field cancels a new entry, then the keys are the calculator's again.
    window.Frame31->SpeedButton2->click();
    EXPECT_EQ(conv.ListEditMode, 1);
    QTest::keyClick(window.Frame31->Edit1, Qt::Key_Escape);
    EXPECT_EQ(conv.ListEditMode, 0);
    EXPECT_EQ(calc.ActiveField, 1);
    key(Qt::Key_Delete);
    type("4");
    EXPECT_EQ(label("Label1").trimmed(), "4,00");
}

TEST_F(SidePanelsTest, FieldColourPaintsBothPanelsBuiltBeforeOrAfterIt) {
    units.UnitPage = 5;
    const QColor yellow(255, 255, 0), white(Qt::white);
    window.SetFieldScheme(1);  // before the panels are first shown
    window.Einheiten->trigger();
    window.Whrungsrechner1->trigger();
    ASSERT_TRUE(window.Frame51 && window.Frame31);
    const struct {
        const char* name;
        QColor colour;
    } steps[] = {{"chosen before the first show", yellow}, {"chosen while shown", white}};
    for (const auto& step : steps) {
        if (step.colour == white) window.SetFieldScheme(3);
        EXPECT_EQ(window.Frame51->Combo[0]->palette().color(QPalette::Base), step.colour) << step.name;
        EXPECT_EQ(window.Frame51->Combo[15]->palette().color(QPalette::Base), step.colour) << step.name;
        EXPECT_EQ(window.Frame31->Edit2->palette().color(QPalette::Base), step.colour) << step.name;
        EXPECT_EQ(window.Frame31->Edit3->palette().color(QPalette::Base), step.colour) << step.name;
        EXPECT_EQ(units.ActivePage, 5) << step.name << ": the page flip ends on the remembered page";
    }
}

}  // namespace
