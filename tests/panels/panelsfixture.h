#pragma once
// A calculator with the trigonometry and tax panels wired the way the main window wires them:
// the calculator's side-panel calls reach the panels, a plotter and a converter stand in.
#include "core/calculator.h"
#include "core/numtext.h"
#include "panels/taxpanel.h"
#include "panels/trigpanel.h"
#include "support/memorytape.h"
#include "support/presskeys.h"
#include "support/qtprinters.h"
#include "support/scripteddialogs.h"

#include <gtest/gtest.h>

struct FakePlotter : TrigPlotterHooks {
    bool visible = false;
    int redraws = 0;
    bool plotterVisible() const override { return visible; }
    void redrawPlotter() override { ++redraws; }
};

struct FakeConverter : ConverterHooks {
    int direction = 0;
    int converterDirection() const override { return direction; }
};

struct CountingBeeper : TaxPanel::Beeper {
    int beeps = 0;
    void beep() override { ++beeps; }
};

struct PanelRouter : SidePanelHooks {
    TrigPanel* trig = nullptr;
    TaxPanel* tax = nullptr;
    void rerunPanelFunction(int panelFunction) override {
        if (panelFunction >= 1 && panelFunction <= 6) trig->Rerun(panelFunction);
    }
    void recomputeTax() override { tax->RecomputeTax(); }
    void recomputeTaxFromOperand() override { tax->RecomputeTaxFromOperand(); }
};

class PanelsTest : public ::testing::Test {
protected:
    ScriptedDialogs dialogs;
    MemoryTape tape;
    Calculator calc{dialogs, &tape};
    FakePlotter plotter;
    FakeConverter converter;
    CountingBeeper beeper;
    TrigPanel trig{calc, dialogs};
    TaxPanel tax{calc, dialogs};
    PanelRouter router;

    PanelsTest() {
        router.trig = &trig;
        router.tax = &tax;
        calc.setSidePanelHooks(&router);
        trig.setPlotterHooks(&plotter);
        tax.setConverterHooks(&converter);
        tax.setBeeper(&beeper);
    }

    void press(const QString& keys) { pressKeys(calc, keys); }

    QStringList fields() const { return {calc.Label1, calc.Label4, calc.Label3, calc.Label2}; }
    long double operand1() const { return numtext::valValue(calc.Operand1Text); }
};
