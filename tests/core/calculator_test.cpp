#include "calculatorfixture.h"

#include "core/numtext.h"

TEST_F(CalculatorTest, AdditionRecordsFourTapeLinesInEachFormat) {
    struct Case {
        int format;
        QStringList expected;
    };
    const Case cases[] = {
        {3, {"12 ^", "5 +", dashes(2), "17 T"}},
        {1, {"12,00 ^", " 5,00 +", dashes(4), "17,00 T"}},
        {2, {"12,00 ^", " 5,00 +", dashes(3), "17,00 € T"}},
    };
    for (const Case& c : cases) {
        restart();
        useFormat(c.format);
        press("12+5=");
        EXPECT_EQ(lines(), c.expected) << "format " << c.format;
        EXPECT_EQ(calc.ActiveField, 3);
        EXPECT_EQ(calc.Label4, "=");
        EXPECT_TRUE(calc.Label3.isEmpty());
        EXPECT_EQ(calc.Operand1Text, " 1.70000000000000E+0001");
        for (const auto& line : tape.lines) EXPECT_TRUE(line.bold);
    }
}

TEST_F(CalculatorTest, FormatOneShowsRoundedButComputesExactly) {
    useFormat(1, 0);
    press("1234,5");
    EXPECT_EQ(calc.Label1, "1.235");
    press("x2=");
    EXPECT_EQ(calc.Label1, "2.469");
    EXPECT_EQ(numtext::valValue(calc.Operand1Text), 2469);
}

TEST_F(CalculatorTest, FormatThreeUsesScientificForTinyAndHugeValues) {
    useFormat(3);
    press("1/1000000=");
    EXPECT_EQ(calc.Label1, "1E-6");
    press("C 10000000000000000x1=");
    EXPECT_EQ(calc.Label1, "1E16");
}

TEST_F(CalculatorTest, ChainModeZeroComputesOnTheSameOperatorAgain) {
    useFormat(3);
    press("5+3+");
    EXPECT_EQ(calc.Label1, "8");
    EXPECT_EQ(lines(), QStringList({"5 ^", "3 +"}));
    press("2=");
    EXPECT_EQ(lines(), QStringList({"5 ^", "3 +", "2 +", dashes(2), "10 T"}));

    tape.lines.clear();
    press("C 6x2x");
    EXPECT_EQ(calc.Label1, "12");
    press("3=");
    EXPECT_EQ(lines(), QStringList({"6 ^", "2 x", "12 S", "3 x", dashes(2), "36 T"}));
    EXPECT_EQ(tape.lines[2].colour, Tape::Green);
}

TEST_F(CalculatorTest, ADifferentOperatorReplacesOrComputesByChainMode) {
    useFormat(3);
    press("5+3x");
    EXPECT_EQ(fields(), QStringList({"5", "x", "3"}));
    EXPECT_EQ(lines(), QStringList({"5 ^"}));

    restart();
    useFormat(3);
    calc.SetChainMode(1);
    press("5+3x");
    EXPECT_EQ(calc.Label1, "8");
    EXPECT_EQ(lines(), QStringList({"5 ^", "3 +", "8 S"}));
    EXPECT_EQ(tape.lines[2].colour, Tape::Green);
    press("2=");
    EXPECT_EQ(calc.Label1, "16");
}

TEST_F(CalculatorTest, NegativeResultsAndSubtrahendsAreRed) {
    useFormat(3);
    press("10-30=");
    EXPECT_EQ(lines(), QStringList({"10 ^", "30 -", dashes(3), "-20 T"}));
    EXPECT_EQ(tape.lines[0].colour, Tape::Black);
    EXPECT_EQ(tape.lines[1].colour, Tape::Red);
    EXPECT_EQ(tape.lines[3].colour, Tape::Red);
}

TEST_F(CalculatorTest, DivisionByZeroChangesNothing) {
    useFormat(3);
    press("7/0=");
    EXPECT_EQ(dialogs.last(), "Division durch Null ist nicht erlaubt!");
    EXPECT_EQ(fields(), QStringList({"7", "/", "0"}));
    EXPECT_EQ(calc.ActiveField, 2);
    EXPECT_EQ(lines(), QStringList({"7 ^"}));
    // An empty divisor reads as 0 too.
    press("<=");
    EXPECT_EQ(dialogs.shown.size(), 2);
}

TEST_F(CalculatorTest, OverflowIsRefusedAndNothingIsStored) {
    useFormat(3);
    calc.Operand1Text = numtext::str(1e4000L);
    calc.Label1 = "1E4000";
    press("x");
    calc.Operand2Text = numtext::str(1e4000L);
    calc.Label3 = "1E4000";
    press("=");
    EXPECT_EQ(dialogs.last(), "Zahl zu hoch, Vorgang abgebrochen!");
    EXPECT_EQ(calc.ActiveField, 2);
    EXPECT_EQ(calc.Label1, "1E4000");
    EXPECT_EQ(calc.PendingOperator, u'x');
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
    press("1/3=");
    EXPECT_EQ(calc.Label1, "0,333333333333333");
    dialogs.yesNo = {true};
    press("<");
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
    EXPECT_EQ(calc.Label1, "17");

    const int count = tape.LineCount();
    calc.SelectCalculator(1);
    EXPECT_EQ(tape.LineCount(), count) << "switching to the calculator that is on writes nothing";

    calc.SelectCalculator(2);
    EXPECT_EQ(lines().last(), "(R2) 15 ^");
    calc.TakeFromOtherCalculator();  // field 1 holds 15: asks, answered Ja
    EXPECT_EQ(dialogs.last(), "Inhalt überschreiben?");
    EXPECT_EQ(calc.Label1, "17");
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

TEST_F(CalculatorTest, CurrencyTypingShowsNoSuffixCopiesUngroupedAndFactorsAreNotAmounts) {
    useFormat(2);
    press("1234,5");
    EXPECT_EQ(calc.Label1, "1.234,50");
    EXPECT_EQ(calc.Copy(), "1234,5") << "a copy has full precision without grouping";
    press("x3");
    EXPECT_EQ(calc.Label3, "3");
    press("=");
    EXPECT_EQ(calc.Label1, "3.703,50 €");
}

TEST_F(CalculatorTest, NothingIsWrittenWhileTheTapeIsHidden) {
    tape.visible = false;
    press("12+5=");
    EXPECT_TRUE(lines().isEmpty());
    EXPECT_EQ(calc.Label1, "17");
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
