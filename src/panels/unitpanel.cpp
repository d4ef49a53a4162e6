#include "unitpanel.h"

#include "core/calculator.h"
#include "core/numtext.h"

#include <cmath>

namespace {
bool fits(int index, const UnitPageTable& table) {
    return index >= 0 && static_cast<std::size_t>(index) < table.units.size();
}
}  // namespace

UnitPanel::UnitPanel(Calculator& calc, Dialogs& dialogs) : calc_(calc), dialogs_(dialogs) {
    for (int page = 0; page < UnitPageCount; ++page) {
        SourceSelection[page] = unitPageTable(page).presetSource;
        TargetSelection[page] = unitPageTable(page).presetTarget;
    }
}

bool UnitPanel::pageRemembered() const { return UnitPage >= 0 && UnitPage < UnitPageCount; }

int UnitPanel::rememberedPage() const { return pageRemembered() ? UnitPage : 0; }

// A converted quantity is not an amount of money.
void UnitPanel::leaveCurrencyFormat() {
    if (calc_.NumberFormat == 2) calc_.SetNumberFormat(3);
}

void UnitPanel::ConvertClicked() {
    leaveCurrencyFormat();
    ConvertUnits();
}

void UnitPanel::SourceChosen(int index) {
    if (!fits(index, unitPageTable(ActivePage))) return;
    SourceSelection[ActivePage] = index;
    leaveCurrencyFormat();
    ConvertUnits();
}

void UnitPanel::TargetChosen(int index) {
    if (!fits(index, unitPageTable(ActivePage))) return;
    TargetSelection[ActivePage] = index;
    leaveCurrencyFormat();
    ConvertUnits();
}

void UnitPanel::PageTabPressed(int page) {
    if (page < 0 || page >= UnitPageCount) return;
    leaveCurrencyFormat();
    if (page == ActivePage) return;  // the shown tab: no change of page, nothing to convert
    ShowPage(page);
    ConvertUnits();
}

void UnitPanel::OpenPanel() {
    ActivePage = rememberedPage();
    ShowPage(ActivePage);
}

void UnitPanel::ShowPage(int page) {
    if (page < 0 || page >= UnitPageCount) return;
    ActivePage = page;
    SourceSelection[page] = unitPageTable(page).presetSource;
    TargetSelection[page] = unitPageTable(page).presetTarget;
    if (page == UnitPage) RestoreUnitSelection();
}

void UnitPanel::FlipPageAndBack() {
    ShowPage((ActivePage + 1) % UnitPageCount);
    ShowPage(rememberedPage());
}

void UnitPanel::RestoreUnitSelection() {
    if (!pageRemembered()) return;
    const UnitPageTable& table = unitPageTable(UnitPage);
    if (fits(UnitSourceIndex, table)) SourceSelection[UnitPage] = UnitSourceIndex;
    if (fits(UnitTargetIndex, table)) TargetSelection[UnitPage] = UnitTargetIndex;
}

void UnitPanel::ConvertUnits(bool userStarted) {
    const UnitPageTable& table = unitPageTable(ActivePage);
    const int s = SourceSelection[ActivePage];
    const int t = TargetSelection[ActivePage];
    if (!fits(s, table) || !fits(t, table)) return;
    const UnitDefinition& source = table.units[static_cast<std::size_t>(s)];
    const UnitDefinition& target = table.units[static_cast<std::size_t>(t)];

    // X / factor(s) × factor(t), as one ratio of sizes: a unit into itself gives X exactly.
    const long double x = numtext::valValue(calc_.Operand1Text);
    const long double result = x * (source.size / target.size);
    if (!std::isfinite(result)) {
        dialogs_.message(QStringLiteral("Zahl zu hoch, Vorgang abgebrochen!"));
        return;
    }

    UnitPage = ActivePage;
    UnitSourceIndex = s;
    UnitTargetIndex = t;
    if (userStarted) {
        calc_.SaveCalculatorState();
        // The conversion takes over the second field; a trigonometry result that waited there
        // must no longer follow the first operand or close the record as its own.
        calc_.PanelFunction = 0;
    }
    calc_.WorkValue = result;
    calc_.FormatNumber();
    calc_.Operand2Text = numtext::str(result);
    calc_.Label3 = calc_.FormattedText;
    calc_.Label4 = unitText(source.mark);
    calc_.Label2 = unitText(target.mark);
    calc_.ActiveField = 1;
    calc_.OperatorClass = 2;
    calc_.EntryState = 0;
    UnitConversionPending = true;
}
