#include "unitpanelfixture.h"

namespace {

TEST_F(UnitPanelTest, ConvertsTheFirstOperandIntoTheSecondFieldWithBothMarks) {
    struct Case {
        const char* name;
        const char* typed;
        int page, source, target;
        QStringList display;  // Label4, Label1, Label2, Label3
    } cases[] = {
        {"Kilometer to Meter", "1", 0, 1, 0, {" km", "1", "  m", "1000"}},
        {"KMH to Meilen / St", "100", 4, 0, 9, {" km/h", "100", " mph", "62,1371192237334"}},
        {"a unit into itself", "123,456", 3, 8, 8, {" oz", "123,456", " oz", "123,456"}},
        {"an empty first operand as 0", "", 5, 2, 0, {" MW", "", "  w", "0"}},
        {"Giga el.volt to erg", "2", 7, 7, 8, {" GeV", "2", " erg", "0,003204353268"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        calc.ClearFields();
        type(QString::fromLatin1(c.typed));
        convert(c.page, c.source, c.target);
        EXPECT_EQ(display(), c.display);
        EXPECT_EQ(calc.Operand2Text, numtext::str(numtext::valValue(calc.Operand2Text)));
        EXPECT_EQ(calc.ActiveField, 1);
        EXPECT_EQ(calc.OperatorClass, 2);
        EXPECT_EQ(calc.EntryState, 0);
        EXPECT_TRUE(panel.UnitConversionPending);
        EXPECT_EQ((std::array{panel.UnitPage, panel.UnitSourceIndex, panel.UnitTargetIndex}),
                  (std::array{c.page, c.source, c.target}));
    }
}

TEST_F(UnitPanelTest, EqualsWritesTheConversionAndTakesItOver) {
    type(QStringLiteral("1000"));
    convert(4, 0, 9);
    calc.PressEquals();
    EXPECT_EQ(tape.texts(), (QStringList{QStringLiteral("1000 km/h"), QStringLiteral("=  621,371192237334 mph")}));
    EXPECT_EQ(display(), (QStringList{QStringLiteral("="), QStringLiteral("621,371192237334"), QString(), QString()}));
    EXPECT_EQ(calc.ActiveField, 3);
    EXPECT_FALSE(panel.UnitConversionPending);
}

TEST_F(UnitPanelTest, FollowsTheFirstOperandWithoutUndoSnapshotsUntilDropped) {
    tape.visible = false;
    type(QStringLiteral("1"));
    convert(0, 1, 0);
    type(QStringLiteral("0"));
    EXPECT_EQ(display(), (QStringList{QStringLiteral(" km"), QStringLiteral("10"), QStringLiteral("  m"), QStringLiteral("10000")}));
    calc.SpinValue = 2;
    calc.SetNumberFormat(1);
    calc.SetDecimals(3);
    EXPECT_EQ(calc.Label3, QStringLiteral("10.000,000"));
    calc.SetNumberFormat(3);

    // "Rückgängig" returns to the state before the user's conversion, not to a re-run's.
    calc.Undo();
    EXPECT_EQ(calc.Label1, QStringLiteral("1"));
    EXPECT_EQ(calc.Label3, QString());

    convert(0, 1, 0);
    calc.ClearFields();
    EXPECT_FALSE(panel.UnitConversionPending);
    type(QStringLiteral("5"));
    EXPECT_EQ(calc.Label3, QString());
}

TEST_F(UnitPanelTest, EveryUserConversionLeavesTheCurrencyFormatAndCodeCommandsConvertNothing) {
    struct Case {
        const char* name;
        void (*act)(UnitPanel&);
        bool converts;
        int format;
    } cases[] = {
        {"arrow of the volume page", [](UnitPanel& p) { p.ShowPage(3); p.ConvertClicked(); }, true, 3},
        {"arrow or E on the length page", [](UnitPanel& p) { p.ConvertClicked(); }, true, 3},
        {"source list", [](UnitPanel& p) { p.SourceChosen(2); }, true, 3},
        {"target list", [](UnitPanel& p) { p.TargetChosen(5); }, true, 3},
        {"another tab", [](UnitPanel& p) { p.PageTabPressed(6); }, true, 3},
        {"the shown tab", [](UnitPanel& p) { p.PageTabPressed(0); }, false, 3},
        {"opening", [](UnitPanel& p) { p.OpenPanel(); }, false, 2},
        {"showing a page", [](UnitPanel& p) { p.ShowPage(5); }, false, 2},
        {"colour flip", [](UnitPanel& p) { p.FlipPageAndBack(); }, false, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        calc.ClearFields();
        calc.SetNumberFormat(2);
        panel.ShowPage(0);
        type(QStringLiteral("3"));
        c.act(panel);
        EXPECT_EQ(panel.UnitConversionPending, c.converts);
        EXPECT_EQ(calc.Label3.isEmpty(), !c.converts);
        EXPECT_EQ(calc.NumberFormat, c.format);
        EXPECT_FALSE(calc.Label3.contains(u'€')) << calc.Label3.toStdString();
    }
}

TEST_F(UnitPanelTest, OpeningAndTheColourFlipShowTheRememberedUnitsWithoutConverting) {
    struct Case {
        const char* name;
        int page, source, target;
        int shownPage, shownSource, shownTarget;
    } cases[] = {
        {"first run", 0, 0, 0, 0, 0, 0},
        {"Tempo, KMH to Knoten", 4, 0, 12, 4, 0, 12},
        {"last page", 7, 8, 7, 7, 8, 7},
        {"units beyond the page fall back to its presets", 6, 8, -1, 6, 0, 6},
        {"a page beyond the panel falls back to page 0", 9, 2, 3, 0, 0, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (auto command : {&UnitPanel::OpenPanel, &UnitPanel::FlipPageAndBack}) {
            panel.UnitPage = c.page;
            panel.UnitSourceIndex = c.source;
            panel.UnitTargetIndex = c.target;
            panel.ActivePage = c.shownPage;
            (panel.*command)();
            EXPECT_EQ((std::array{panel.ActivePage, panel.SourceSelection[panel.ActivePage],
                                  panel.TargetSelection[panel.ActivePage]}),
                      (std::array{c.shownPage, c.shownSource, c.shownTarget}));
            EXPECT_EQ((std::array{panel.UnitPage, panel.UnitSourceIndex, panel.UnitTargetIndex}),
                      (std::array{c.page, c.source, c.target}));
            EXPECT_FALSE(panel.UnitConversionPending);
            EXPECT_EQ(calc.Label3, QString());
        }
    }
    // Another page shows its presets, whatever was chosen there before.
    panel.UnitPage = 4;
    panel.SourceSelection[1] = 12;
    panel.ShowPage(1);
    EXPECT_EQ((std::array{panel.SourceSelection[1], panel.TargetSelection[1]}), (std::array{1, 7}));
}

TEST_F(UnitPanelTest, AResultBeyondTheArithmeticChangesNothing) {
    type(QStringLiteral("2"));
    convert(0, 0, 4);
    tape.visible = false;
    calc.Operand1Text = QStringLiteral("1E4930");
    const CalculatorSlot snapshot = calc.Slots[0];
    convert(0, 11, 0);
    EXPECT_EQ(dialogs.shown, QStringList{QStringLiteral("Zahl zu hoch, Vorgang abgebrochen!")});
    EXPECT_EQ(calc.Label3, QStringLiteral("6,56167979002625"));
    EXPECT_EQ(calc.Slots[0].Operand1Text, snapshot.Operand1Text);
    EXPECT_EQ((std::array{panel.UnitPage, panel.UnitSourceIndex, panel.UnitTargetIndex}), (std::array{0, 0, 4}));
}

TEST_F(UnitPanelTest, AConversionTakesTheSecondFieldFromAWaitingTrigonometryResult) {
    type(QStringLiteral("1"));
    calc.PanelFunction = 1;
    convert(0, 1, 0);
    EXPECT_EQ(calc.PanelFunction, 0);
    calc.PressEquals();
    EXPECT_EQ(tape.texts(), (QStringList{QStringLiteral("1 km"), QStringLiteral("=  1000  m")}));
}

}  // namespace
