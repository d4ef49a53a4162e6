#pragma once
// The calculator, the function panel and the plotter wired together as the main window wires
// them, for tests that follow a formula from the panel into the calculator and onto the surface.
#include "core/calculator.h"
#include "functions/functionpanel.h"
#include "plotter/plotter.h"
#include "support/memorytape.h"
#include "support/scripteddialogs.h"

class PanelRouter : public SidePanelHooks,
                    public PlotterHooks,
                    public FunctionPanelHooks,
                    public PlotterFunctionSource {
public:
    ScriptedDialogs dialogs;
    MemoryTape tape;
    Calculator calc{dialogs, &tape};
    FunctionPanel panel{calc, dialogs};
    Plotter plotter{calc, dialogs};
    bool shown = false;

    PanelRouter() {
        calc.setSidePanelHooks(this);
        calc.setPlotterHooks(this);
        panel.setHooks(this);
        plotter.setFunctionSource(this);
    }

    // Calculator → panel and plotter.
    void rerunPanelFunction(int panelFunction) override {
        if (panelFunction == 7) panel.Button1Click();
    }
    void resetFunctionPanel() override { panel.ResetHistory(); }
    QString functionPanelTerm() const override { return panel.CurrentFormula; }
    bool plotterVisible() const override { return shown; }
    bool plotHoldDown() const override { return plotter.HoldMode; }

    // Function panel → plotter.
    void drawGraph() override { plotter.DrawGraph(); }
    void showPlotValues(const QString& x, const QString& fx) override { plotter.ShowValues(x, fx); }
    void recordPlottedFormula(const QString& formula) override { plotter.RecordFormula(formula); }
    void updatePlotMenu() override { plotter.UpdateAnalysisItems(); }
    void resetPlottedFormulas() override { plotter.ResetFormulas(); }
    void openPlotter() override {
        shown = true;
        plotter.ShowFunctionLabels();
    }
    void closePlotter() override {
        shown = false;
        plotter.ShowTrigonometryLabels();
    }

    // Plotter → function panel.
    QString currentFormula() const override { return panel.CurrentFormula; }
    QString constantText(int index) const override {
        return index == 0 ? panel.Edit1 : index == 1 ? panel.Edit2 : panel.Edit3;
    }
    int historyIndex(const QString& formula) const override {
        return static_cast<int>(panel.FormulaHistory.indexOf(formula));
    }
    void evaluateAgain() override { panel.Button1Click(); }
};
