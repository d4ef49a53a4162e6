#include "panels/taxsettings.h"

#include "core/inifile.h"
#include "panels/taxpanel.h"

namespace {
const QString Config = QStringLiteral("Config");
}

void TaxSettings::load(const IniFile& ini, bool firstRun) {
    TaxPanel& tax = panel_;
    tax.TaxRates = ini.readCommaText(Config, u"Steuern", u"19,19");
    if (!firstRun) {
        tax.VST = ini.readBool(Config, u"VST", false);
        tax.TaxNames = ini.readCommaText(Config, u"SteuerListe", u"MwSt,USt");
        while (tax.TaxNames.size() > tax.TaxRates.size()) tax.TaxNames.removeLast();
        while (tax.TaxRates.size() > tax.TaxNames.size()) tax.TaxRates.removeLast();
        const int index = ini.readInteger(Config, u"SteuerIndex", 0);
        tax.TaxIndex = index >= 0 && index < tax.TaxNames.size() ? index : -1;
    } else {
        tax.TaxIndex = 0;
    }
    tax.Refresh();  // selects the first tax when none is
}

void TaxSettings::save(IniFile& ini) {
    const TaxPanel& tax = panel_;
    ini.writeBool(Config, u"VST", tax.VST);
    ini.writeCommaText(Config, u"SteuerListe", tax.TaxNames);
    ini.writeInteger(Config, u"SteuerIndex",
                     tax.TaxIndex >= 0 && tax.TaxIndex < tax.TaxNames.size() ? tax.TaxIndex : -1);
    ini.writeCommaText(Config, u"Steuern", tax.TaxRates);
}
