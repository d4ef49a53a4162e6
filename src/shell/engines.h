#pragma once
// Every engine of one running Kalkulo, held by value. The application context owns one set;
// windows get references to the engines they show, and tests build their own set.
#include "core/calculator.h"
#include "shell/panellayout.h"
#include "tape/tapedocument.h"

struct Engines {
    explicit Engines(Dialogs& dialogs) : dialogs(dialogs), calculator(dialogs, &tape), layout(calculator) {
        tape.setVisible(false);  // the calculator writes only while the Tape is shown
    }
    Engines(const Engines&) = delete;
    Engines& operator=(const Engines&) = delete;

    Dialogs& dialogs;
    TapeDocument tape;
    Calculator calculator;
    PanelLayout layout;
};
