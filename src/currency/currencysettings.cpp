#include "currency/currencysettings.h"

#include "core/inifile.h"
#include "currency/currencyconverter.h"

namespace {

const QString Config = QStringLiteral("Config");
const QString NamesSection = QStringLiteral("Waehrung");
const QString RatesSection = QStringLiteral("Kurse");
const QString Missing = QStringLiteral("N/A");

}  // namespace

void CurrencySettings::load(const IniFile& ini, bool firstRun) {
    CurrencyConverter& c = converter_;
    if (firstRun) {
        c.StartFirstRun();
        return;
    }
    // 3 and 4 are the directions that read the raw text once; anything else is the default.
    const int direction = ini.readInteger(Config, u"aktiv", 2);
    c.ConverterDirection = direction >= 1 && direction <= 4 ? direction : 2;
    // A section without entry 0 holds no list: the built-in one stays rather than none at all.
    if (ini.keyExists(NamesSection, u"0")) {
        c.Names = ini.readList(NamesSection);
        c.Rates.clear();
        for (int i = 0; i < c.Names.size(); ++i)
            c.Rates.append(ini.readString(RatesSection, QString::number(i), Missing));
    }
    // Read whole, not as a byte: 300 must not come back as 44. 255 ("none") lies beyond any
    // ordinary list and so falls back to entry 0.
    c.StartStored(ini.readInteger(Config, u"KursIndex", 0));
}

void CurrencySettings::save(IniFile& ini) {
    const CurrencyConverter& c = converter_;
    ini.writeInteger(Config, u"KursIndex", c.SelectedIndex < 0 ? NoSelection : c.SelectedIndex);
    ini.writeInteger(Config, u"aktiv", c.ConverterDirection);
    QStringList rates = c.Rates.mid(0, c.Names.size());
    while (rates.size() < c.Names.size()) rates.append(QStringLiteral("0"));
    ini.eraseSection(NamesSection);
    ini.eraseSection(RatesSection);
    ini.writeList(NamesSection, c.Names);
    ini.writeList(RatesSection, rates);
}
