#pragma once
// The unit panel: converts the calculator's first operand from one unit to another within eight
// quantities and shows the result in the second field, marked with both units' symbols, where
// "=" takes it over like a function result. While a conversion is shown it follows the first
// operand: the calculator asks for a re-run through its side-panel hooks.
#include "panels/unittables.h"

#include <array>

class Calculator;
class Dialogs;

class UnitPanel {
public:
    UnitPanel(Calculator& calc, Dialogs& dialogs);

    // ---- Remembered between runs (settings "tab", "cIndex1", "cIndex2") ----
    int UnitPage = 0;         // page of the last conversion
    int UnitSourceIndex = 0;  // its source unit
    int UnitTargetIndex = 0;  // its target unit
    bool UnitConversionPending = false;

    // ---- What the panel shows ----
    int ActivePage = 0;                                // page control
    std::array<int, UnitPageCount> SourceSelection{};  // selected entry of each page's source list
    std::array<int, UnitPageCount> TargetSelection{};  // and of its target list

    // ---- User commands: each one leaves the currency format first, then converts ----
    // An arrow button (`Speed1`…`Speed8`) or the key "E".
    void ConvertClicked();
    // A unit chosen in the source or the target list of the shown page.
    void SourceChosen(int index);
    void TargetChosen(int index);
    // A press on a tab: a different page is shown and converts.
    void PageTabPressed(int page);

    // ---- Commands of the main window (no conversion) ----
    // Opening the panel: page `UnitPage` with the remembered units.
    void OpenPanel();
    // Shows page k: its presets, and on page `UnitPage` the remembered units.
    void ShowPage(int page);
    // The field colour changed: the next page and back, so that every list is drawn anew.
    void FlipPageAndBack();

    // Selects `UnitSourceIndex` and `UnitTargetIndex` on page `UnitPage`; a remembered index that
    // does not fit the page leaves its list as it is.
    void RestoreUnitSelection();

    // The conversion of the shown page's units. `userStarted` takes the undo snapshot; the
    // calculator's re-runs do not, so "Rückgängig" returns to the state before the user's step.
    // A result beyond the arithmetic's range shows "Zahl zu hoch, Vorgang abgebrochen!" and
    // changes nothing.
    void ConvertUnits(bool userStarted = true);

    // ---- What the calculator asks through its side-panel hooks ----
    bool unitConversionPending() const { return UnitConversionPending; }
    void recomputeUnitConversion() { ConvertUnits(false); }
    void dropUnitConversion() { UnitConversionPending = false; }

private:
    // A hand-edited settings file may name no page of the panel; page 0 then shows its presets.
    bool pageRemembered() const;
    int rememberedPage() const;
    void leaveCurrencyFormat();

    Calculator& calc_;
    Dialogs& dialogs_;
};
