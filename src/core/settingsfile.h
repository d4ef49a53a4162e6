#pragma once
// Kalkulo.ini on disk. Every write is a transaction: open a SettingsFile (it reads the file as it
// is now), change only your own keys and sections in `ini`, then commit(). The commit writes a
// temporary file beside the settings file, flushes it to the disk and renames it over the old one,
// so a crash or a full disk never leaves half a file, and keys other windows wrote in between are
// kept. A file that cannot be read is never replaced: it may hold lists and scenarios that a
// silent rewrite would destroy.
#include "core/inifile.h"

#include <QString>
#include <QStringList>

// The settings file of a run: `directory` (the working directory at start) and "Kalkulo.ini".
QString iniPathIn(const QString& directory);
// The settings file in the current working directory; take it once at start.
QString IniPath();

// "Die Einstellungsdatei … kann nicht gelesen werden (…)…", shown once at start.
QString settingsUnreadableMessage(const QString& path, const QString& reason);
// "Die Einstellungen konnten nicht in … gespeichert werden (…)…", shown when a commit fails.
QString settingsNotSavedMessage(const QString& path, const QString& reason);

// The keys of [Config] in the order the shutdown writes them. New keys of that section take
// this order whichever owner writes them first.
QStringList configKeyOrder();

class SettingsFile {
public:
    enum class State {
        Missing,  // no file: the first run
        Read,
        Unreadable,  // reason() says why; commit() refuses
    };
    // Files beyond this size are not settings files of ours.
    static constexpr qint64 MaxSize = 4 * 1024 * 1024;

    explicit SettingsFile(QString path);
    virtual ~SettingsFile() = default;
    SettingsFile(const SettingsFile&) = delete;
    SettingsFile& operator=(const SettingsFile&) = delete;

    State state() const { return state_; }
    // True when the owners take their first-run values: no file, or one that cannot be read.
    bool firstRun() const { return state_ != State::Read; }
    const QString& path() const { return path_; }
    // German, for the messages above: why the file cannot be read, or why the last commit failed.
    const QString& reason() const { return reason_; }

    // The file's contents as read; change them, then commit.
    IniFile ini;

    // Replaces the file by `ini` atomically, keeping its permissions; a symbolic link keeps
    // pointing to the file it named, which is the one replaced. False, with reason(), when
    // nothing was written; the old file is then as it was.
    bool commit();

protected:
    // The last step of a commit: renames `temporary` over `target`. A test seam: an override can
    // fail it as a full disk or a vanished folder would.
    virtual bool replaceFile(const QString& temporary, const QString& target, QString& reason);

private:
    void read();
    void refuse(QString reason);
    bool resolveTarget(QString& target);

    QString path_;
    State state_ = State::Missing;
    QString reason_;
    QString readReason_;
};
