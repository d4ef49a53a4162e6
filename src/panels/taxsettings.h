#pragma once
// The tax panel's keys in [Config]: rates, names, the selected tax and the "VSt" mode.
#include "core/settingsparticipant.h"

class TaxPanel;

class TaxSettings : public SettingsParticipant {
public:
    explicit TaxSettings(TaxPanel& panel) : panel_(panel) {}
    // Names and rates are paired by position: the longer list loses its tail. A tax is always
    // selected afterwards (the first when the stored one does not exist).
    void load(const IniFile& ini, bool firstRun) override;
    void save(IniFile& ini) override;

private:
    TaxPanel& panel_;
};
