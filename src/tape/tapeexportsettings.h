#pragma once
// The Tape export's keys in [Config]: "TextBox" and "Umrandung", off at the first run and when
// missing, written as 1 or 0.
#include "core/settingsparticipant.h"

class TapeExport;

class TapeExportSettings : public SettingsParticipant {
public:
    explicit TapeExportSettings(TapeExport& tapeExport) : export_(tapeExport) {}
    void load(const IniFile& ini, bool firstRun) override;
    void save(IniFile& ini) override;

private:
    TapeExport& export_;
};
