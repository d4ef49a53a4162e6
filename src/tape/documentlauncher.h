#pragma once
// Opens a written document in the word processor, without waiting for it.
#include <QString>

class DocumentLauncher {
public:
    virtual ~DocumentLauncher() = default;
    // false when no word processor is there to start; asked before a document is written.
    virtual bool installed() const { return true; }
    // false when the word processor could not be started; lastError() then says why.
    virtual bool open(const QString& path) = 0;
    virtual QString lastError() const { return {}; }
};

// LibreOffice, started detached; "-n" makes the file a new, untitled document, so the user
// saves it where they like and "Temp.fodt" can be written again next time. A running LibreOffice
// takes the document over; otherwise the one started here stays open.
class LibreOfficeLauncher : public DocumentLauncher {
public:
    // "soffice", else "libreoffice", found in PATH; empty when neither is there.
    static QString program();

    bool installed() const override { return !program().isEmpty(); }
    bool open(const QString& path) override;
    QString lastError() const override { return error_; }

private:
    QString error_;
};
