#include "shell/crashprotection.h"

#include "core/dialogs.h"
#include "tape/tapedocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

constexpr qint64 MaxJournalSize = 512LL * 1024 * 1024;

// The first of name, name2, name3, … (before the extension) that does not exist yet, so that
// nothing kept from an earlier run is overwritten.
QString freeName(const QDir& dir, const QString& name) {
    const QFileInfo info(name);
    QString candidate = name;
    for (int n = 2; dir.exists(candidate); ++n)
        candidate = QStringLiteral("%1%2.%3").arg(info.completeBaseName()).arg(n).arg(info.suffix());
    return dir.filePath(candidate);
}

QString shown(const QString& path) { return QDir::toNativeSeparators(path); }

}  // namespace

CrashProtection::CrashProtection(TapeDocument& tape, Dialogs& dialogs, const QString& directory)
    : tape_(tape),
      dialogs_(dialogs),
      directory_(directory),
      journal_(tape, QDir(directory).filePath(TapeJournal::FileName)) {
    if (QFileInfo::exists(journal_.path())) offerRestore();
    QObject::connect(&journal_, &TapeJournal::stopped, &journal_, [this] { warnOff(); });
    if (!journal_.start()) warnOff();
}

void CrashProtection::offerRestore() {
    QFile file(journal_.path());
    journal::Content content;
    if (file.size() <= MaxJournalSize && file.open(QIODevice::ReadOnly)) content = journal::read(file.readAll());
    file.close();
    if (content.status == journal::Content::Status::Refused) {
        const QString aside = freeName(QDir(directory_), RefusedName);
        const bool moved = QFile::rename(journal_.path(), aside);
        dialogs_.message(
            QStringLiteral("Das Tape der letzten Sitzung kann nicht wiederhergestellt werden: Die Datei "
                           "\"%1\" stammt von einer anderen Programmversion oder ist unlesbar.%2")
                .arg(TapeJournal::FileName,
                     moved ? QStringLiteral(" Sie bleibt als \"%1\" erhalten.").arg(shown(aside)) : QString()));
        return;
    }
    QString question = Question;
    if (content.status == journal::Content::Status::Damaged)
        question += QStringLiteral(
            "\n\nDas Journal ist am Ende beschädigt; wiederhergestellt wird das Tape bis zum "
            "letzten vollständigen Eintrag.");
    if (dialogs_.askYesNo(question)) {
        rtf::Document document;
        document.paragraphs = std::move(content.lines);
        tape_.replaceContent(document);
        tape_.ClearUndo();
        restored_ = true;
    } else {
        keepAside(content);
    }
}

// "Nein": the last run's Tape is kept as a rich-text file beside the settings.
void CrashProtection::keepAside(const journal::Content& content) {
    TapeDocument copy;
    rtf::Document document;
    document.paragraphs = content.lines;
    copy.replaceContent(document);
    const QString target = freeName(QDir(directory_), KeptName);
    QSaveFile file(target);
    const QByteArray bytes = copy.toRtf();
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) return;
    // The journal stays where it is found next time rather than being lost.
    const QString aside = freeName(QDir(directory_), RefusedName);
    QFile::rename(journal_.path(), aside);
    dialogs_.message(QStringLiteral("Die Datei \"%1\" konnte nicht geschrieben werden. Das Journal bleibt als \"%2\" "
                                    "erhalten.")
                         .arg(shown(target), shown(aside)));
}

void CrashProtection::warnOff() {
    if (warned_) return;
    warned_ = true;
    dialogs_.message(QStringLiteral("Das Tape kann nicht gesichert werden (\"%1\" ist nicht beschreibbar). Der Schutz "
                                    "vor Datenverlust bei einem Absturz ist für diese Sitzung ausgeschaltet.")
                         .arg(shown(journal_.path())));
}
