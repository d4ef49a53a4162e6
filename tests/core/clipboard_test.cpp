#include "calculatorfixture.h"

TEST_F(CalculatorTest, PasteReadsGermanAndPointNotationAndRefusesWhatIsNotANumber) {
    useFormat(3);
    const struct {
        const char* clipboard;
        const char* shown;  // nullptr: refused, the typed 5 stays
    } cases[] = {{"1.234,56", "1234,56"}, {"1234.56", "1234,56"}, {"1.234", "1,234"}, {"-7,5", "-7,5"},
                 {"12 ", nullptr},        {"abc", nullptr},        {"1e99999", nullptr}, {"1,2x", nullptr}};
    for (const auto& c : cases) {
        press("C 5");
        dialogs.shown.clear();
        calc.Paste(QString::fromUtf8(c.clipboard));
        EXPECT_EQ(calc.Label1, c.shown ? c.shown : "5") << c.clipboard;
        EXPECT_EQ(dialogs.last(), c.shown ? "" : "In der Zwischenablage ist keine gültige Zahl") << c.clipboard;
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
