#pragma once
// One owner of keys in the settings file: a subsystem reads its keys at start and writes them
// at shutdown. Whoever owns the subsystems keeps them in the order the file is read and written.
class IniFile;

class SettingsParticipant {
public:
    virtual ~SettingsParticipant() = default;
    // At start. `firstRun`: there is no readable file, take the first-run values; `ini` is
    // then empty.
    virtual void load(const IniFile& ini, bool firstRun) = 0;
    // At shutdown, inside one transaction: write only this owner's keys and sections.
    virtual void save(IniFile& ini) = 0;
};
