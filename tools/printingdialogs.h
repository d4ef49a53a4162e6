#pragma once
// Dialogs for the snapshot programs: like the silent ones, but messages are printed so that a
// snapshot run shows what the window would have said, and three-way questions get "Ja".
#include "tools/silentdialogs.h"

#include <cstdio>

class PrintingDialogs : public SilentDialogs {
public:
    void message(const QString& text) override { std::fprintf(stderr, "Meldung: %s\n", qPrintable(text)); }
    Answer askYesNoCancel(const QString&) override { return Answer::Yes; }
};
