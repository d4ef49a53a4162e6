#include "shell/sidepanelrouter.h"

#include "functions/functionpanel.h"
#include "panels/taxpanel.h"
#include "panels/trigpanel.h"
#include "panels/unitpanel.h"
#include "shell/panellayout.h"

// 1..6 are the trigonometry panel's buttons, 7 the function panel's "f(x)".
void SidePanelRouter::rerunPanelFunction(int panelFunction) {
    if (panelFunction >= 1 && panelFunction <= 6) trig_.Rerun(panelFunction);
    else if (panelFunction == 7) functions_.Button1Click();
}

bool SidePanelRouter::unitConversionPending() const { return units_.unitConversionPending(); }

void SidePanelRouter::recomputeUnitConversion() { units_.recomputeUnitConversion(); }

void SidePanelRouter::dropUnitConversion() { units_.dropUnitConversion(); }

void SidePanelRouter::recomputeTax() { tax_.RecomputeTax(); }

void SidePanelRouter::recomputeTaxFromOperand() { tax_.RecomputeTaxFromOperand(); }

// "Löschen" empties the function panel's history only while the panel is shown.
void SidePanelRouter::resetFunctionPanel() {
    if (layout_.SidePanelShown[static_cast<int>(SidePanelKind::Functions)]) functions_.ResetHistory();
}

QString SidePanelRouter::functionPanelTerm() const { return functions_.CurrentFormula; }
