#include "calculatorfixture.h"

TEST_F(CalculatorTest, PasteReadsGermanAndPointNotation) {
    useFormat(3);
    const struct {
        const char* clipboard;
        const char* shown;
    } cases[] = {{"1.234,56", "1234,56"}, {"1234.56", "1234,56"}, {"1.234", "1,234"}, {"-7,5", "-7,5"}};
    for (const auto& c : cases) {
        press("C");
        calc.Paste(QString::fromUtf8(c.clipboard));
        EXPECT_EQ(calc.Label1, c.shown) << c.clipboard;
    }
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(CalculatorTest, PasteRefusesWhatIsNotANumber) {
    useFormat(3);
    press("5");
    for (const char* bad : {"12 ", "abc", "1e99999", "1,2x"}) {
        calc.Paste(QString::fromUtf8(bad));
        EXPECT_EQ(dialogs.last(), "In der Zwischenablage ist keine gültige Zahl") << bad;
        EXPECT_EQ(calc.Label1, "5");
    }
    calc.Paste(std::nullopt);
    EXPECT_EQ(dialogs.last(), "Zwischenablage muß eine Zahl beinhalten");
}

TEST_F(CalculatorTest, PasteOntoAResultAsksFirst) {
    useFormat(3);
    press("2+3=");
    dialogs.yesNo = {false};
    calc.Paste(QStringLiteral("9"));
    EXPECT_EQ(calc.Label1, "5");
    calc.Paste(QStringLiteral("9"));
    EXPECT_EQ(calc.Label1, "9");
    EXPECT_EQ(calc.ActiveField, 3);
}

TEST_F(CalculatorTest, FieldMenuPasteKeepsOnlyTheLastCommaAndClearTakesNoSnapshot) {
    useFormat(3);
    calc.PopupTarget = 2;
    calc.PasteIntoTarget(QStringLiteral("1,5,2"));
    EXPECT_EQ(calc.Label3, "15,2");
    calc.ClearTarget();
    EXPECT_TRUE(calc.Label3.isEmpty());
    EXPECT_EQ(calc.ActiveField, 2);
}
