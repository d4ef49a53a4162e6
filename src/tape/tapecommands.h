#pragma once
// The Tape panel's commands that need no window: clear with a backup and its restore, save,
// open (replace or append), carrying a value into the Tape, and the checks before printing.
// Every file error ends the command with a German message naming the file; the Tape keeps its content.
#include <QString>
#include <QStringList>

class Dialogs;
class QPagedPaintDevice;
class TapeDocument;

class TapeCommands {
public:
    static inline const QString BackupName = QStringLiteral("~temp.rtf");

    // `directory` is where the backup lives and where the save proposal looks (the working directory).
    TapeCommands(TapeDocument& tape, Dialogs& dialogs, QString directory);

    static QStringList saveFilters();
    static QStringList openFilters();

    // Clear (`Button1`): backs a Tape of more than one line up, then empties it. False when the
    // backup could not be written (the Tape is then kept).
    bool clear();
    bool canRestore() const { return canRestore_; }
    // Restore ("Tape (Alt-Backsp)"): asks, then replaces the Tape with the backup.
    bool restore();
    // Removes the backup; the program calls this at shutdown.
    void removeBackup();

    // The first free name "Tape"+n (n ≥ 1) with no "Tape"+n+".rtf" in the directory.
    QString proposedSaveName() const;
    // Save (`BitBtn1`).
    void save();
    // Open (`FileOpenDialog1`).
    void open();

    bool writeRtf(const QString& path);
    bool writeText(const QString& path);
    // Reads a file (RTF or plain text) and replaces or appends it.
    bool load(const QString& path, bool append);

    // A display field's value dropped onto the Tape: bold, on the first line of an empty Tape,
    // else after an empty line.
    void dropText(const QString& text);
    // The first field's value when the Tape is shown over a result.
    void carryResult(const QString& text);

    // Printing: false with the message when there is nothing to print.
    bool checkPrintable();
    // Prints into the device's page rectangle after the check; returns false when nothing was printed.
    bool print(QPagedPaintDevice& device);

    // The file the open dialog proposes: "Tape" in the working folder until a file is opened, and
    // again after a clear.
    QString openDefaultName() const { return openDefaultName_; }

private:
    QString backupPath() const;
    QString defaultOpenName() const;
    bool writeFile(const QString& path, const QByteArray& bytes);

    TapeDocument& tape_;
    Dialogs& dialogs_;
    QString directory_;
    bool canRestore_ = false;
    QString openDefaultName_;
};
