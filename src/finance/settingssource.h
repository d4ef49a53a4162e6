#pragma once
// The sections of the settings file that the financial windows read and write themselves. The
// settings file layer implements it; MemorySettings keeps the sections in memory.
#include <QMap>
#include <QString>

class SettingsSource {
public:
    virtual ~SettingsSource() = default;
    virtual bool sectionExists(const QString& section) const = 0;
    virtual QString readString(const QString& section, const QString& key, const QString& defaultValue) const = 0;
    virtual void writeString(const QString& section, const QString& key, const QString& value) = 0;
};

// Sections held in memory, for a window that has no settings file and for tests. Sections and keys
// are told apart without regard to case, as in the settings file.
class MemorySettings : public SettingsSource {
public:
    bool sectionExists(const QString& section) const override { return sections.contains(section.toLower()); }
    QString readString(const QString& section, const QString& key, const QString& defaultValue) const override {
        return sections.value(section.toLower()).value(key.toLower(), defaultValue);
    }
    void writeString(const QString& section, const QString& key, const QString& value) override {
        sections[section.toLower()][key.toLower()] = value;
    }

    QMap<QString, QMap<QString, QString>> sections;
};
