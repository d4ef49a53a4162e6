#pragma once
// Dialogs that answer from a script and remember what was shown, for tests.
#include "core/dialogs.h"

#include <QStringList>
#include <deque>
#include <functional>

class ScriptedDialogs : public Dialogs {
public:
    // Everything the program showed or asked, in order.
    QStringList shown;
    // Answers consumed in order; when a queue is empty, questions answer Yes/Ja,
    // inputs are cancelled and file dialogs are cancelled.
    std::deque<bool> yesNo;
    std::deque<Answer> yesNoCancel;
    std::deque<std::optional<QString>> inputs;
    std::deque<QString> fileNames;
    std::deque<int> fileFilters;
    // Colour answers in order; cancelled when empty.
    std::deque<std::optional<uint32_t>> colours;
    // What the font dialog and the printer set-up do; both cancel when unset.
    std::function<bool(QTextCharFormat&, const std::function<void(const QTextCharFormat&)>&)> fontDialog;
    std::function<bool(QPrinter&)> printerSetup;

    void message(const QString& text) override;
    bool askYesNo(const QString& text) override;
    Answer askYesNoCancel(const QString& text) override;
    std::optional<QString> input(const QString& caption, const QString& prompt, const QString& defaultText) override;
    QString openFileName(const QString& caption, const QString& proposedName, const QStringList& filters) override;
    QString saveFileName(const QString& caption, const QString& proposedName, const QStringList& filters,
                         int* chosenFilter) override;
    std::optional<uint32_t> chooseColour(uint32_t initial) override;
    bool chooseFont(QTextCharFormat& format, const std::function<void(const QTextCharFormat&)>& apply) override;
    bool setUpPrinter(QPrinter& printer) override;

    QString last() const { return shown.isEmpty() ? QString() : shown.last(); }
};
