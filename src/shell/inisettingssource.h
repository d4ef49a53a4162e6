#pragma once
// The sections the financial windows keep themselves ("FoerderAlt", "FoerderNeu", the scenarios),
// in the settings file. They read what the file held at start and what they changed since. Their
// changes go into the file with the shutdown's transaction, or at once with their own when a
// window commits (a saved or deleted scenario), so the file is never written half.
#include "core/settingsparticipant.h"
#include "finance/settingssource.h"

#include <QStringList>
#include <vector>

class IniFile;

class IniSettingsSource : public SettingsSource, public SettingsParticipant {
public:
    // `path` is the settings file a commit writes.
    explicit IniSettingsSource(QString path = QString()) : path_(std::move(path)) {}

    bool sectionExists(const QString& section) const override;
    QStringList keys(const QString& section) const override;
    QString readString(const QString& section, const QString& key, const QString& defaultValue) const override;
    void writeString(const QString& section, const QString& key, const QString& value) override;
    void eraseSection(const QString& section) override;
    bool commit(QString& message) override;

    // `ini` must outlive this source (the start-up keeps it).
    void load(const IniFile& ini, bool firstRun) override;
    void save(IniFile& ini) override;

private:
    struct Write {
        QString section, key, value;
    };
    const Write* written(const QString& section, const QString& key) const;
    bool erased(const QString& section) const;

    QString path_;
    const IniFile* read_ = nullptr;
    QStringList erased_;         // sections erased since the start, before the writes below
    std::vector<Write> writes_;  // in the order written; a key written again replaces its value
};
