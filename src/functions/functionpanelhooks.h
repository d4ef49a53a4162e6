#pragma once
// What the function panel asks of the plotter and of the main window around it. The shell
// wires the plotter in; while nothing is wired the panel works as if the plotter were hidden.
#include <QString>

class FunctionPanelHooks {
public:
    virtual ~FunctionPanelHooks() = default;

    virtual bool plotterVisible() const { return false; }
    // The plotter's hold button is down: selecting a saved formula keeps filled constants.
    virtual bool plotHoldDown() const { return false; }
    virtual void drawGraph() {}
    // The plotter's readouts beside "x = " and "f(x) = ".
    virtual void showPlotValues(const QString& x, const QString& fx) {}
    // An evaluated formula joins the plotter's `GraphFormulas` and `PlotSequence`.
    virtual void recordPlottedFormula(const QString& formula) {}
    // Two or more formulas in the history: the plotter shows or hides its analysis menu items.
    virtual void updatePlotMenu() {}
    // "Löschen": the plotter's `PlotSequence` and `GraphFormulas` are emptied too.
    virtual void resetPlottedFormulas() {}
    // "Graph ->": the window widens by the plotter, which is shown set up for functions, and
    // "&Graph (G)" gets its check mark.
    virtual void openPlotter() {}
    // "<-Graph": the window narrows, the plotter hides with its trigonometry labels, the check goes.
    virtual void closePlotter() {}
};
