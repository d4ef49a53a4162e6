#include "shell/inisettingssource.h"

#include "core/inifile.h"
#include "core/settingsfile.h"

namespace {
bool same(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }
}  // namespace

const IniSettingsSource::Write* IniSettingsSource::written(const QString& section, const QString& key) const {
    for (const Write& w : writes_)
        if (same(w.section, section) && same(w.key, key)) return &w;
    return nullptr;
}

bool IniSettingsSource::erased(const QString& section) const { return erased_.contains(section, Qt::CaseInsensitive); }

bool IniSettingsSource::sectionExists(const QString& section) const {
    for (const Write& w : writes_)
        if (same(w.section, section)) return true;
    return read_ && !erased(section) && read_->sectionExists(section);
}

QStringList IniSettingsSource::keys(const QString& section) const {
    QStringList out;
    if (read_ && !erased(section)) out = read_->keys(section);
    for (const Write& w : writes_)
        if (same(w.section, section) && !out.contains(w.key, Qt::CaseInsensitive)) out << w.key;
    return out;
}

QString IniSettingsSource::readString(const QString& section, const QString& key, const QString& defaultValue) const {
    if (const Write* w = written(section, key)) return w->value;
    if (!read_ || erased(section)) return defaultValue;
    return read_->readString(section, key, defaultValue);
}

void IniSettingsSource::writeString(const QString& section, const QString& key, const QString& value) {
    for (Write& w : writes_)
        if (same(w.section, section) && same(w.key, key)) {
            w.value = value;
            return;
        }
    writes_.push_back({section, key, value});
}

void IniSettingsSource::eraseSection(const QString& section) {
    std::erase_if(writes_, [&](const Write& w) { return same(w.section, section); });
    if (!erased(section)) erased_ << section;
}

bool IniSettingsSource::commit(QString& message) {
    SettingsFile file(path_);
    if (file.state() == SettingsFile::State::Unreadable) {
        message = settingsNotSavedMessage(path_, file.reason());
        return false;
    }
    save(file.ini);
    if (file.commit()) return true;
    message = settingsNotSavedMessage(path_, file.reason());
    return false;
}

void IniSettingsSource::load(const IniFile& ini, bool firstRun) { read_ = firstRun ? nullptr : &ini; }

void IniSettingsSource::save(IniFile& ini) {
    for (const QString& section : erased_) ini.eraseSection(section);
    for (const Write& w : writes_) ini.writeString(w.section, w.key, w.value);
}
