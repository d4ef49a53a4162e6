#pragma once
// The converter's share of the settings file: the currency list in [Waehrung] and [Kurse], the
// selected entry ("KursIndex") and the direction ("aktiv") in [Config]. The currency codes and the
// second-currency switch are the calculator's keys; this owner reads after them, because an empty
// base code is taken from the list.
#include "core/settingsparticipant.h"

class CurrencyConverter;

class CurrencySettings : public SettingsParticipant {
public:
    // Stored for "nothing selected"; the next start selects entry 0.
    static constexpr int NoSelection = 255;

    explicit CurrencySettings(CurrencyConverter& converter) : converter_(converter) {}
    void load(const IniFile& ini, bool firstRun) override;
    void save(IniFile& ini) override;

private:
    CurrencyConverter& converter_;
};
