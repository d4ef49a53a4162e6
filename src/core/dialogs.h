#pragma once
// Every message, question and input box goes through this seam, so tests can answer them
// and engines never show a window themselves.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>

class QPrinter;
class QTextCharFormat;

class Dialogs {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Dialogs() = default;
    // Plain message box with an OK button.
    virtual void message(const QString& text) = 0;
    // "Ja"/"Nein" question; true for Ja.
    virtual bool askYesNo(const QString& text) = 0;
    // "Ja"/"Nein"/"Abbrechen" question.
    virtual Answer askYesNoCancel(const QString& text) = 0;
    // Single-line input box; nullopt when the user cancels.
    virtual std::optional<QString> input(const QString& caption, const QString& prompt, const QString& defaultText) = 0;
    // File dialogs; an empty text when the user cancels. `filters` are Qt filter texts,
    // `chosenFilter` receives the index of the filter the user picked.
    virtual QString openFileName(const QString& caption, const QString& proposedName, const QStringList& filters) = 0;
    virtual QString saveFileName(const QString& caption, const QString& proposedName, const QStringList& filters,
                                 int* chosenFilter) = 0;
    // Colour dialog, colours as 0x00BBGGRR; nullopt when the user cancels.
    virtual std::optional<uint32_t> chooseColour(uint32_t initial) = 0;
    // Font dialog with "Übernehmen", which runs `apply` while the dialog stays open. On OK the
    // choice is in `format`; false when the user cancels.
    virtual bool chooseFont(QTextCharFormat& format, const std::function<void(const QTextCharFormat&)>& apply) = 0;
    // Printer set-up before printing; false when the user cancels.
    virtual bool setUpPrinter(QPrinter& printer) = 0;
};
