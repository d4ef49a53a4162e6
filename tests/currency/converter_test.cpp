// The converter on its own: the worked examples, the first-run state, selection keys, drops,
// typed and pasted amounts, and rates that cannot convert.
#include "converterfixture.h"

#include <functional>
#include <vector>

TEST_F(ConverterTest, FirstRunStateIsTheBuiltInListConvertingOneMarkToEuro) {
    EXPECT_EQ(conv.Names.size(), 7);
    EXPECT_EQ(conv.Rates.size(), 7);
    EXPECT_EQ(
        (QStringList{conv.Names[6], conv.Rates[5], conv.Label6, conv.Label3, conv.Edit4, conv.Label4, conv.Edit2,
                     conv.Edit3, calc.CurrencyCode, calc.SecondCurrencyCode}),
        (QStringList{"PLZ, Pol. Zl.", "121.882", "€,Euro", "DM, De. Mark", "1.95583", "←", "0,51", "1", "€", "€"}));
    EXPECT_EQ((std::vector<int>{conv.SelectedIndex, conv.ConverterDirection, calc.InsertSecondCurrency,
                                conv.ConverterChain, conv.ListEditMode}),
              (std::vector<int>{1, 1, 1, 0, 0}));
}

struct Example {
    const char* name;
    std::function<void(ConverterRig&, CurrencyConverter&)> steps;
    QString edit2, edit3, result;
};

TEST(ConverterExamples, ConversionsInBothDirections) {
    const Example examples[] = {
        {"100 typed in the left field, DM", [](ConverterRig& t, auto&) { t.typeInto(Field::Left, "100"); }, "100",
         "195,58", "195.583"},
        {"195.583 typed in the right field", [](ConverterRig& t, auto&) { t.typeInto(Field::Right, "195.583"); },
         "100,00", "195.583", "100"},
        {"after the arrow, $ chosen: the raw amount, not \"0,51\"",
         [](ConverterRig&, CurrencyConverter& c) {
             c.ToggleDirection();
             c.SelectCurrency(3);
         },
         "0,51", "0,82", ""},
        {"\"<\" reads the shown 0,51 as its raw text",
         [](ConverterRig&, CurrencyConverter& c) { c.SetDirectionKey(2); }, "0,51", "1,00", ""},
        {"\">\" after \"<\" converts back",
         [](ConverterRig&, CurrencyConverter& c) {
             c.SetDirectionKey(2);
             c.SetDirectionKey(1);
         },
         "0,51", "1,00", ""},
        {"Ctrl+3 selects $ like the list", [](ConverterRig&, CurrencyConverter& c) { c.SelectByDigit(3); }, "0,62", "1",
         ""},
        {"Ctrl+9 beyond the list only converts", [](ConverterRig&, CurrencyConverter& c) { c.SelectByDigit(9); },
         "0,51", "1", ""},
        {"Ctrl+0 is entry 10", [](ConverterRig&, CurrencyConverter& c) { c.SelectByDigit(0); }, "0,51", "1", ""},
        {"Label1 dropped on the left field",
         [](ConverterRig& t, CurrencyConverter& c) {
             t.press("100");
             c.DropOnAmount(Field::Left, 1);
         },
         "  100,00", "195,58", "195.583"},
        {"large amounts keep thousands points", [](ConverterRig& t, auto&) { t.typeInto(Field::Left, "1000000"); },
         "1000000", "1.955.830,00", "1955830"},
    };
    for (const Example& e : examples) {
        ConverterRig t;
        e.steps(t, t.conv);
        EXPECT_EQ(t.conv.Edit2, e.edit2) << e.name;
        EXPECT_EQ(t.conv.Edit3, e.edit3) << e.name;
        if (!e.result.isEmpty()) {
            EXPECT_EQ(t.conv.ConverterResultText, e.result) << e.name;
        }
    }
}

TEST_F(ConverterTest, DirectionDecidesTheCalculatorsCurrency) {
    conv.ToggleDirection();
    EXPECT_EQ(conv.ConverterDirection, 2);
    EXPECT_EQ(calc.CurrencyCode, "DM");
    conv.ToggleDirection();
    EXPECT_EQ(conv.ConverterDirection, 1);
    EXPECT_EQ(calc.CurrencyCode, "€");
    EXPECT_EQ(calc.ConverterCurrencyCode, "DM");
    conv.SelectByDigit(4);  // direction 1: the code stays the base currency's
    EXPECT_EQ(calc.CurrencyCode, "€");
    conv.SetDirectionKey(2);
    EXPECT_EQ(calc.CurrencyCode, "CHF");
}

TEST_F(ConverterTest, PressingAFieldShowsItsRawTextAndTakesTheKeys) {
    calc.ActiveField = 2;
    conv.AmountPressed(Field::Left);
    EXPECT_EQ(conv.Edit2, conv.LeftRawText);
    EXPECT_FALSE(conv.Edit2.contains(u','));
    EXPECT_EQ(calc.ActiveField, 4);
    EXPECT_EQ(calc.SavedActiveField, 2);
    EXPECT_TRUE(conv.Edit2HintShown);
    calc.EndEditField();  // Esc
    EXPECT_EQ(calc.ActiveField, 2);
    EXPECT_FALSE(conv.Edit2HintShown);
}

TEST(CleanAmountText, TypedAndPastedAmountsKeepOneDecimalPoint) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"12.5", "12.5"}, {"1.2.3", "1.23"}, {"1.234,5", "1234.5"}, {"12,50 €", "12.50"},
        {"-7", "7"},      {"1e5", "15"},     {"abc", ""},           {"0,5", "0.5"},
    };
    for (const auto& c : cases) EXPECT_EQ(CurrencyConverter::CleanAmountText(c.in), c.out) << c.in;
}

TEST_F(ConverterTest, RatesThatCannotConvertLeaveTheResultEmptyAndRefuseHandingOn) {
    for (const char* rate : {"0", "N/A", "", "-2", "1E5000"}) {
        SCOPED_TRACE(rate);
        ConverterRig t;
        t.conv.Rates[1] = rate;
        t.typeInto(Field::Left, "100");
        EXPECT_EQ(t.conv.Edit3, "");
        EXPECT_EQ(t.conv.ConverterResultText, "");
        EXPECT_EQ(t.conv.converterDirection(), 0);

        t.press("7");
        const QString label1 = t.calc.Label1;
        t.conv.HandResultToCalculator();
        t.conv.WriteToTape();
        t.conv.HandActiveNumber();
        EXPECT_EQ(t.dialogs.shown, QStringList(3, CurrencyConverter::NoValidRateMessage));
        EXPECT_EQ(t.calc.Label1, label1);
        EXPECT_EQ(t.calc.Operand1Text, "7");
        EXPECT_TRUE(t.lines().isEmpty());

        t.press("+1=");  // a total in currency format: no second-currency line
        EXPECT_FALSE(t.lines().last().endsWith(" =")) << t.lines().join('|').toStdString();
    }
}

TEST_F(ConverterTest, AnAmountBeyondTheArithmeticConvertsToNothing) {
    conv.Rates[1] = "1E4000";
    typeInto(Field::Left, u'1' + QString(1000, u'0'));
    EXPECT_EQ(conv.Edit3, "");
    conv.HandResultToCalculator();
    EXPECT_EQ(dialogs.last(), "Zahl zu hoch, Vorgang abgebrochen!");
    EXPECT_TRUE(calc.Operand1Text.isEmpty());
}
