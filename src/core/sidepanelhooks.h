#pragma once
// What the calculator asks of the side panels below it (trigonometry, units, tax, functions).
// The panels implement it; while no panel is wired the calculator uses these defaults.
#include <QString>
class SidePanelHooks {
public:
    virtual ~SidePanelHooks() = default;

    // Trigonometry (1..6) and the function panel (7) re-run their function on a new first operand.
    virtual void rerunPanelFunction(int panelFunction) {}

    // Unit conversion: a conversion is shown and follows the first operand.
    virtual bool unitConversionPending() const { return false; }
    virtual void recomputeUnitConversion() {}
    virtual void dropUnitConversion() {}

    // Tax panel: after every result, and after an undo restored the first operand.
    virtual void recomputeTax() {}
    virtual void recomputeTaxFromOperand() {}

    // Function panel: "Löschen" resets it; its current term goes into the Tape record.
    virtual void resetFunctionPanel() {}
    virtual QString functionPanelTerm() const { return {}; }
};
