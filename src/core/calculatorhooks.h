#pragma once
// Calls from the calculator out to the subsystems that follow its results. Each subsystem
// overrides what it takes part in; a subsystem that is not there simply keeps the defaults.
#include <QString>

class CalculatorHooks {
public:
    virtual ~CalculatorHooks() = default;

    // Side panels (trigonometry 1..6, function panel 7) re-run their function on a new first operand.
    virtual void rerunPanelFunction(int panelFunction) {}
    // The plotter's "Halten" button: while it is down the function panel does not follow typing.
    virtual bool plotHoldDown() const { return false; }

    // Unit-conversion panel.
    virtual bool unitConversionPending() const { return false; }
    virtual void recomputeUnitConversion() {}
    virtual void dropUnitConversion() {}

    // Tax panel follows every result.
    virtual void recomputeTax() {}

    // Currency converter: hand-over of an amount (raw point text) in its current direction.
    virtual bool converterVisible() const { return false; }
    virtual void handToConverter(const QString& rawText) {}
    // Texts for the second-currency Tape line.
    virtual int converterDirection() const { return 0; }
    virtual QString converterFirstAmountText() const { return {}; }
    virtual QString converterSecondAmountText() const { return {}; }
    virtual void stopConverterHints() {}

    // Plotter and function panel: "Löschen" resets them while they are shown (the function
    // panel checks that itself).
    virtual bool plotterVisible() const { return false; }
    virtual void plotterTakesKey() {}
    virtual void resetPlotter() {}
    virtual void resetFunctionPanel() {}
    // The function panel's current term, for its Tape record.
    virtual QString functionPanelTerm() const { return {}; }
};
