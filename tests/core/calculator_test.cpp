#include "calculatorfixture.h"

#include "core/numtext.h"

namespace {

using rownames::operator<<;

struct EqualsRow {
    const char* name;
    int format;
    const char* keys;
    const char* result;
    QStringList expected;
    QList<int> red;  // lines printed in red
};

const EqualsRow kEqualsRows[] = {
    {"twelve plus five in format 1", 1, "12+5=", "17,00", {"12,00 ^", " 5,00 +", dashes(4), "17,00 T"}, {}},
    {"twelve plus five in format 2", 2, "12+5=", "17,00 €", {"12,00 ^", " 5,00 +", dashes(3), "17,00 € T"}, {}},
    {"twelve plus five in format 3", 3, "12+5=", "17", {"12 ^", "5 +", dashes(2), "17 T"}, {}},
    // subtrahend, negative total
    {"negative total", 3, "10-30=", "-20", {"10 ^", "30 -", dashes(3), "-20 T"}, {1, 2, 3}},
    {"percent of", 3, "200%10=", "20", {"200 ^", "10 %", dashes(3), "20 T"}, {}},
    {"percent added after the number", 3, "200+10%=", "220", {"200 ^", "10 +%", dashes(3), "220 T"}, {}},
    {"percent added before the number", 3, "200+%10=", "220", {"200 ^", "10 +%", dashes(3), "220 T"}, {}},
    {"percent taken off", 3, "200-10%=", "180", {"200 ^", "10 -%", dashes(3), "180 T"}, {1}},
};

using EqualsTable = CalculatorRows<EqualsRow>;

TEST_P(EqualsTable, EqualsRecordsOperandsDashesAndTotalInEachFormatAndWithPercent) {
    const EqualsRow& c = GetParam();
    useFormat(c.format);
    press(c.keys);
    EXPECT_EQ(lines(), c.expected) << c.keys << " in format " << c.format;
    EXPECT_EQ(fields(), QStringList({c.result, "", ""})) << c.keys << " in format " << c.format;
    EXPECT_EQ(calc.ActiveField, 3);
    EXPECT_EQ(calc.Label4, "=");
    for (int i = 0; i < int(tape.lines.size()); ++i) {
        EXPECT_TRUE(tape.lines[i].bold);
        EXPECT_EQ(tape.lines[i].colour, c.red.contains(i) ? Tape::Red : Tape::Black) << c.keys << " line " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(CalculatorTest, EqualsTable, ::testing::ValuesIn(kEqualsRows), rownames::ByName());

struct ShownRow {
    const char* name;
    int format, decimals;
    const char* keys;
    QString Calculator::*label;
    const char* shown;
};

const ShownRow kShownRows[] = {
    {"format 1 rounds a typed number", 1, 0, "1234,5", &Calculator::Label1, "1.235"},
    // rounded for display only, not for 2 x 1.235
    {"format 1 rounds a result", 1, 0, "1234,5x2=", &Calculator::Label1, "2.469"},
    {"format 3 shows a small result with exponent", 3, 2, "1/1000000=", &Calculator::Label1, "1E-6"},
    {"format 3 shows a large result with exponent", 3, 2, "10000000000000000x1=", &Calculator::Label1, "1E16"},
    {"format 2 types without currency", 2, 2, "1234,5", &Calculator::Label1, "1.234,50"},  // no currency while typing
    {"format 2 shows a factor", 2, 2, "1234,5x3", &Calculator::Label3, "3"},               // a factor is not an amount
    {"format 2 shows a result with currency", 2, 2, "1234,5x3=", &Calculator::Label1, "3.703,50 €"},
};

using ShownTable = CalculatorRows<ShownRow>;

TEST_P(ShownTable, EachFormatShowsTypedNumbersFactorsAndResults) {
    const ShownRow& c = GetParam();
    useFormat(c.format, c.decimals);
    press(c.keys);
    EXPECT_EQ(calc.*c.label, c.shown) << c.keys << " in format " << c.format;
}

INSTANTIATE_TEST_SUITE_P(CalculatorTest, ShownTable, ::testing::ValuesIn(kShownRows), rownames::ByName());

}  // namespace

TEST_F(CalculatorTest, ACopyHasFullPrecisionWithoutGroupingOrCurrency) {
    useFormat(2, 2);
    press("1234,5x3=");
    EXPECT_EQ(calc.Copy(), "3703,5");
}

TEST_F(CalculatorTest, OperatorsChainByChainMode) {
    // Mode 0 computes when the same operator comes again and lets another one replace it;
    // mode 1 computes on any operator. A computed multiplication shows as a green subtotal.
    const struct {
        int chainMode;
        const char* keys;
        QStringList shown;
        const char* more;
        QStringList tape;
    } cases[] = {
        {0, "5+3+", {"8", "+", ""}, "2=", {"5 ^", "3 +", "2 +", dashes(2), "10 T"}},
        {0, "6x2x", {"12", "x", ""}, "3=", {"6 ^", "2 x", "12 S", "3 x", dashes(2), "36 T"}},
        {0, "5+3x", {"5", "x", "3"}, "", {"5 ^"}},
        {1, "5+3x", {"8", "x", ""}, "2=", {"5 ^", "3 +", "8 S", "2 x", dashes(2), "16 T"}},
    };
    for (const auto& c : cases) {
        restart();
        useFormat(3);
        calc.SetChainMode(c.chainMode);
        press(c.keys);
        EXPECT_EQ(fields(), c.shown) << c.keys << " in chain mode " << c.chainMode;
        press(c.more);
        EXPECT_EQ(lines(), c.tape) << c.keys << c.more << " in chain mode " << c.chainMode;
        for (const auto& line : tape.lines)
            EXPECT_TRUE(!line.text.endsWith(" S") || line.colour == Tape::Green) << line.text.toStdString();
    }
}

TEST_F(CalculatorTest, DivisionByZeroAndOverflowAreRefusedAndChangeNothing) {
    useFormat(3);
    press("7/0=");
    EXPECT_EQ(dialogs.last(), "Division durch Null ist nicht erlaubt!");
    EXPECT_EQ(fields(), QStringList({"7", "/", "0"}));
    EXPECT_EQ(calc.ActiveField, 2);
    EXPECT_EQ(lines(), QStringList({"7 ^"}));
    press("<=");  // an empty divisor reads as 0 too
    EXPECT_EQ(dialogs.shown.size(), 2);

    press("C");
    calc.Operand1Text = numtext::str(1e4000L);
    calc.Label1 = "1E4000";
    press("x");
    calc.Operand2Text = numtext::str(1e4000L);
    calc.Label3 = "1E4000";
    press("=");
    EXPECT_EQ(dialogs.last(), "Zahl zu hoch, Vorgang abgebrochen!");
    EXPECT_EQ(calc.ActiveField, 2);
    EXPECT_EQ(fields(), QStringList({"1E4000", "x", "1E4000"}));

    // Typing: 1 and 4932 zeros is the largest power of ten; one more zero is refused in either field.
    const QString largest = "1" + QString(4932, u'0');
    for (const char* before : {"C", "C1+"}) {
        press(before);
        press(largest);
        dialogs.shown.clear();
        press("0");
        EXPECT_EQ(dialogs.last(), "Zahl zu hoch, Vorgang abgebrochen!") << before;
        EXPECT_EQ(calc.ActiveField == 1 ? calc.Operand1Text : calc.Operand2Text, largest) << before;
    }
    EXPECT_EQ(calc.Label3, "1E4932");
    press("=");
    EXPECT_EQ(calc.Label1, "1E4932");
}

TEST_F(CalculatorTest, AfterAResultDigitsAreIgnoredAndEqualsDoesNothing) {
    useFormat(3);
    press("12+5=");
    const QStringList before = lines();
    press("7=");
    EXPECT_EQ(calc.Label1, "17");
    EXPECT_EQ(lines(), before);
    press("±");
    EXPECT_EQ(calc.Label1, "-17");
    EXPECT_EQ(calc.ActiveField, 3);
    press("+3=");
    EXPECT_EQ(calc.Label1, "-14");
    EXPECT_EQ(lines().last(), "-14 T");
}

TEST_F(CalculatorTest, SignChangeOnAnEmptyFieldTogglesAMinus) {
    calc.Label1.clear();
    press("±");
    EXPECT_EQ(calc.Label1, "-");
    press("±");
    EXPECT_EQ(calc.Label1, "");
    press("±5");
    EXPECT_EQ(calc.Operand1Text, "-5");
}

TEST_F(CalculatorTest, DeletingADigitOfAPreciseResultAsksFirst) {
    useFormat(3);
    press("1/3=<");
    EXPECT_TRUE(dialogs.shown.isEmpty()) << "15 digits need no question";
    EXPECT_EQ(calc.Operand1Text, "0.33333333333333");
    EXPECT_EQ(calc.ActiveField, 1);

    press("C");
    calc.Operand1Text = numtext::str(1.234567890123456e25L);
    dialogs.yesNo = {false};
    press("<");
    EXPECT_EQ(dialogs.last(), "Ergebnisspeicher verliert die Genauigkeit beim Löschen. Fortfahren?");
    EXPECT_EQ(calc.Operand1Text, numtext::str(1.234567890123456e25L));
}

TEST_F(CalculatorTest, SwitchingCalculatorsKeepsEachOnesState) {
    useFormat(3);
    press("12+5");
    calc.SelectCalculator(2);
    EXPECT_EQ(calc.Caption, "Kalkulo (R2)");
    EXPECT_EQ(calc.ActiveField, 1);
    EXPECT_EQ(lines().last(), "(R2) ");
    press("15");
    calc.SelectCalculator(1);
    EXPECT_EQ(calc.Caption, "Kalkulo (R1)");
    EXPECT_EQ(fields(), QStringList({"12", "+", "5"}));
    EXPECT_EQ(calc.ActiveField, 2);
    EXPECT_EQ(calc.SelectedRadio, 2);
    EXPECT_EQ(lines().last(), "(R1) 12 ^");
    press("=");
    calc.SelectCalculator(1);
    EXPECT_EQ(lines().last(), "17 T") << "switching to the calculator that is on writes nothing";

    calc.SelectCalculator(2);
    EXPECT_EQ(lines().last(), "(R2) 15 ^");
    calc.TakeFromOtherCalculator();  // field 1 holds 15: asks, answered Ja
    EXPECT_EQ(dialogs.last(), "Inhalt überschreiben?");
    EXPECT_EQ(calc.Label1, "17");
}

TEST_F(CalculatorTest, WritersKeepACommentOnTheOnlyLineAndClearOnlyAnEmptyOne) {
    const struct {
        const char* name;
        int route;  // 0 switch to R2, 1 square root, 2 closing a trigonometry panel function
        QStringList written;
    } cases[] = {
        {"switch", 0, {"(R2) "}},
        {"root", 1, {"12 ^", "Q", "3,46410161513775 ="}},
        {"panel", 2, {"30 Grad", "=  0,5 Sin"}},
    };
    for (const auto& c : cases) {
        for (const QString& first : {QStringLiteral("Einkauf Montag"), QString()}) {
            restart();
            useFormat(3);
            press("12");
            tape.AppendLine(first);
            if (c.route == 0) {
                calc.SelectCalculator(2);
            } else if (c.route == 1) {
                press("s=");
            } else {
                calc.PanelFunction = 1;
                calc.Label1 = "30";
                calc.Label4 = "Grad";
                calc.Label3 = "0,5";
                calc.Label2 = "Sin";
                press("=");
            }
            const QStringList expected = first.isEmpty() ? c.written : QStringList{first} + c.written;
            EXPECT_EQ(lines(), expected) << c.name << " after '" << first.toStdString() << "'";
        }
    }
}

TEST_F(CalculatorTest, DecimalsAreClampedAndReformatTheFirstField) {
    useFormat(1, 2);
    press("2,5");
    calc.SetDecimals(20);
    EXPECT_EQ(calc.Decimals, 15);
    calc.SetDecimals(-1);
    EXPECT_EQ(calc.Decimals, 0);
    EXPECT_EQ(calc.Label1, "    3");
}

TEST_F(CalculatorTest, QuitAsksOnlyWhenTheTapeHoldsLines) {
    press("12+5=");
    dialogs.yesNo = {false};
    calc.Quit();
    EXPECT_FALSE(calc.QuitRequested);
    calc.Quit();
    EXPECT_TRUE(calc.QuitRequested);
    EXPECT_EQ(tape.LineCount(), 0);
}
