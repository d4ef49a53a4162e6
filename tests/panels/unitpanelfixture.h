#pragma once
// A calculator with the unit panel wired to it as the main window wires it.
#include "core/calculator.h"
#include "core/numtext.h"
#include "panels/unitpanel.h"
#include "support/memorytape.h"
#include "support/qtprinters.h"
#include "support/scripteddialogs.h"

#include <gtest/gtest.h>

// Forwards the calculator's side-panel hooks to the unit panel.
class UnitHooks : public SidePanelHooks {
public:
    explicit UnitHooks(UnitPanel& panel) : panel_(panel) {}
    bool unitConversionPending() const override { return panel_.unitConversionPending(); }
    void recomputeUnitConversion() override { panel_.recomputeUnitConversion(); }
    void dropUnitConversion() override { panel_.dropUnitConversion(); }

private:
    UnitPanel& panel_;
};

class UnitPanelTest : public ::testing::Test {
protected:
    UnitPanelTest() {
        calc.ApplyDisplaySettings(3, 0, 1, 0);
        calc.setSidePanelHooks(&hooks);
    }

    void type(const QString& digits) {
        for (QChar c : digits) calc.EnterDigit(c == u',' ? QChar(u'.') : c);
    }
    // The user picks both units on a page and presses its arrow.
    void convert(int page, int source, int target) {
        panel.ShowPage(page);
        panel.SourceSelection[page] = source;
        panel.TargetSelection[page] = target;
        panel.ConvertClicked();
    }
    QStringList display() const { return {calc.Label4, calc.Label1, calc.Label2, calc.Label3}; }

    ScriptedDialogs dialogs;
    MemoryTape tape;
    Calculator calc{dialogs, &tape};
    UnitPanel panel{calc, dialogs};
    UnitHooks hooks{panel};
};
