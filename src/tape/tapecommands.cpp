#include "tape/tapecommands.h"

#include "core/dialogs.h"
#include "tape/tapedocument.h"
#include "tape/tapeprint.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

constexpr qint64 MaxFileSize = 256LL * 1024 * 1024;

QString cannotWrite(const QString& path) {
    return QStringLiteral("Die Datei \"%1\" konnte nicht geschrieben werden.").arg(QDir::toNativeSeparators(path));
}

QString cannotRead(const QString& path) {
    return QStringLiteral("Die Datei \"%1\" konnte nicht gelesen werden.").arg(QDir::toNativeSeparators(path));
}

}  // namespace

TapeCommands::TapeCommands(TapeDocument& tape, Dialogs& dialogs, QString directory)
    : tape_(tape), dialogs_(dialogs), directory_(std::move(directory)), openDefaultName_(defaultOpenName()) {}

QString TapeCommands::defaultOpenName() const { return QDir(directory_).filePath(QStringLiteral("Tape")); }

QStringList TapeCommands::saveFilters() {
    return {QStringLiteral("RTF-Dateien (*.rtf)"), QStringLiteral("TEXT-Datei (*.txt)"),
            QStringLiteral("Alle Dateien (*)")};
}

QStringList TapeCommands::openFilters() {
    return {QStringLiteral("RTF-Datei (*.rtf)"), QStringLiteral("Text-Datei (*.txt)"),
            QStringLiteral("Alle Dateien (*)")};
}

QString TapeCommands::backupPath() const { return QDir(directory_).filePath(BackupName); }

bool TapeCommands::clear() {
    if (tape_.LineCount() > 1) {
        if (!writeFile(backupPath(), tape_.toRtf())) return false;
        canRestore_ = true;
    }
    tape_.Clear();
    openDefaultName_ = defaultOpenName();
    return true;
}

bool TapeCommands::restore() {
    if (!canRestore_) return false;
    if (!dialogs_.askYesNo(QStringLiteral("Tape wiederherstellen?"))) return false;
    return load(backupPath(), false);
}

void TapeCommands::removeBackup() {
    QFile::remove(backupPath());
    canRestore_ = false;
}

QString TapeCommands::proposedSaveName() const {
    const QDir dir(directory_);
    int n = 1;
    while (dir.exists(QStringLiteral("Tape%1.rtf").arg(n))) ++n;
    return QStringLiteral("Tape%1").arg(n);
}

void TapeCommands::save() {
    if (tape_.plainTextLength() < 3) {
        dialogs_.message(QStringLiteral("Tape ist leer!"));
        return;
    }
    int filter = 0;
    QString path = dialogs_.saveFileName(QStringLiteral("Tape speichern"),
                                         QDir(directory_).filePath(proposedSaveName()), saveFilters(), &filter);
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty() && filter <= 1) {
        // The dialog asked about the name as typed; the name with its extension may exist too.
        path += filter == 0 ? QStringLiteral(".rtf") : QStringLiteral(".txt");
        if (QFileInfo::exists(path) &&
            !dialogs_.askYesNo(QStringLiteral("Die Datei \"%1\" existiert bereits. Überschreiben?")
                                   .arg(QDir::toNativeSeparators(path))))
            return;
    }
    if (filter == 0) writeRtf(path);
    else writeText(path);
}

void TapeCommands::open() {
    bool append = false;
    if (tape_.LineCount() >= 2) {
        switch (dialogs_.askYesNoCancel(QStringLiteral("Tape überschreiben?\rBei Nein wird die Datei anghängt"))) {
        case Dialogs::Answer::Cancel: return;
        case Dialogs::Answer::No: append = true; break;
        case Dialogs::Answer::Yes: break;
        }
    }
    const QString path = dialogs_.openFileName(QStringLiteral("Tape öffnen"), openDefaultName_, openFilters());
    if (path.isEmpty()) return;
    if (load(path, append) && !append) openDefaultName_ = path;
}

bool TapeCommands::writeRtf(const QString& path) { return writeFile(path, tape_.toRtf()); }

bool TapeCommands::writeText(const QString& path) { return writeFile(path, tape_.plainText().toUtf8()); }

bool TapeCommands::writeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        dialogs_.message(cannotWrite(path));
        return false;
    }
    return true;
}

bool TapeCommands::load(const QString& path, bool append) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || file.size() > MaxFileSize || !file.open(QIODevice::ReadOnly)) {
        dialogs_.message(cannotRead(path));
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        dialogs_.message(cannotRead(path));
        return false;
    }
    const rtf::Document content = rtf::read(bytes);
    if (append) tape_.appendContent(content);
    else tape_.replaceContent(content);
    // Loading is not an edit that "Rückgängig" could take back in part.
    tape_.ClearUndo();
    return true;
}

void TapeCommands::dropText(const QString& text) {
    tape_.ClearUndo();
    tape_.SetBold(true);
    if (tape_.LineCount() > 1) tape_.AppendLine(QString());
    else tape_.ClearIfBlank();
    tape_.AppendLine(text + QStringLiteral(" ^"));
}

void TapeCommands::carryResult(const QString& text) {
    if (tape_.LineCount() > 1) tape_.AppendLine(QString());
    else tape_.ClearIfBlank();
    tape_.AppendLine(text + QStringLiteral(" ^"));
}

bool TapeCommands::checkPrintable() {
    if (tape_.plainTextLength() < 4) {
        dialogs_.message(QStringLiteral("Tape ist leer, Ausdruck abgebrochen!"));
        return false;
    }
    return true;
}

bool TapeCommands::print(QPagedPaintDevice& device) {
    if (!checkPrintable()) return false;
    tapeprint::print(*tape_.toSingleDocument(), tape_.longestLineLength(), device);
    return true;
}
