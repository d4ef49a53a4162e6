#include "panels/unitsettings.h"

#include "core/inifile.h"
#include "panels/unitpanel.h"

namespace {
const QString Config = QStringLiteral("Config");
}

void UnitSettings::load(const IniFile& ini, bool firstRun) {
    if (firstRun) {
        panel_.UnitPage = panel_.UnitSourceIndex = panel_.UnitTargetIndex = 0;
        return;
    }
    // A page the panel does not have would leave it without a page: the first page instead.
    const int page = ini.readByte(Config, QStringLiteral("tab"), 0);
    panel_.UnitPage = page < UnitPageCount ? page : 0;
    // Units that do not fit the page leave its lists as they are (the panel checks them).
    panel_.UnitSourceIndex = ini.readInteger(Config, QStringLiteral("cIndex1"), 0);
    panel_.UnitTargetIndex = ini.readInteger(Config, QStringLiteral("cIndex2"), 0);
}

void UnitSettings::save(IniFile& ini) {
    ini.writeInteger(Config, QStringLiteral("tab"), panel_.UnitPage);
    ini.writeInteger(Config, QStringLiteral("cIndex1"), panel_.UnitSourceIndex);
    ini.writeInteger(Config, QStringLiteral("cIndex2"), panel_.UnitTargetIndex);
}
