#pragma once
// The calculator's keys in [Config]: number format, decimals, formatting while typing, chaining
// mode and the two currencies.
#include "core/settingsparticipant.h"

class Calculator;

class CalculatorSettings : public SettingsParticipant {
public:
    explicit CalculatorSettings(Calculator& calculator) : calculator_(calculator) {}
    // Sets the values and the menu check marks; the window re-formats its fields afterwards.
    void load(const IniFile& ini, bool firstRun) override;
    void save(IniFile& ini) override;

private:
    Calculator& calculator_;
};
