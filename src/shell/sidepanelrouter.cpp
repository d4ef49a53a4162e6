#include "shell/sidepanelrouter.h"

#include "panels/unitpanel.h"

bool SidePanelRouter::unitConversionPending() const { return units_.unitConversionPending(); }

void SidePanelRouter::recomputeUnitConversion() { units_.recomputeUnitConversion(); }

void SidePanelRouter::dropUnitConversion() { units_.dropUnitConversion(); }
