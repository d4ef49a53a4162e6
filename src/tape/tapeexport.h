#pragma once
// "MS Word" (`SpeedButton4`): the Tape goes to the word processor as a new document, either as
// formatted paragraphs or as one text frame holding them. We write the document as flat
// OpenDocument text, the transfer file "Temp.fodt" in the start directory, and hand it to the
// word processor without waiting. Writer reads the file after we return, so it stays until
// the next export overwrites it or the program ends. The Tape itself is only read.
#include "tape/odtwriter.h"

#include <QDir>
#include <QList>
#include <QString>

class Dialogs;
class DocumentLauncher;
class TapeDocument;

class TapeExport {
public:
    static inline const QString TransferName = QStringLiteral("Temp.fodt");

    // One Tape line as the frame's size sees it: its characters and its largest run's size.
    struct LineMeasure {
        int length = 0;
        double pointSize = 0;
    };
    struct FrameSize {
        double width = 0;
        double height = 0;
    };

    explicit TapeExport(const TapeDocument& tape, Dialogs& dialogs, QString startDirectory = QDir::currentPath());
    void setLauncher(DocumentLauncher* launcher) { launcher_ = launcher; }

    // The options "Tape als Textbox in Word einfügen" (`Textbox1`) and "Textbox ohne Umrandung"
    // (`Umrandung`), kept in the settings file as "TextBox" and "Umrandung".
    bool TextBox = false;
    bool Umrandung = false;
    // Where the transfer file goes: the working directory at start.
    QString StartDirectory;

    // A click on `Textbox1` toggles it; `Umrandung` can be chosen exactly while it is on.
    void Textbox1Click() { TextBox = !TextBox; }
    void UmrandungClick();
    bool UmrandungEnabled() const { return TextBox; }

    // The frame for these lines, in points: 14 plus each line's size + 2 high, as wide as the
    // longest product length × (size − 3), with 15 added below 60 and 30 taken off above 180.
    // The height is a minimum: the frame grows when its text needs more.
    static FrameSize frameSize(const QList<LineMeasure>& lines);

    // The document the export writes, by the options.
    OdtDocument document() const;
    QString transferPath() const;

    // `SpeedButton4`: writes the transfer file and opens it in the word processor. False, with a
    // German message and no transfer file of this export left, when nothing was handed over.
    bool exportTape();
    // At shutdown.
    void removeTransferFile();

private:
    const TapeDocument& tape_;
    Dialogs& dialogs_;
    DocumentLauncher* launcher_ = nullptr;
};
