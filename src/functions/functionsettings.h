#pragma once
// The function panel's saved terms with their constants (sections "Terms" and "Konstant") and the
// selected term ("FunktionsIndex" in [Config]).
#include "core/settingsparticipant.h"

class FunctionPanel;

class FunctionSettings : public SettingsParticipant {
public:
    explicit FunctionSettings(FunctionPanel& panel) : panel_(panel) {}
    // Without a "Terms" section the panel keeps its built-in terms.
    void load(const IniFile& ini, bool firstRun) override;
    // Both list sections are written anew, so a term deleted during the run leaves no key behind.
    void save(IniFile& ini) override;

private:
    FunctionPanel& panel_;
};
