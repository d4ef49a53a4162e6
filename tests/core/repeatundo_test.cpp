#include "calculatorfixture.h"
#include "core/numtext.h"

namespace {

using rownames::operator<<;

struct RepeatRow {
    const char* name;
    const char* keys;
    const char* result;
    const char* counter;
};

const RepeatRow kRepeatRows[] = {
    {"percent added twice", "100+%5WW", "110,25", "2"},
    {"percent added twice, one undone", "100+%5WWU", "105", "1"},
    {"percent added twice, both undone", "100+%5WWUU", "100", "0"},
    {"added three times, one undone", "10+5WWWU", "20", "2"},
    {"added three times", "10+5WWW", "25", "3"},
};

using RepeatTable = CalculatorRows<RepeatRow>;

TEST_P(RepeatTable, RepeatCountsItsStepsAndUndoTakesOneBack) {
    const RepeatRow& c = GetParam();
    useFormat(3);
    press(c.keys);
    EXPECT_EQ(calc.Label1, c.result) << c.keys;
    EXPECT_EQ(calc.Label5, c.counter) << c.keys;
}

INSTANTIATE_TEST_SUITE_P(CalculatorTest, RepeatTable, ::testing::ValuesIn(kRepeatRows), rownames::ByName());

}  // namespace

TEST_F(CalculatorTest, EqualsClosesARepetitionWithAGreenSumLine) {
    useFormat(3);
    press("10+5WWW=");
    EXPECT_EQ(lines(), QStringList({"10 ^", "3x   5 +", "15 Z", dashes(3), "25 T"}));
    EXPECT_EQ(tape.lines[2].colour, Tape::Green);
}

TEST_F(CalculatorTest, AnAbandonedRepetitionLeavesNothingBehind) {
    // A repetition left by "Löschen", by a switch of calculators or by π must not reach the next record.
    const struct {
        const char* name;
        int switches;  // calculator switches after the repeat step
        const char* then;
    } cases[] = {{"Loeschen", 0, "C"}, {"switch to R2", 1, ""}, {"switch to R2 and back", 2, "C"}};
    for (const auto& c : cases) {
        restart();
        useFormat(3);
        press("12+5W");
        if (c.switches >= 1) calc.SelectCalculator(2);
        if (c.switches >= 2) calc.SelectCalculator(1);
        press(c.then);
        press("1+1WW=");
        EXPECT_EQ(lines().mid(lines().size() - 5), QStringList({"1 ^", "2x   1 +", "2 Z", dashes(2), "3 T"})) << c.name;
        EXPECT_EQ(calc.Label1, "3") << c.name;
    }
    restart();
    useFormat(3);
    press("12+5WpW=");  // π ends the repetition of 5; the new one sums π alone
    EXPECT_EQ(lines().filter(" Z"), QStringList({"3,14159265358979 Z"}));
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

TEST_F(CalculatorTest, UndoWalksTheTapeBackLineByLine) {
    // After each undo: the fields, the active field and how many of the written Tape lines are left.
    struct Step {
        QStringList fields;
        int activeField, linesLeft;
    };
    const std::pair<const char*, std::vector<Step>> walks[] = {
        {"10+5WWW=", {{{"25", "", ""}, 3, 4}, {{"25", "", ""}, 3, 3}, {{"10", "+", "15"}, 2, 1}}},
        {"12+5=", {{{"17", "", ""}, 3, 3}, {{"17", "", ""}, 3, 2}, {{"12", "+", "5"}, 2, 1}, {{"12", "", ""}, 1, 0}}},
    };
    for (const auto& [keys, walk] : walks) {
        restart();
        useFormat(3);
        press(keys);
        const QStringList written = lines();
        for (size_t i = 0; i < walk.size(); ++i) {
            press("U");
            const std::string step = std::string(keys) + " undone " + std::to_string(i + 1) + " times";
            EXPECT_EQ(fields(), walk[i].fields) << step;
            EXPECT_EQ(calc.ActiveField, walk[i].activeField) << step;
            EXPECT_EQ(lines(), written.mid(0, walk[i].linesLeft)) << step;
        }
    }
    press("+1=");
    EXPECT_EQ(calc.Label1, "13") << "the walked-back first operand computes on";
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

TEST_F(CalculatorTest, TheTapeWalkReadsAPointAsThousandsSeparatorWithoutDecimals) {
    // Format 1 with 0 decimals, formatted on result: the pasted operand shows its thousands point.
    useFormat(1, 0);
    calc.SetFormatWhileTyping(2);
    press("5000+");
    calc.Paste(QStringLiteral("1000"));
    press("=");
    EXPECT_EQ(lines(), QStringList({"5000 ^", "1.000 +", dashes(4), "6.000 T"}));
    press("UUU");
    EXPECT_EQ(fields(), QStringList({"5.000", "+", "1.000"}));
    EXPECT_EQ(calc.Operand2Text, "1000");
    EXPECT_EQ(calc.Operand1Text, numtext::str(5000));
    press("U");
    EXPECT_EQ(calc.Operand1Text, "5000");
}

TEST_F(CalculatorTest, HiddenTapeUndoRestoresTheStateBeforeTheLastStepOnce) {
    tape.visible = false;
    const struct {
        const char* keys;
        const char* input;
        QStringList fields;
        int activeField;
    } cases[] = {
        {"12+5C", nullptr, {"12", "+", "5"}, 2},
        {"2m=", "10", {"2", "H10", "1024"}, 1},  // the confirmation of a power can be taken back
        {"7/0=", nullptr, {"7", "/", "0"}, 2},
    };
    for (const auto& c : cases) {
        restart();
        useFormat(3);
        if (c.input) dialogs.inputs = {QString::fromUtf8(c.input)};
        press(c.keys);
        EXPECT_TRUE(lines().isEmpty()) << "nothing is written while the Tape is hidden";
        press("U");
        EXPECT_EQ(fields(), c.fields) << c.keys;
        EXPECT_EQ(calc.ActiveField, c.activeField) << c.keys;
    }
    press("C U");
    EXPECT_EQ(fields(), QStringList({"7", "/", "0"})) << "clearing takes a new snapshot";
    calc.Label1 = "x";
    press("U");
    EXPECT_EQ(calc.Label1, "x") << "a second undo without a new snapshot does nothing";
}
