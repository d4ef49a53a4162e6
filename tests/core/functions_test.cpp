#include "calculatorfixture.h"

TEST_F(CalculatorTest, AFunctionShowsItsMarkAndEqualsConfirmsTheResult) {
    // The root starts in currency format: a function result is not an amount.
    const struct {
        int format;
        const char* operand;
        const char* function;
        const char* input;  // base or exponent asked for
        QString mark, result;
    } cases[] = {
        {2, "2", "s", nullptr, "Q", "1,4142135623731"},
        {3, "8", "n", "2,5", "L2,5", "2,26941239209809"},
        {3, "2", "m", "10", "H10", "1024"},
    };
    for (const auto& c : cases) {
        restart();
        useFormat(c.format);
        if (c.input) dialogs.inputs = {QString::fromUtf8(c.input)};
        press(QString::fromUtf8(c.operand) + c.function);
        EXPECT_EQ(fields(), QStringList({c.operand, c.mark, c.result})) << c.function;
        press("=");
        EXPECT_EQ(fields(), QStringList({c.result, "", ""})) << c.function;
        EXPECT_EQ(calc.ActiveField, 3);
        EXPECT_EQ(lines(), QStringList({c.operand + QString(" ^"), c.mark, c.result + " ="})) << c.function;
    }
}

namespace {

using rownames::operator<<;

const QString kBase = "Basiszahl: Bitte Basiszahl eingeben! (min 2)";
const QString kExponent = "Exponent: Bitte den Exponenten eingeben!";
const QString kTooLarge = "Zahl zu hoch, Vorgang abgebrochen!";

struct DomainRow {
    const char* name;
    const char* keys;
    const char* input;
    QString lastShown;
    int activeField;
};

// Undefined values pass silently, so the question for base or exponent is the last thing shown;
// a negative root and too large a result are refused with a message.
const DomainRow kDomainRows[] = {
    {"log to base 1", "8n", "1", kBase, 2},
    {"log to base one half", "8n", "0,5", kBase, 2},
    {"log to an empty base", "8n", "", kBase, 2},
    {"log to a base that is no number", "8n", "abc", kBase, 2},
    {"log of a negative number", "±8n", "2", kBase, 2},
    {"negative number to a broken power", "±8m", "0,5", kExponent, 2},
    {"ln of zero", "0l", nullptr, "", 2},
    {"power too large", "10m", "99999", kTooLarge, 2},
    {"exp too large", "20000e", nullptr, kTooLarge, 2},
    {"root of a negative number", "±9s", nullptr, "Von einer negativen Zahl kann keine Quadratwurzel gezogen werden",
     3},
};

using DomainTable = CalculatorRows<DomainRow>;

TEST_P(DomainTable, AFunctionOutsideItsDomainGivesNoResult) {
    const DomainRow& c = GetParam();
    useFormat(3);
    if (c.input) dialogs.inputs = {QString::fromUtf8(c.input)};
    press(c.keys);
    EXPECT_TRUE(calc.Label3.isEmpty()) << c.keys;
    EXPECT_EQ(dialogs.last(), c.lastShown) << c.keys << " with " << (c.input ? c.input : "no input");
    EXPECT_EQ(calc.ActiveField, c.activeField) << c.keys;
}

INSTANTIATE_TEST_SUITE_P(CalculatorTest, DomainTable, ::testing::ValuesIn(kDomainRows), rownames::ByName());

}  // namespace

TEST_F(CalculatorTest, MemoryKeysWorkWithTheActiveNumber) {
    useFormat(3);
    calc.NumberDivideByMemory();
    EXPECT_EQ(dialogs.last(), "Division durch Null ist nicht erlaubt!");
    press("12");
    calc.MemoryStore();
    EXPECT_EQ(calc.Label6, "12");
    calc.MemoryAdd();
    EXPECT_EQ(calc.Label6, "24");
    calc.MemoryMultiply();
    EXPECT_EQ(calc.Label6, "288");
    calc.MemorySubtract();
    EXPECT_EQ(calc.Label6, "276");
    calc.MemoryClear();
    EXPECT_EQ(calc.Label6, "0.0");
    press("+");
    calc.MemoryDivideByNumber();  // the number is the empty second field
    EXPECT_EQ(dialogs.last(), "Division durch Null ist nicht erlaubt!");
    calc.MemoryValue = 5;
    calc.MemoryRecall();
    EXPECT_EQ(calc.Label3, "5");
}

TEST_F(CalculatorTest, PiGoesIntoEitherField) {
    useFormat(3);
    press("2xp");
    EXPECT_EQ(fields(), QStringList({"2", "x Pi", "3,14159265358979"}));
    press("U C p");  // back to before π only through the Tape walk; the snapshot stays for later
    EXPECT_EQ(calc.Label4, "Pi");
}
