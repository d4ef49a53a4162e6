#pragma once
// The sections the financial windows keep themselves ("FoerderAlt", "FoerderNeu"), in the settings
// file. They read what the file held at start and what they wrote since; their writes go into the
// file with the shutdown's transaction, so the file is written once and never half.
#include "core/settingsparticipant.h"
#include "finance/settingssource.h"

#include <vector>

class IniFile;

class IniSettingsSource : public SettingsSource, public SettingsParticipant {
public:
    bool sectionExists(const QString& section) const override;
    QString readString(const QString& section, const QString& key, const QString& defaultValue) const override;
    void writeString(const QString& section, const QString& key, const QString& value) override;

    // `ini` must outlive this source (the start-up keeps it).
    void load(const IniFile& ini, bool firstRun) override;
    void save(IniFile& ini) override;

private:
    struct Write {
        QString section, key, value;
    };
    const Write* written(const QString& section, const QString& key) const;

    const IniFile* read_ = nullptr;
    std::vector<Write> writes_;  // in the order written; a key written again replaces its value
};
