#include "calculatorfixture.h"
#include "core/numtext.h"

TEST_F(CalculatorTest, CompoundingPercentRepeatsAndUndoesStepByStep) {
    useFormat(3);
    press("100+%5WW");
    EXPECT_EQ(calc.Label1, "110,25");
    EXPECT_EQ(calc.Label5, "2");
    press("U");
    EXPECT_EQ(calc.Label1, "105");
    press("U");
    EXPECT_EQ(calc.Label1, "100");
    EXPECT_EQ(calc.Label5, "0");
}

TEST_F(CalculatorTest, RepeatedAdditionClosesWithASumLine) {
    useFormat(3);
    press("10+5WWW");
    EXPECT_EQ(calc.Label1, "25");
    EXPECT_EQ(calc.Label5, "3");
    press("=");
    EXPECT_EQ(lines(), QStringList({"10 ^", "3x   5 +", "15 Z", dashes(3), "25 T"}));
    EXPECT_EQ(tape.lines[2].colour, Tape::Green);

    // Walking back: total, dashes, the repetition, the first operand.
    press("U");
    EXPECT_EQ(calc.Label1, "25");
    press("UU");
    EXPECT_EQ(fields(), QStringList({"10", "+", "15"}));
    EXPECT_EQ(lines(), QStringList({"10 ^"}));

    // Undo during a repetition takes back one step.
    restart();
    useFormat(3);
    press("10+5WWWU");
    EXPECT_EQ(calc.Label1, "20");
    EXPECT_EQ(calc.Label5, "2");
}

TEST_F(CalculatorTest, RepeatCountIsAskedWithCtrl) {
    useFormat(3);
    press("10+5");
    calc.AskRepeatCount = true;
    dialogs.inputs = {QStringLiteral("3")};
    press("W");
    EXPECT_EQ(calc.Label1, "25");
    calc.AskRepeatCount = true;
    dialogs.inputs = {QStringLiteral("2,5")};
    EXPECT_THROW(press("W"), numtext::ConversionError);
    EXPECT_EQ(calc.Label1, "25");
    EXPECT_EQ(calc.Label5, "3");
}

TEST_F(CalculatorTest, TheTapeWalkUndoesTwelvePlusFive) {
    useFormat(3);
    press("12+5=");
    press("U");
    EXPECT_EQ(calc.Label1, "17");
    EXPECT_TRUE(calc.Label3.isEmpty());
    EXPECT_EQ(lines().size(), 3);
    press("U");
    EXPECT_EQ(lines(), QStringList({"12 ^", "5 +"}));
    press("U");
    EXPECT_EQ(fields(), QStringList({"12", "+", "5"}));
    EXPECT_EQ(calc.ActiveField, 2);
    press("U");
    EXPECT_EQ(calc.Label1, "12");
    EXPECT_EQ(calc.ActiveField, 1);
    EXPECT_TRUE(lines().isEmpty());
    press("+1=");
    EXPECT_EQ(calc.Label1, "13");
}

TEST_F(CalculatorTest, TheTapeWalkReadsBackMarkedLines) {
    useFormat(3);
    tape.AppendLine("(R2) 15 ^");
    press("U");
    EXPECT_EQ(calc.Label1, "15");
    EXPECT_EQ(calc.ActiveField, 1);

    useFormat(1, 0);
    tape.AppendLine("1.235 T");
    press("U");
    EXPECT_EQ(calc.Operand1Text, "1235");

    tape.AppendLine("Rechnung Nr. 12 vom Montag");
    press("U");
    EXPECT_TRUE(lines().isEmpty());
    EXPECT_EQ(calc.Operand1Text, "1235");
}

TEST_F(CalculatorTest, HiddenTapeUndoRestoresTheSnapshotOnce) {
    tape.visible = false;
    useFormat(3);
    press("12+5C");
    EXPECT_TRUE(calc.Label1.isEmpty());
    press("U");
    EXPECT_EQ(calc.Label1, "12");
    EXPECT_EQ(calc.Label3, "5");
    EXPECT_EQ(calc.ActiveField, 2);
    press("C U U");
    EXPECT_EQ(calc.Label1, "12");
    calc.Label1 = "x";
    press("U");
    EXPECT_EQ(calc.Label1, "x") << "a second undo without a new snapshot does nothing";
}

TEST_F(CalculatorTest, HiddenTapeUndoReturnsToTheStateBeforeTheLastEquals) {
    tape.visible = false;
    useFormat(3);
    press("2");
    dialogs.inputs = {QStringLiteral("10")};
    calc.ApplyFunction(u'm');
    press("=");
    EXPECT_EQ(calc.Label1, "1024");
    press("U");
    EXPECT_EQ(calc.Label2, "H10") << "the confirmation of a power can be taken back";
    EXPECT_EQ(calc.Label3, "1024");

    press("C 7/0=");
    press("U");
    EXPECT_EQ(fields(), QStringList({"7", "/", "0"}));
}
