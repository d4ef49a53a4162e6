#include "functions/functionsettings.h"

#include "core/inifile.h"
#include "functions/functionpanel.h"

namespace {
const QString Config = QStringLiteral("Config");
const QString Terms = QStringLiteral("Terms");
const QString Constants = QStringLiteral("Konstant");
const QString NoConstants = QStringLiteral(";;");
}  // namespace

void FunctionSettings::load(const IniFile& ini, bool firstRun) {
    FunctionPanel& panel = panel_;
    if (firstRun || !ini.sectionExists(Terms)) return;
    panel.SavedTerms = ini.readList(Terms);  // up to the first gap in the keys
    panel.SavedConstants.clear();
    for (qsizetype i = 0; i < panel.SavedTerms.size(); ++i)
        panel.SavedConstants.append(ini.readString(Constants, QString::number(i), NoConstants));
    panel.FunktionsIndex = -1;
    if (panel.SavedTerms.isEmpty()) return;
    const int index = ini.readInteger(Config, u"FunktionsIndex", 0);
    panel.ComboBox1Select(index);  // an index beyond the list selects nothing
}

void FunctionSettings::save(IniFile& ini) {
    const FunctionPanel& panel = panel_;
    const int index = panel.FunktionsIndex;
    ini.writeInteger(Config, u"FunktionsIndex", index >= 0 && index < panel.SavedTerms.size() ? index : -1);
    QStringList constants = panel.SavedConstants;
    while (constants.size() > panel.SavedTerms.size()) constants.removeLast();
    while (constants.size() < panel.SavedTerms.size()) constants.append(NoConstants);
    ini.eraseSection(Terms);
    ini.eraseSection(Constants);
    ini.writeList(Terms, panel.SavedTerms);
    ini.writeList(Constants, constants);
}
