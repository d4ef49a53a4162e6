// Renders what a start after an abnormal end shows: snapshot_crashrestore <folder>. The program's
// own dialogs ask the restore question (whole and damaged journal); the question is grabbed and
// answered "Ja", then the main window shows the restored Tape.
#include "shell/appcontext.h"
#include "shell/tform1.h"
#include "tape/tapedocument.h"
#include "tape/tapejournal.h"
#include "tools/snapshotsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

// A run that recorded a few calculations and a comment, then died: its journal stays behind.
void leaveJournal(const QString& folder, bool damaged) {
    TapeDocument tape;
    TapeJournal journal(tape, QDir(folder).filePath(TapeJournal::FileName));
    journal.start();
    auto line = [&tape](const char* text, uint32_t colour) {
        tape.SetColour(colour);
        tape.AppendLine(QString::fromUtf8(text));
    };
    line("1.250,00 ^", Tape::Black);
    line("380,50 +", Tape::Black);
    line("-120,00 -", Tape::Red);
    line("———————", Tape::Green);
    line("1.510,50 S", Tape::Green);
    tape.SetAlignment(Tape::Alignment::Left);
    tape.SetBold(false);
    tape.SetSize(11);
    line("Miete und Nebenkosten März", Tape::Black);
    tape.SetAlignment(Tape::Alignment::Center);
    tape.SetBold(true);
    tape.SetSize(10);
    line("Zwischensumme", Tape::Black);
    journal.flush();
    if (damaged) {
        QFile file(journal.path());
        file.open(QIODevice::Append);
        file.write("\x00\x00\x01\x00torn", 8);
    }
}

// Starts the program in `folder`, grabs the question when it comes, and answers "Ja".
bool startAndRestore(const QString& folder, const QDir& out, const QString& questionPng, const QString& windowPng) {
    QDir::setCurrent(folder);
    bool ok = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box) return;
        poll.stop();
        ok = saveSnapshot(*box, out, questionPng);
        for (QAbstractButton* b : box->findChildren<QAbstractButton*>())
            if (b->text().remove(u'&') == QStringLiteral("Ja")) b->click();
    });
    poll.start(20);
    AppContext context;
    context.mainWindow().show();
    QApplication::processEvents();
    ok = saveSnapshot(context.mainWindow(), out, windowPng) && ok;
    context.crashProtection().finish();
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Kalkulo"));
    const std::optional<QDir> out = snapshotFolder(argc, argv);
    if (!out) return 2;
    bool ok = true;
    for (const bool damaged : {false, true}) {
        QTemporaryDir folder;
        leaveJournal(folder.path(), damaged);
        const QString tag = damaged ? QStringLiteral("_damaged") : QString();
        ok = startAndRestore(folder.path(), *out, QStringLiteral("restore_question%1.png").arg(tag),
                             QStringLiteral("restored_tape%1.png").arg(tag)) &&
            ok;
    }
    return ok ? 0 : 1;
}
