#pragma once
// What the plotter reads from and asks of the function panel. The shell wires the function
// panel in; while nothing is wired the plotter has no formula and draws axes and grid only.
#include <QString>

class PlotterFunctionSource {
public:
    virtual ~PlotterFunctionSource() = default;

    // The text of the formula input: the formula that is sampled and marked (`CurrentFormula`).
    virtual QString currentFormula() const { return {}; }
    // The constant inputs a, b, c (index 0, 1, 2) as typed; empty when not filled in.
    virtual QString constantText(int index) const { return {}; }
    // Index of a formula in `FormulaHistory`, -1 when it is not there.
    virtual int historyIndex(const QString& formula) const { return -1; }
    // The degree/radian button changed the angle unit: the panel's evaluation runs again.
    virtual void evaluateAgain() {}
    // Hold mode disables the constant inputs a, b, c; its release enables them again.
    virtual void setConstantsEnabled(bool enabled) {}
    // Hold pressed: the formula exchanges places with the first entry of `FormulaHistory`
    // (when it is there at another index), so that the held curve is drawn red.
    virtual void putFormulaFirst(const QString& formula) {}
    // "Graph löschen" empties the formula input.
    virtual void clearFormula() {}
};
