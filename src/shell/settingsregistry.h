#pragma once
// The owners of the settings file's keys, in the order the start-up reads them and the shutdown
// writes them. The registry does not own them.
#include "core/settingsparticipant.h"

#include <vector>

class SettingsRegistry {
public:
    void add(SettingsParticipant& participant) { participants_.push_back(&participant); }
    void load(const IniFile& ini, bool firstRun) const {
        for (SettingsParticipant* p : participants_) p->load(ini, firstRun);
    }
    void save(IniFile& ini) const {
        for (SettingsParticipant* p : participants_) p->save(ini);
    }
    std::size_t size() const { return participants_.size(); }

private:
    std::vector<SettingsParticipant*> participants_;
};
