#include "calculatorfixture.h"

namespace {

using rownames::operator<<;

struct PasteRow {
    const char* name;
    const char* clipboard;
    const char* shown;  // nullptr: refused, the typed 5 stays
};

const PasteRow kPasteRows[] = {
    {"german notation with thousands point", "1.234,56", "1234,56"},
    {"point notation", "1234.56", "1234,56"},
    {"a lone point is the decimal point", "1.234", "1,234"},
    {"negative number", "-7,5", "-7,5"},
    {"trailing blank", "12 ", nullptr},
    {"letters", "abc", nullptr},
    {"too large", "1e99999", nullptr},
    {"trailing letter", "1,2x", nullptr},
};

using PasteTable = CalculatorRows<PasteRow>;

TEST_P(PasteTable, PasteReadsGermanAndPointNotationAndRefusesWhatIsNotANumber) {
    const PasteRow& c = GetParam();
    useFormat(3);
    press("C 5");
    calc.Paste(QString::fromUtf8(c.clipboard));
    EXPECT_EQ(calc.Label1, c.shown ? c.shown : "5") << c.clipboard;
    EXPECT_EQ(dialogs.last(), c.shown ? "" : "In der Zwischenablage ist keine gültige Zahl") << c.clipboard;
}

INSTANTIATE_TEST_SUITE_P(CalculatorTest, PasteTable, ::testing::ValuesIn(kPasteRows), rownames::ByName());

}  // namespace

TEST_F(CalculatorTest, PasteWithoutTextAsksForANumber) {
    useFormat(3);
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
