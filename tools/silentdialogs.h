#pragma once
// Dialogs for programs that run without a user (snapshots, benchmarks): messages go nowhere,
// "Ja"/"Nein" questions get "Ja", three-way questions "Abbrechen", and every input, file,
// colour, font and printer dialog is cancelled.
#include "core/dialogs.h"

class SilentDialogs : public Dialogs {
public:
    void message(const QString&) override {}
    bool askYesNo(const QString&) override { return true; }
    Answer askYesNoCancel(const QString&) override { return Answer::Cancel; }
    std::optional<QString> input(const QString&, const QString&, const QString&) override { return std::nullopt; }
    QString openFileName(const QString&, const QString&, const QStringList&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QStringList&, int*) override { return {}; }
    std::optional<uint32_t> chooseColour(uint32_t) override { return std::nullopt; }
    bool chooseFont(QTextCharFormat&, const std::function<void(const QTextCharFormat&)>&) override { return false; }
    bool setUpPrinter(QPrinter&) override { return false; }
};
