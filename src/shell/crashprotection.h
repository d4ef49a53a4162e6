#pragma once
// Crash protection of the Tape for one run: at start, a journal left by a run that did not end
// normally is offered for restoring; then the Tape is journalled until the normal end removes
// the journal. Every message goes through Dialogs; nothing here ever changes the Tape except the
// restore the user asked for.
#include "tape/tapejournal.h"

#include <QString>

class Dialogs;
class TapeDocument;

class CrashProtection {
public:
    static inline const QString Question =
        QStringLiteral("Kalkulo wurde nicht regulär beendet. Das Tape der letzten Sitzung wiederherstellen?");
    static inline const QString KeptName = QStringLiteral("~tape-alt.rtf");
    static inline const QString RefusedName = QStringLiteral("~tape-alt.journal");

    // `directory` is the working directory at start, where "Kalkulo.ini" lives.
    CrashProtection(TapeDocument& tape, Dialogs& dialogs, const QString& directory);

    // True when the Tape was brought back from the last run's journal.
    bool restored() const { return restored_; }
    TapeJournal& journal() { return journal_; }
    // The normal end of the run: the journal goes.
    void finish() { journal_.finish(); }

private:
    void offerRestore();
    void keepAside(const journal::Content& content);
    void warnOff();

    TapeDocument& tape_;
    Dialogs& dialogs_;
    QString directory_;
    TapeJournal journal_;
    bool restored_ = false;
    bool warned_ = false;
};
