#pragma once
// Every engine of one running Kalkulo, held by value. The application context owns one set;
// windows get references to the engines they show, and tests build their own set. The
// calculator's outgoing calls are wired here, so that tests run with the same wiring.
#include "core/calculator.h"
#include "currency/currencyconverter.h"
#include "finance/financecalculator.h"
#include "panels/unitpanel.h"
#include "shell/panellayout.h"
#include "shell/sidepanelrouter.h"
#include "tape/documentlauncher.h"
#include "tape/tapedocument.h"
#include "tape/tapeexport.h"

struct Engines {
    explicit Engines(Dialogs& dialogs)
        : dialogs(dialogs),
          calculator(dialogs, &tape),
          layout(calculator),
          units(calculator, dialogs),
          converter(calculator, dialogs),
          sidePanels(units) {
        tape.setVisible(false);  // the calculator writes only while the Tape is shown
        calculator.setSidePanelHooks(&sidePanels);
        calculator.setConverterHooks(&converter);
        tapeExport.setLauncher(&launcher);
    }
    Engines(const Engines&) = delete;
    Engines& operator=(const Engines&) = delete;

    Dialogs& dialogs;
    TapeDocument tape;
    Calculator calculator;
    PanelLayout layout;
    UnitPanel units;
    CurrencyConverter converter;
    SidePanelRouter sidePanels;
    FinanceCalculator finance;  // forwards the calculator's side-panel calls to the panel engines
    LibreOfficeLauncher launcher;
    TapeExport tapeExport{tape, dialogs};
};
