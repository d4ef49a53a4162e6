// The converter and the calculator together: totals in currency format come back converted and
// write the second-currency line, results go into the calculator's fields, amounts chain.
#include "converterfixture.h"

namespace {
const QChar Dash(0x2014);

bool isDashLine(const QString& line) { return !line.isEmpty() && line.count(Dash) == line.size(); }
}  // namespace

TEST_F(ConverterTest, TotalsInCurrencyFormatWriteTheSecondCurrencyLine) {
    const struct {
        const char* name;
        bool arrowFirst;
        QString total, second;
    } cases[] = {
        {"first start: euro total, marks below", false, "17,00 € T", "DM 33,25 ="},
        {"after the arrow: mark total, euros below", true, "17,00 DM T", "€ 8,69 ="},
    };
    for (const auto& c : cases) {
        ConverterRig t;
        if (c.arrowFirst) t.conv.ToggleDirection();
        t.press("12+5=");
        const QStringList l = t.lines();
        ASSERT_EQ(l.size(), 5) << c.name << ": " << l.join(u'|').toStdString();
        EXPECT_EQ(l[0], "12,00 ^") << c.name;
        EXPECT_EQ(l[1], " 5,00 +") << c.name;
        EXPECT_TRUE(isDashLine(l[2])) << c.name;
        EXPECT_EQ(l[3], c.total) << c.name;
        EXPECT_EQ(l[4], c.second) << c.name;
        EXPECT_EQ(t.tape.lines[4].size, 8) << c.name;
        EXPECT_FALSE(t.tape.lines[4].bold) << c.name;
        // The direction is the one set before, and the calculator's currency with it.
        EXPECT_EQ(t.conv.ConverterDirection, c.arrowFirst ? 2 : 1) << c.name;
        EXPECT_EQ(t.calc.CurrencyCode, c.arrowFirst ? "DM" : "€") << c.name;
    }
}

TEST_F(ConverterTest, OperatorsHandOverOnlyWhileThePanelIsShown) {
    conv.SetVisible(false);
    press("40+");
    EXPECT_EQ(conv.Edit2, "0,51");
    conv.SetVisible(true);
    press("2+");  // 42 computed; the operator hands over what was added last
    EXPECT_EQ(conv.Edit2, "2,00");
    conv.SetVisible(false);
    press("=");  // a total always comes back
    EXPECT_EQ(conv.Edit2, "42,00");
    EXPECT_EQ(conv.Edit3, "82,14");
}

TEST_F(ConverterTest, QHandsTheActiveNumberThroughTheConverterBack) {
    press("100");
    conv.HandActiveNumber();
    EXPECT_EQ(calc.Label1, "51,13 €");
    EXPECT_EQ(conv.Edit3, "  100,00");
    EXPECT_EQ(conv.Edit2, "51,13");
    EXPECT_EQ(calc.ActiveField, 1);

    press("+");
    conv.HandActiveNumber();  // nothing typed in field 2 yet: 0
    EXPECT_EQ(calc.Label3, " 0,00");
}

TEST_F(ConverterTest, TheConvertedAmountGoesIntoTheActiveField) {
    typeInto(Field::Right, "100");
    conv.HandResultToCalculator();
    EXPECT_EQ(calc.Label1, "51,13 €");
    EXPECT_EQ(calc.Operand1Text, "51.1291881196218");
    EXPECT_EQ(calc.ActiveField, 1);
    EXPECT_EQ(conv.Focus, CurrencyConverter::FocusTarget::Equals);

    // Field 2 shows two decimals; the format and the user's decimals stay.
    calc.SpinValue = 3;
    calc.SetNumberFormat(1);
    press("+");
    conv.HandResultToCalculator();
    EXPECT_EQ(calc.Label3, "51,13");
    EXPECT_EQ(calc.NumberFormat, 1);
    EXPECT_EQ(calc.Decimals, 3);
    press("=");
    EXPECT_EQ(calc.Label1, "102,258");

    // Over a result: only after "Ja".
    dialogs.yesNo = {false};
    conv.HandResultToCalculator();
    EXPECT_EQ(dialogs.last(), "Ergebnis überschreiben?");
    EXPECT_EQ(calc.Label1, "102,258");
    EXPECT_EQ(calc.SavedActiveField, 3);
    dialogs.yesNo = {true};
    conv.HandResultToCalculator();
    EXPECT_EQ(calc.Label1, "51,13 €");
}

