#include "core/calculatorsettings.h"

#include "core/calculator.h"
#include "core/inifile.h"
#include "core/settingsfile.h"
#include "support/qtprinters.h"
#include "support/scripteddialogs.h"

#include <gtest/gtest.h>

namespace {

struct Shown {
    int NumberFormat, Decimals, FormatWhileTyping, ChainMode, InsertSecondCurrency;
    QString CurrencyCode, SecondCurrencyCode;
    bool operator==(const Shown&) const = default;
};

Shown shownBy(const Calculator& c) {
    return {c.NumberFormat,         c.Decimals,     c.FormatWhileTyping, c.ChainMode,
            c.InsertSecondCurrency, c.CurrencyCode, c.SecondCurrencyCode};
}

void PrintTo(const Shown& s, std::ostream* os) {
    *os << s.NumberFormat << '/' << s.Decimals << '/' << s.FormatWhileTyping << '/' << s.ChainMode << '/'
        << s.InsertSecondCurrency << '/' << s.CurrencyCode.toStdString() << '/' << s.SecondCurrencyCode.toStdString();
}

}  // namespace

TEST(CalculatorSettings, LoadTakesFirstRunValuesDefaultsAndMendsOutOfRangeValues) {
    const QString euro = QStringLiteral("€");
    const struct {
        const char* name;
        bool firstRun;
        QByteArray config;
        Shown expected;
    } rows[] = {
        {"first run", true, "", {2, 2, 1, 0, 1, euro, euro}},
        {"keys missing", false, "", {3, 0, 2, 0, 0, "DM", euro}},
        {"as written",
         false,
         "Dezimals=1\nnk=3\nd_form=1\nSyntax=1\nw_einf=1\nwaehr=\x80\nwaehr1=USD\n",
         {1, 3, 1, 1, 1, euro, "USD"}},
        {"out of range", false, "Dezimals=4\nnk=16\nd_form=3\nSyntax=2\nw_einf=5\n", {3, 0, 2, 0, 0, "DM", euro}},
        {"low ends", false, "Dezimals=0\nnk=0\nd_form=0\nSyntax=0\nw_einf=0\n", {3, 0, 2, 0, 0, "DM", euro}},
        {"bytes wrap", false, "Dezimals=257\nnk=-1\nd_form=$101\n", {1, 0, 1, 0, 0, "DM", euro}},
        {"highest decimals", false, "Dezimals=1\nnk=15\n", {1, 15, 2, 0, 0, "DM", euro}},
        {"not numbers", false, "Dezimals=zwei\nnk=2,5\nwaehr=\nwaehr1=\"$\"\n", {3, 0, 2, 0, 0, "", "\"$\""}},
    };
    for (const auto& row : rows) {
        ScriptedDialogs dialogs;
        Calculator calc(dialogs);
        CalculatorSettings(calc).load(IniFile::parse("[Config]\n" + row.config), row.firstRun);
        EXPECT_EQ(shownBy(calc), row.expected) << row.name;
        EXPECT_EQ(calc.FormatMenuChecked, calc.NumberFormat) << row.name;
        EXPECT_EQ(calc.SpinEnabled, calc.NumberFormat == 1) << row.name;
    }
}

TEST(CalculatorSettings, SaveWritesTheKeysInShutdownOrderAndLoadsBack) {
    ScriptedDialogs dialogs;
    Calculator calc(dialogs);
    CalculatorSettings settings(calc);
    settings.load(IniFile(), true);
    IniFile first;
    first.setKeyOrder(u"Config", configKeyOrder());
    settings.save(first);
    EXPECT_EQ(first.serialize(),
              "[Config]\r\nDezimals=2\r\nnk=2\r\nd_form=1\r\nSyntax=0\r\nw_einf=1\r\n"
              "waehr=\x80\r\nwaehr1=\x80\r\n");

    calc.ApplyDisplaySettings(1, 3, 2, 1);
    calc.InsertSecondCurrency = 0;
    calc.CurrencyCode = QStringLiteral("₺");
    IniFile again = IniFile::parse(first.serialize());
    settings.save(again);
    Calculator restarted(dialogs);
    CalculatorSettings(restarted).load(IniFile::parse(again.serialize()), false);
    EXPECT_EQ(shownBy(restarted), shownBy(calc));
}
