#pragma once
// The calculator knows one side-panel interface; the panels below the keypad are several engines.
// This object stands between them and forwards each call to the engine that owns it.
#include "core/sidepanelhooks.h"

class UnitPanel;

class SidePanelRouter : public SidePanelHooks {
public:
    explicit SidePanelRouter(UnitPanel& units) : units_(units) {}

    // Trigonometry and the function panel re-run their function here once they are engines.
    // The tax panel's recompute and the function panel's reset and term go here as well; until
    // then the defaults of SidePanelHooks answer for them.

    bool unitConversionPending() const override;
    void recomputeUnitConversion() override;
    void dropUnitConversion() override;

private:
    UnitPanel& units_;
};
