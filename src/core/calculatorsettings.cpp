#include "core/calculatorsettings.h"

#include "core/calculator.h"
#include "core/inifile.h"

namespace {

const QString Config = QStringLiteral("Config");

// A byte-sized mode code; a value outside its range takes the key's default, as a missing key
// does, so a hand-edited file cannot put the calculator into a mode it does not have.
int readCode(const IniFile& ini, const QString& key, int defaultValue, int lowest, int highest) {
    const int value = ini.readByte(Config, key, static_cast<uint8_t>(defaultValue));
    return value >= lowest && value <= highest ? value : defaultValue;
}

}  // namespace

void CalculatorSettings::load(const IniFile& ini, bool firstRun) {
    Calculator& calc = calculator_;
    if (firstRun) {
        // Currency format with two decimals, formatted while typing, euro as both currencies.
        calc.ApplyDisplaySettings(2, 2, 1, calc.ChainMode);
        calc.InsertSecondCurrency = 1;
        calc.CurrencyCode = QStringLiteral("€");
        calc.SecondCurrencyCode = QStringLiteral("€");
        return;
    }
    const int numberFormat = readCode(ini, QStringLiteral("Dezimals"), 3, 1, 3);
    const int decimals = readCode(ini, QStringLiteral("nk"), 0, 0, 15);
    calc.CurrencyCode = ini.readString(Config, QStringLiteral("waehr"), QStringLiteral("DM"));
    calc.SecondCurrencyCode = ini.readString(Config, QStringLiteral("waehr1"), QStringLiteral("€"));
    const int formatWhileTyping = readCode(ini, QStringLiteral("d_form"), 2, 1, 2);
    const int chainMode = readCode(ini, QStringLiteral("Syntax"), 0, 0, 1);
    calc.InsertSecondCurrency = readCode(ini, QStringLiteral("w_einf"), 0, 0, 1);
    calc.ApplyDisplaySettings(numberFormat, decimals, formatWhileTyping, chainMode);
}

void CalculatorSettings::save(IniFile& ini) {
    const Calculator& calc = calculator_;
    ini.writeInteger(Config, QStringLiteral("Dezimals"), calc.NumberFormat);
    ini.writeInteger(Config, QStringLiteral("nk"), calc.Decimals);
    ini.writeInteger(Config, QStringLiteral("d_form"), calc.FormatWhileTyping);
    ini.writeInteger(Config, QStringLiteral("Syntax"), calc.ChainMode);
    ini.writeInteger(Config, QStringLiteral("w_einf"), calc.InsertSecondCurrency);
    ini.writeString(Config, QStringLiteral("waehr"), calc.CurrencyCode);
    ini.writeString(Config, QStringLiteral("waehr1"), calc.SecondCurrencyCode);
}
