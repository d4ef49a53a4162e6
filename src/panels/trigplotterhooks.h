#pragma once
// What the trigonometry panel asks of the plotter beside the calculator. Defaults stand for a
// plotter that is not there.

class TrigPlotterHooks {
public:
    virtual ~TrigPlotterHooks() = default;

    virtual bool plotterVisible() const { return false; }
    // Draws the unit circle or the hyperbolic curve again from the published values.
    virtual void redrawPlotter() {}
    // The information area: the hyperbolic readouts (marks, operand, result, "Auflösung:", its
    // resolution list, the grid boxes and the hold button) …
    virtual void showFunctionView() {}
    // … or the unit-circle readouts ("Sinus (y/r):", "Kosinus (x/r):", "Bei Radius").
    virtual void showUnitCircleView() {}
    // "Hyp" checked: first grid box and resolution list on, second grid box off, hold released.
    virtual void prepareHyperbolicPlot() {}
};
