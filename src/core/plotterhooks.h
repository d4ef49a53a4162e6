#pragma once
// What the calculator asks of the plotter. Defaults stand for a plotter that is not there.

class PlotterHooks {
public:
    virtual ~PlotterHooks() = default;

    virtual bool plotterVisible() const { return false; }
    // The "Halten" button: while it is down the function panel does not follow typing.
    virtual bool plotHoldDown() const { return false; }
    // A key the plotter takes instead of the calculator while it is shown.
    virtual void plotterTakesKey() {}
    // "Löschen" resets it while it is shown.
    virtual void resetPlotter() {}
};
