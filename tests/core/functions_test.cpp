#include "calculatorfixture.h"

#include "core/numtext.h"

TEST_F(CalculatorTest, PercentPlainAndWithPlusOrMinus) {
    useFormat(3);
    const std::pair<const char*, const char*> cases[] = {
        {"200%10=", "20"}, {"200+10%=", "220"}, {"200+%10=", "220"}, {"200-10%=", "180"}};
    for (const auto& [keys, result] : cases) {
        press(QString::fromUtf8("C ") + QString::fromUtf8(keys));
        EXPECT_EQ(calc.Label1, result) << keys;
    }
    EXPECT_EQ(lines().mid(lines().size() - 4), QStringList({"200 ^", "10 -%", dashes(3), "180 T"}));
    EXPECT_EQ(tape.lines[tape.lines.size() - 3].colour, Tape::Red);
}

TEST_F(CalculatorTest, SquareRootInCurrencyFormatSwitchesToGeneralFormat) {
    useFormat(2);
    press("2");
    calc.ApplyFunction(u's');
    EXPECT_EQ(calc.NumberFormat, 3);
    EXPECT_EQ(calc.Label3, "1,4142135623731");
    EXPECT_EQ(calc.Label2, "Q");
    press("=");
    EXPECT_EQ(calc.Label1, "1,4142135623731");
    EXPECT_EQ(lines(), QStringList({"2 ^", "Q", "1,4142135623731 ="}));
}

TEST_F(CalculatorTest, SquareRootOfANegativeNumberIsRefused) {
    press("±9");
    calc.ApplyFunction(u's');
    EXPECT_EQ(dialogs.last(), "Von einer negativen Zahl kann keine Quadratwurzel gezogen werden");
    EXPECT_EQ(calc.ActiveField, 3);
}

TEST_F(CalculatorTest, LogarithmToABaseNeedsABaseOfAtLeastTwo) {
    useFormat(3);
    for (const char* base : {"1", "0,5", "", "abc"}) {
        press("C 8");
        dialogs.inputs = {QString::fromUtf8(base)};
        calc.ApplyFunction(u'n');
        EXPECT_TRUE(calc.Label3.isEmpty()) << base;
    }
    press("C 8");
    dialogs.inputs = {QStringLiteral("2,5")};
    calc.ApplyFunction(u'n');
    EXPECT_EQ(calc.Label2, "L2,5");
    EXPECT_EQ(calc.Label3, numtext::formatG(std::log(8.0L) / std::log(2.5L)));
}

TEST_F(CalculatorTest, UndefinedFunctionValuesGiveNoResult) {
    useFormat(3);
    // Log of a negative number, root of a negative number, logarithm of zero.
    const struct {
        const char* keys;
        const char* input;
        char16_t function;
    } cases[] = {{"C ±8", "2", u'n'}, {"C ±8", "0,5", u'm'}, {"C 0", nullptr, u'l'}};
    for (const auto& c : cases) {
        press(QString::fromUtf8(c.keys));
        if (c.input) dialogs.inputs = {QString::fromUtf8(c.input)};
        calc.ApplyFunction(c.function);
        EXPECT_TRUE(calc.Label3.isEmpty()) << c.keys << " " << char(c.function);
    }
    EXPECT_TRUE(dialogs.shown.filter("Zahl zu hoch").isEmpty());
    press("C 10");
    dialogs.inputs = {QStringLiteral("99999")};
    calc.ApplyFunction(u'm');
    EXPECT_EQ(dialogs.last(), "Zahl zu hoch, Vorgang abgebrochen!");
    EXPECT_TRUE(calc.Label3.isEmpty());
}

TEST_F(CalculatorTest, PowerShowsTheExponentInItsMark) {
    useFormat(3);
    press("2");
    dialogs.inputs = {QStringLiteral("10")};
    calc.ApplyFunction(u'm');
    EXPECT_EQ(calc.Label3, "1024");
    EXPECT_EQ(calc.Label2, "H10");
    press("=");
    EXPECT_EQ(calc.Label1, "1024");
    EXPECT_EQ(calc.ActiveField, 3);
}

TEST_F(CalculatorTest, ExponentialOverflowShowsAMessage) {
    press("20000");
    calc.ApplyFunction(u'e');
    EXPECT_EQ(dialogs.last(), "Zahl zu hoch, Vorgang abgebrochen!");
    EXPECT_TRUE(calc.Label3.isEmpty());
    EXPECT_EQ(calc.OperatorClass, 0);
}

TEST_F(CalculatorTest, MemoryKeys) {
    useFormat(3);
    calc.NumberDivideByMemory();
    EXPECT_EQ(dialogs.last(), "Division durch Null ist nicht erlaubt!");
    EXPECT_EQ(calc.Label6, "0.0");
    press("12");
    calc.MemoryStore();
    EXPECT_EQ(calc.Label6, "12");
    calc.MemoryAdd();
    calc.MemoryMultiply();
    EXPECT_EQ(calc.Label6, "288");
    calc.MemoryClear();
    EXPECT_EQ(calc.Label6, "0.0");
    press("+");
    calc.MemoryDivideByNumber();  // z is the empty second field
    EXPECT_EQ(dialogs.last(), "Division durch Null ist nicht erlaubt!");
    calc.MemoryValue = 5;
    calc.MemoryRecall();
    EXPECT_EQ(calc.Label3, "5");
}

TEST_F(CalculatorTest, PiGoesIntoEitherField) {
    useFormat(3);
    press("2x");
    calc.EnterPi();
    EXPECT_EQ(calc.Label2, "x Pi");
    EXPECT_EQ(calc.Label3, "3,14159265358979");
    calc.Undo();  // back to before π only through the Tape walk; the snapshot stays for later
    press("C");
    calc.EnterPi();
    EXPECT_EQ(calc.Label4, "Pi");
}
