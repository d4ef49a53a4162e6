#include "core/settingsfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Why a system call failed, in the words of the messages around it.
QString systemReason(int error) {
    switch (error) {
    case EACCES:
    case EPERM: return QStringLiteral("keine Schreibberechtigung");
    case ENOSPC:
    case EDQUOT: return QStringLiteral("kein Platz auf dem Datenträger");
    case EROFS: return QStringLiteral("der Datenträger ist schreibgeschützt");
    case ENOENT:
    case ENOTDIR: return QStringLiteral("der Ordner fehlt");
    case EISDIR: return QStringLiteral("es ist ein Ordner");
    case ELOOP: return QStringLiteral("zu viele symbolische Verknüpfungen");
    default: return QStringLiteral("Systemfehler %1").arg(error);
    }
}

bool writeAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += n;
    }
    return true;
}

// A new file beside `target`, created as any new file is (its mode from the process's
// file-creation mask); -1 with errno set when none can be made.
int createTemporary(const QFileInfo& target, QByteArray& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString suffix = QString::number(QRandomGenerator::global()->generate(), 36);
        name = QFile::encodeName(QStringLiteral("%1/.%2.%3").arg(target.absolutePath(), target.fileName(), suffix));
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace

QString iniPathIn(const QString& directory) {
    return directory.endsWith(u'/') ? directory + QStringLiteral("Kalkulo.ini")
                                    : directory + QStringLiteral("/Kalkulo.ini");
}

QString IniPath() { return iniPathIn(QDir::currentPath()); }

QString settingsUnreadableMessage(const QString& path, const QString& reason) {
    return QStringLiteral(
               "Die Einstellungsdatei %1 kann nicht gelesen werden (%2). Kalkulo startet mit den "
               "Grundeinstellungen; die Datei bleibt unverändert.")
        .arg(path, reason);
}

QString settingsNotSavedMessage(const QString& path, const QString& reason) {
    return QStringLiteral(
               "Die Einstellungen konnten nicht in %1 gespeichert werden (%2). Die bisherige Datei "
               "bleibt unverändert.")
        .arg(path, reason);
}

QStringList configKeyOrder() {
    return {QStringLiteral("Farbe1"),      QStringLiteral("FFarben"),     QStringLiteral("Dezimals"),
            QStringLiteral("Background"),  QStringLiteral("Felder"),      QStringLiteral("nk"),
            QStringLiteral("PosTop"),      QStringLiteral("PosLeft"),     QStringLiteral("erw"),
            QStringLiteral("tab"),         QStringLiteral("cIndex1"),     QStringLiteral("cIndex2"),
            QStringLiteral("Erweitern"),   QStringLiteral("TextBox"),     QStringLiteral("Umrandung"),
            QStringLiteral("Tape"),        QStringLiteral("KursIndex"),   QStringLiteral("VST"),
            QStringLiteral("SteuerListe"), QStringLiteral("SteuerIndex"), QStringLiteral("FunktionsIndex"),
            QStringLiteral("Steuern"),     QStringLiteral("d_form"),      QStringLiteral("aktiv"),
            QStringLiteral("Syntax"),      QStringLiteral("w_einf"),      QStringLiteral("waehr"),
            QStringLiteral("waehr1")};
}

SettingsFile::SettingsFile(QString path) : path_(std::move(path)) {
    read();
    ini.setKeyOrder(u"Config", configKeyOrder());
}

void SettingsFile::read() {
    const QFileInfo info(path_);
    if (!info.exists()) {
        state_ = State::Missing;
        return;
    }
    if (info.isDir()) {
        refuse(QStringLiteral("es ist ein Ordner"));
        return;
    }
    if (!info.isFile()) {
        refuse(QStringLiteral("es ist keine gewöhnliche Datei"));
        return;
    }
    if (info.size() > MaxSize) {
        refuse(QStringLiteral("sie ist größer als 4 MiB"));
        return;
    }
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) {
        refuse(QStringLiteral("keine Leseberechtigung"));
        return;
    }
    const QByteArray bytes = file.read(MaxSize + 1);
    if (file.error() != QFileDevice::NoError) {
        refuse(QStringLiteral("Lesefehler"));
        return;
    }
    if (bytes.size() > MaxSize) {
        refuse(QStringLiteral("sie ist größer als 4 MiB"));
        return;
    }
    // A text file never holds a NUL byte: this is some other file under our name.
    if (bytes.contains('\0')) {
        refuse(QStringLiteral("sie enthält Null-Bytes"));
        return;
    }
    ini = IniFile::parse(bytes);
    state_ = State::Read;
}

void SettingsFile::refuse(QString reason) {
    state_ = State::Unreadable;
    readReason_ = reason_ = std::move(reason);
}

// The file a commit replaces: a symbolic link is followed to the file it names.
bool SettingsFile::resolveTarget(QString& target) {
    target = QFileInfo(path_).absoluteFilePath();
    for (int hops = 0; QFileInfo(target).isSymLink(); ++hops) {
        if (hops == 40) {
            reason_ = systemReason(ELOOP);
            return false;
        }
        target = QFileInfo(target).symLinkTarget();
    }
    return true;
}

bool SettingsFile::commit() {
    if (state_ == State::Unreadable) {
        reason_ = QStringLiteral("die Datei kann nicht gelesen werden: ") + readReason_;
        return false;
    }
    QString target;
    if (!resolveTarget(target)) return false;
    QByteArray temporary;
    const int fd = createTemporary(QFileInfo(target), temporary);
    if (fd < 0) {
        reason_ = systemReason(errno);
        return false;
    }
    struct stat old {};
    const bool replacing = ::stat(QFile::encodeName(target).constData(), &old) == 0;
    const bool written =
        writeAll(fd, ini.serialize()) && (!replacing || ::fchmod(fd, old.st_mode & 07777) == 0) && ::fsync(fd) == 0;
    const int writeError = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        reason_ = systemReason(written ? errno : writeError);
        ::unlink(temporary.constData());
        return false;
    }
    QString why;
    if (!replaceFile(QFile::decodeName(temporary), target, why)) {
        reason_ = why;
        ::unlink(temporary.constData());
        return false;
    }
    state_ = State::Read;
    return true;
}

bool SettingsFile::replaceFile(const QString& temporary, const QString& target, QString& reason) {
    if (::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData()) == 0) return true;
    reason = systemReason(errno);
    return false;
}
