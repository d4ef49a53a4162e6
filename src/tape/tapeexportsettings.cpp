#include "tape/tapeexportsettings.h"

#include "core/inifile.h"
#include "tape/tapeexport.h"

namespace {
const QString Config = QStringLiteral("Config");
const QString TextBoxKey = QStringLiteral("TextBox");
const QString UmrandungKey = QStringLiteral("Umrandung");
}  // namespace

void TapeExportSettings::load(const IniFile& ini, bool firstRun) {
    export_.TextBox = !firstRun && ini.readBool(Config, TextBoxKey, false);
    export_.Umrandung = !firstRun && ini.readBool(Config, UmrandungKey, false);
}

void TapeExportSettings::save(IniFile& ini) {
    ini.writeBool(Config, TextBoxKey, export_.TextBox);
    ini.writeBool(Config, UmrandungKey, export_.Umrandung);
}
