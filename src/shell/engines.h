#pragma once
// Every engine of one running Kalkulo, held by value. The application context owns one set;
// windows get references to the engines they show, and tests build their own set. The
// calculator's outgoing calls are wired here, so that tests run with the same wiring.
#include "core/calculator.h"
#include "currency/currencyconverter.h"
#include "finance/financecalculator.h"
#include "functions/functionpanel.h"
#include "panels/taxpanel.h"
#include "panels/trigpanel.h"
#include "panels/unitpanel.h"
#include "parser/anglemode.h"
#include "plotter/plotter.h"
#include "shell/panellayout.h"
#include "shell/plotterrouter.h"
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
          trig(calculator, dialogs),
          tax(calculator, dialogs),
          functions(calculator, dialogs, &angles),
          plotter(calculator, dialogs, &angles),
          plotterRouter(calculator, layout, plotter, trig, functions),
          sidePanels(layout, units, trig, tax, functions) {
        tape.setVisible(false);  // the calculator writes only while the Tape is shown
        calculator.setSidePanelHooks(&sidePanels);
        calculator.setConverterHooks(&converter);
        calculator.setPlotterHooks(&plotterRouter);
        layout.setHooks(&plotterRouter);
        trig.setPlotterHooks(&plotterRouter.trigHooks());
        tax.setConverterHooks(&converter);
        functions.setHooks(&plotterRouter);
        plotter.setFunctionSource(&plotterRouter);
        plotter.setLauncher(&launcher);
        tapeExport.setLauncher(&launcher);
        tax.Refresh();  // the selected tax's rate and empty amounts from the start
    }
    Engines(const Engines&) = delete;
    Engines& operator=(const Engines&) = delete;

    Dialogs& dialogs;
    AngleMode angles;  // the unit of every parser's angle functions; the plotter's degree button sets it
    TapeDocument tape;
    Calculator calculator;
    PanelLayout layout;
    UnitPanel units;
    CurrencyConverter converter;
    TrigPanel trig;
    TaxPanel tax;
    FunctionPanel functions;
    Plotter plotter;
    LibreOfficeLauncher launcher;  // opens the plotter's and the Tape's exports
    PlotterRouter plotterRouter;   // the plotter between calculator, panels and layout
    SidePanelRouter sidePanels;    // forwards the calculator's side-panel calls to the panel engines
    FinanceCalculator finance;
    TapeExport tapeExport{tape, dialogs};
};
