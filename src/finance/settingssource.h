#pragma once
// The sections of the settings file that the financial windows read and write themselves. The
// settings file layer implements it; MemorySettings keeps the sections in memory.
#include <QMap>
#include <QString>
#include <QStringList>

class SettingsSource {
public:
    virtual ~SettingsSource() = default;
    virtual bool sectionExists(const QString& section) const = 0;
    // The keys of a section once each; none for a missing section.
    virtual QStringList keys(const QString& section) const = 0;
    virtual QString readString(const QString& section, const QString& key, const QString& defaultValue) const = 0;
    virtual void writeString(const QString& section, const QString& key, const QString& value) = 0;
    // Removes the section with all its keys.
    virtual void eraseSection(const QString& section) = 0;
    // Makes every change so far lasting. False, with the German message why in `message`, when the
    // changes cannot be kept.
    virtual bool commit(QString& message) = 0;
};

// Sections held in memory, for a window that has no settings file and for tests. Sections and keys
// are told apart without regard to case, as in the settings file.
class MemorySettings : public SettingsSource {
public:
    bool sectionExists(const QString& section) const override { return sections.contains(section.toLower()); }
    QStringList keys(const QString& section) const override { return sections.value(section.toLower()).keys(); }
    QString readString(const QString& section, const QString& key, const QString& defaultValue) const override {
        return sections.value(section.toLower()).value(key.toLower(), defaultValue);
    }
    void writeString(const QString& section, const QString& key, const QString& value) override {
        sections[section.toLower()][key.toLower()] = value;
    }
    void eraseSection(const QString& section) override { sections.remove(section.toLower()); }
    bool commit(QString& message) override {
        ++commits;
        message = commitFailure;
        return commitFailure.isEmpty();
    }

    QMap<QString, QMap<QString, QString>> sections;
    // Tests set it to make every commit fail with this message.
    QString commitFailure;
    int commits = 0;
};
