#pragma once
// The plotter between the panels that draw into it and the panel layout that shows it. The
// calculator, the function panel, the trigonometry panel and the layout each know one small
// interface; this object answers all of them from the same engines, so that the layout engine
// stays the only place that knows whether the plotter is shown.
#include "core/plotterhooks.h"
#include "functions/functionpanelhooks.h"
#include "plotter/functionsource.h"
#include "plotter/trigplotteradapter.h"
#include "shell/panellayout.h"

class Calculator;
class FunctionPanel;
class Plotter;
class TrigPanel;

class PlotterRouter : public PlotterHooks,
                      public FunctionPanelHooks,
                      public PlotterFunctionSource,
                      public PanelLayoutHooks {
public:
    PlotterRouter(Calculator& calc, PanelLayout& layout, Plotter& plotter, TrigPanel& trig, FunctionPanel& functions);

    // What the trigonometry panel is given as its plotter.
    TrigPlotterHooks& trigHooks() { return trigAdapter_; }

    // The function panel's constant inputs a, b, c: off while the plotter holds a curve.
    bool ConstantsEnabled = true;

    // Calculator and function panel.
    bool plotterVisible() const override;
    bool plotHoldDown() const override;
    void plotterTakesKey() override;
    void resetPlotter() override;

    // Function panel → plotter.
    void drawGraph() override;
    void showPlotValues(const QString& x, const QString& fx) override;
    void recordPlottedFormula(const QString& formula) override;
    void updatePlotMenu() override;
    void resetPlottedFormulas() override;
    void openPlotter() override;
    void closePlotter() override;

    // Plotter → function panel.
    QString currentFormula() const override;
    QString constantText(int index) const override;
    int historyIndex(const QString& formula) const override;
    void evaluateAgain() override;
    void setConstantsEnabled(bool enabled) override { ConstantsEnabled = enabled; }
    void putFormulaFirst(const QString& formula) override;
    void clearFormula() override;

    // Enter while the plotter's radius input owns the keys: the keys go back to the first field and
    // the picture follows the radius.
    void EnterInPlotter();

    // Layout → panels.
    void sidePanelOpened(int panel) override;
    void plotterClosing() override;
    void plotterOpened() override;
    void extensionClosing() override;

private:
    class TrigAdapter : public TrigPlotterAdapter {
    public:
        TrigAdapter(Plotter& plotter, const TrigPanel& panel, const PanelLayout& layout)
            : TrigPlotterAdapter(plotter, panel), layout_(layout) {}
        bool plotterVisible() const override { return layout_.PlotterShown; }

    private:
        const PanelLayout& layout_;
    };

    bool shown(SidePanelKind panel) const { return layout_.SidePanelShown[static_cast<int>(panel)]; }
    void captionGraphButtons(bool plotterShown);

    Calculator& calc_;
    PanelLayout& layout_;
    Plotter& plotter_;
    TrigPanel& trig_;
    FunctionPanel& functions_;
    TrigAdapter trigAdapter_;
};
