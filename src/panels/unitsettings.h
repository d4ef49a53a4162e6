#pragma once
// The unit panel's keys in [Config]: the page and the two units of the last conversion.
#include "core/settingsparticipant.h"

class UnitPanel;

class UnitSettings : public SettingsParticipant {
public:
    explicit UnitSettings(UnitPanel& panel) : panel_(panel) {}
    void load(const IniFile& ini, bool firstRun) override;
    void save(IniFile& ini) override;

private:
    UnitPanel& panel_;
};
