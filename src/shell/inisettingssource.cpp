#include "shell/inisettingssource.h"

#include "core/inifile.h"

namespace {
bool same(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }
}  // namespace

const IniSettingsSource::Write* IniSettingsSource::written(const QString& section, const QString& key) const {
    for (const Write& w : writes_)
        if (same(w.section, section) && same(w.key, key)) return &w;
    return nullptr;
}

bool IniSettingsSource::sectionExists(const QString& section) const {
    for (const Write& w : writes_)
        if (same(w.section, section)) return true;
    return read_ && read_->sectionExists(section);
}

QString IniSettingsSource::readString(const QString& section, const QString& key, const QString& defaultValue) const {
    if (const Write* w = written(section, key)) return w->value;
    return read_ ? read_->readString(section, key, defaultValue) : defaultValue;
}

void IniSettingsSource::writeString(const QString& section, const QString& key, const QString& value) {
    for (Write& w : writes_)
        if (same(w.section, section) && same(w.key, key)) {
            w.value = value;
            return;
        }
    writes_.push_back({section, key, value});
}

void IniSettingsSource::load(const IniFile& ini, bool firstRun) { read_ = firstRun ? nullptr : &ini; }

void IniSettingsSource::save(IniFile& ini) {
    for (const Write& w : writes_) ini.writeString(w.section, w.key, w.value);
}
