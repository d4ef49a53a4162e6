#pragma once
// The calculator knows one side-panel interface; the panels below the keypad are several engines.
// This object stands between them and forwards each call to the engine that owns it.
#include "core/sidepanelhooks.h"

class FunctionPanel;
class PanelLayout;
class TaxPanel;
class TrigPanel;
class UnitPanel;

class SidePanelRouter : public SidePanelHooks {
public:
    SidePanelRouter(const PanelLayout& layout, UnitPanel& units, TrigPanel& trig, TaxPanel& tax,
                    FunctionPanel& functions)
        : layout_(layout), units_(units), trig_(trig), tax_(tax), functions_(functions) {}

    void rerunPanelFunction(int panelFunction) override;

    bool unitConversionPending() const override;
    void recomputeUnitConversion() override;
    void dropUnitConversion() override;

    void recomputeTax() override;
    void recomputeTaxFromOperand() override;

    void resetFunctionPanel() override;
    QString functionPanelTerm() const override;

private:
    const PanelLayout& layout_;
    UnitPanel& units_;
    TrigPanel& trig_;
    TaxPanel& tax_;
    FunctionPanel& functions_;
};
