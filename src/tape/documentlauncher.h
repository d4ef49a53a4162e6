#pragma once
// Opens a written document in the word processor, without waiting for it.
#include <QString>

class DocumentLauncher {
public:
    virtual ~DocumentLauncher() = default;
    // false when the word processor could not be started.
    virtual bool open(const QString& path) = 0;
};

// LibreOffice, started detached; "-n" makes the file a new, untitled document, so the user
// saves it where they like and "Temp.fodt" can be written again next time.
class LibreOfficeLauncher : public DocumentLauncher {
public:
    bool open(const QString& path) override;
};
