// The currency list, the selection and the direction across a shutdown and a start: the file read
// with the calculator's keys before the converter's, written as the main window's close writes it.
#include "converterfixture.h"
#include "core/calculatorsettings.h"
#include "core/inifile.h"
#include "core/settingsfile.h"
#include "currency/currencysettings.h"

namespace {

// One start from `file` (none: a first run) and the bytes its shutdown writes.
struct SettingsRig {
    ScriptedDialogs dialogs;
    Calculator calc{dialogs};
    CurrencyConverter conv{calc, dialogs};
    CalculatorSettings calculatorKeys{calc};
    CurrencySettings currencyKeys{conv};

    explicit SettingsRig(const char* file = nullptr) {
        const IniFile ini = IniFile::parse(file ? QByteArray(file) : QByteArray());
        calculatorKeys.load(ini, file == nullptr);
        currencyKeys.load(ini, file == nullptr);
    }
    QByteArray shutdown() {
        IniFile ini;
        ini.setKeyOrder(u"Config", configKeyOrder());
        calculatorKeys.save(ini);
        currencyKeys.save(ini);
        return ini.serialize();
    }
};

QString config(const IniFile& ini, const char* key) {
    return ini.readString(u"Config", QString::fromLatin1(key), QStringLiteral("-"));
}

}  // namespace

TEST(CurrencySettingsTest, StoredStatesComeBackWithTheirFallBacks) {
    const QStringList builtIn = SettingsRig().conv.Names;
    const struct {
        const char* name;
        const char* file;
        QStringList names, rates;
        int selected, direction;
        QString secondCode, shownRate;
    } cases[] = {
        {"a stored list",
         "[Config]\nKursIndex=1\naktiv=1\n[Waehrung]\n0=\x80,Euro\n1=$, USDollar\n[Kurse]\n0=1.0\n1=1.0856\n",
         {"€,Euro", "$, USDollar"},
         {"1.0", "1.0856"},
         1,
         1,
         "€",
         "1.0856"},
        {"fewer rates than names",
         "[Waehrung]\n0=\x80,Euro\n1=A,a\n2=B,b\n[Kurse]\n0=1.0\n",
         {"€,Euro", "A,a", "B,b"},
         {"1.0", "N/A", "N/A"},
         0,
         2,
         "€",
         "1.0"},
        {"a gap ends the list",
         "[Waehrung]\n0=\x80,Euro\n1=A,a\n3=C,c\n[Kurse]\n0=1\n1=2\n3=4\n",
         {"€,Euro", "A,a"},
         {"1", "2"},
         0,
         2,
         "€",
         "1"},
        {"no entry 0 keeps the built-in list",
         "[Config]\nKursIndex=3\n[Waehrung]\n1=A,a\n",
         builtIn,
         {},
         3,
         2,
         "€",
         "1.612"},
        {"index equal to the count", "[Config]\nKursIndex=7\n", builtIn, {}, 0, 2, "€", "1.0"},
        {"255 is no selection", "[Config]\nKursIndex=255\n", builtIn, {}, 0, 2, "€", "1.0"},
        {"negative index", "[Config]\nKursIndex=-1\n", builtIn, {}, 0, 2, "€", "1.0"},
        {"empty base code takes entry 0's abbreviation",
         "[Config]\nKursIndex=4\nwaehr1=\n[Waehrung]\n0=EUR,Euro\n"
         "1=CHF,Fr.\n[Kurse]\n0=1\n1=0.9781\n",
         {"EUR,Euro", "CHF,Fr."},
         {"1", "0.9781"},
         0,
         2,
         "EUR",
         "1"},
        {"direction out of range", "[Config]\naktiv=9\n", builtIn, {}, 0, 2, "€", "1.0"},
    };
    for (const auto& c : cases) {
        SettingsRig run(c.file);
        EXPECT_EQ(run.conv.Names, c.names) << c.name;
        if (!c.rates.isEmpty()) EXPECT_EQ(run.conv.Rates, c.rates) << c.name;
        EXPECT_EQ(run.conv.SelectedIndex, c.selected) << c.name;
        EXPECT_EQ(run.conv.ConverterDirection, c.direction) << c.name;
        EXPECT_EQ(run.calc.SecondCurrencyCode, c.secondCode) << c.name;
        EXPECT_EQ(run.conv.Edit4, c.shownRate) << c.name;
        EXPECT_EQ(run.conv.Label6, c.names[0]) << c.name;
        EXPECT_EQ(run.conv.Label3, c.names[c.selected]) << c.name;
    }
}

TEST(CurrencySettingsTest, TheIndexIsReadWholeNotAsItsLowByte) {
    QByteArray file = "[Config]\nKursIndex=300\n[Waehrung]\n";
    for (int i = 0; i < 50; ++i) file += QByteArray::number(i) + "=C" + QByteArray::number(i) + ",c\n";
    SettingsRig run(file.constData());
    EXPECT_EQ(run.conv.Names.size(), 50);
    EXPECT_EQ(run.conv.SelectedIndex, 0) << "300 is beyond the list; its low byte 44 is not";
}

TEST(CurrencySettingsTest, AStoredDirectionConvertsTheStoredSelectionFromOne) {
    SettingsRig run("[Config]\nKursIndex=1\naktiv=2\nDezimals=2\n");
    EXPECT_EQ(run.conv.Edit3, "1,96") << "one euro in marks";
    EXPECT_EQ(run.conv.ConverterResultText, "1.95583");
}

TEST(CurrencySettingsTest, ShutdownWritesAsManyRatesAsNamesAndNoSelectionAs255) {
    SettingsRig run("[Waehrung]\n0=\x80,Euro\n1=A,a\n2=B,b\n[Kurse]\n0=1.0\n");
    run.conv.Rates.removeLast();   // one rate too few after the "N/A"s ...
    run.conv.Names.append("C,c");  // ... and a name without any
    run.conv.SelectedIndex = -1;
    const IniFile written = IniFile::parse(run.shutdown());
    EXPECT_EQ(written.readList(u"Waehrung"), (QStringList{"€,Euro", "A,a", "B,b", "C,c"}));
    EXPECT_EQ(written.readList(u"Kurse"), (QStringList{"1.0", "N/A", "0", "0"}));
    EXPECT_EQ(config(written, "KursIndex"), "255");

    run.conv.Names = {"€,Euro"};
    const IniFile shorter = IniFile::parse(run.shutdown());
    EXPECT_EQ(shorter.readList(u"Kurse"), QStringList{"1.0"}) << "surplus rates go";
    EXPECT_FALSE(shorter.keyExists(u"Kurse", u"1"));
}