TEST_F(ConverterTest, AChainAddsTypedAmountsAndClosesWithEnter) {
    conv.AmountPressed(Field::Right);
    conv.AmountKeyReleased(Field::Right, "100", false);
    conv.AmountChainKey(Field::Right, "100", u'+');
    conv.AmountChainKeyReleased(Field::Right);
    EXPECT_EQ(conv.ConverterChain, 1);
    EXPECT_EQ(conv.Edit3, "");
    EXPECT_EQ(calc.ActiveField, 4);
    conv.AmountKeyReleased(Field::Right, "200", false);
    conv.AmountEnter(Field::Right, "200");
    conv.AmountKeyReleased(Field::Right, conv.Edit3, true);

    const QStringList l = lines();
    ASSERT_EQ(l.size(), 5) << l.join(u'|').toStdString();
    EXPECT_EQ(l[0], "51,1292 ^");
    EXPECT_EQ(l[1], "102,2584 +");
    EXPECT_TRUE(isDashLine(l[2]));
    EXPECT_EQ(l[3], "153,39 € T");
    EXPECT_EQ(l[4], "DM 300,00 =");
    EXPECT_EQ(conv.ConverterChain, 0);
    EXPECT_EQ(calc.NumberFormat, 2);
    EXPECT_EQ(calc.Decimals, 2);
}

TEST_F(ConverterTest, AChainEndsOnEscEqualsClearAndHidingWithItsFormatBack) {
    const struct {
        const char* name;
        void (*end)(Calculator&, CurrencyConverter&);
    } endings[] = {
        {"Esc", [](Calculator& c, CurrencyConverter&) { c.EndEditField(); }},
        {"=", [](Calculator& c, CurrencyConverter&) { c.PressEquals(); }},
        {"Löschen", [](Calculator& c, CurrencyConverter&) { c.ClearFields(); }},
        {"hiding the panel", [](Calculator&, CurrencyConverter& v) { v.SetVisible(false); }},
    };
    for (const auto& e : endings) {
        ConverterRig t;
        t.calc.SetNumberFormat(3);
        t.typeInto(Field::Left, "10");
        t.conv.AmountChainKey(Field::Left, "10", u'-');
        t.conv.AmountChainKeyReleased(Field::Left);
        ASSERT_EQ(t.conv.ConverterChain, 1) << e.name;
        e.end(t.calc, t.conv);
        EXPECT_EQ(t.conv.ConverterChain, 0) << e.name;
        EXPECT_EQ(t.calc.NumberFormat, 3) << e.name;
    }
}

TEST_F(ConverterTest, EnterInTheLeftFieldKeepsTheFormatOutsideAChain) {
    typeInto(Field::Left, "5");
    conv.AmountEnter(Field::Left, "5");
    conv.AmountKeyReleased(Field::Left, "5", true);
    EXPECT_EQ(calc.NumberFormat, 2);
    EXPECT_EQ(calc.Label1, "9,78 DM");
}

TEST_F(ConverterTest, TheTapeButtonWritesTheConvertedAmount) {
    typeInto(Field::Right, "100");
    conv.WriteToTape();
    press("7+");
    conv.WriteToTape();
    EXPECT_EQ(lines(), QStringList({"51,13 € =", " 7,00 ^", "7,00 € ^"}));
    EXPECT_TRUE(tape.lines[0].bold);
    EXPECT_EQ(tape.lines[0].size, 10);
    EXPECT_EQ(calc.ActiveField, 2);
}
