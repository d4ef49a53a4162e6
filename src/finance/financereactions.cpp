// The financial window's reactions between computations: automatic recomputations, the subsidy box, the variable
// interest boxes and their "%" toggles, list rows and "Neue Berechnung".
#include "finance/financecalculator.h"

#include "core/numtext.h"
#include "finance/amounttext.h"
#include "finance/financedate.h"

namespace {

const QString kNewRateFrom = QStringLiteral(" Neuer Zins gültig ab Datum: ");
const QString kClickPercent = QStringLiteral("Klicken Sie auf die %Taste um neuen Zins einzugeben");

// Empties the dates and values of a list and keeps its rows.
void clearEntries(FinanceGrid& grid) {
    for (GridRow& row : grid.rows) row = {};
}

}  // namespace

FinanceReaction FinanceCalculator::Datum1Change() {
    if (Edit1.isEmpty() || Edit2.isEmpty()) return {};
    return Compute();
}

FinanceReaction FinanceCalculator::DateChange() { return Compute(); }

FinanceReaction FinanceCalculator::Datum5Change() {
    const int months = MonthIndex(Datum5, Datum4);
    Edit19 = QString::number(months / 12);
    // Yearly interest counts whole years only: a part of a year would earn a full year's interest.
    Edit23 = Zins2 ? QStringLiteral("0") : QString::number(months % 12);
    return Compute();
}

FinanceReaction FinanceCalculator::Edit2Change() {
    if (Edit1.isEmpty() || !holdsNumber(Edit2) || numtext::strToFloat(Edit2) <= 0 || !Radio1) return {};
    Edit12.clear();
    return Compute();
}

FinanceReaction FinanceCalculator::Edit13Change() {
    if (Edit1.isEmpty() || Edit2.isEmpty() || !holdsNumber(Edit13, true) || numtext::strToInt(Edit13) <= 0) return {};
    if (Radio1) Edit12.clear();
    return Compute();
}

FinanceReaction FinanceCalculator::Edit14Change() {
    if (Edit1.isEmpty() || Edit2.isEmpty() || !holdsNumber(Edit14, true)) return {};
    if (Radio1) Edit12.clear();
    return Compute();
}

namespace {

FinanceReaction checkThenCompute(FinanceCalculator& f) {
    const FinanceOutcome check = f.CheckFinanceInputs();
    if (f.InputsValid == 0) return check;
    return f.Compute();
}

}  // namespace

FinanceReaction FinanceCalculator::Zins1Click() {
    showInterestPeriod();
    return checkThenCompute(*this);
}

FinanceReaction FinanceCalculator::Zins2Click() {
    showInterestPeriod();
    return checkThenCompute(*this);
}

void FinanceCalculator::showInterestPeriod() {
    if (Zins2) Edit23 = QStringLiteral("0");
    Edit23Enabled = !Zins2;
    Label24 = Zins2 ? QStringLiteral("Jährl. Zahlung") : QStringLiteral("Monatl. Zahlung");
}

void FinanceCalculator::showVprozState() {
    if (vproz) {
        Edit2Hint = QStringLiteral("Anfänglicher Nominalzins");
        vprozHint = kClickPercent;
        return;
    }
    SpeedButton7Down = false;
    SpeedButton7Click();
    SonderCaption = QStringLiteral("Sondertilgungen");
    Edit2Hint = QStringLiteral("Nominalzins");
    vprozHint = QStringLiteral("Datum und neuen Zins eingeben");
}

void FinanceCalculator::showVproz2State() {
    if (vproz2) {
        vproz2Hint = kClickPercent;
        return;
    }
    // Released, the toggle shows the special payments again, and the list's caption says so.
    SpeedButton8Down = false;
    SpeedButton8Click();
    vproz2Hint = QStringLiteral("Einen veränderlichen Zinssatz eingeben ");
}

FinanceReaction FinanceCalculator::vprozClick() {
    showVprozState();
    if (Edit10.isEmpty()) return {};
    resetAdjustedField();
    return Compute();
}

FinanceReaction FinanceCalculator::vproz2Click() {
    showVproz2State();
    return Compute();
}

void FinanceCalculator::SpeedButton7Click() {
    SonderCaption = SpeedButton7Down ? kNewRateFrom : QStringLiteral(" Sondertilgungen ");
    SpeedButton7Hint =
        SpeedButton7Down ? QStringLiteral("Sondertilgungen eingeben") : QStringLiteral("Veränderten Zinssatz eingeben");
}

void FinanceCalculator::SpeedButton8Click() {
    SonderCaption2 = SpeedButton8Down ? kNewRateFrom : QStringLiteral(" Sonderzahlungen ");
    SpeedButton8Hint = SpeedButton8Down ? QStringLiteral(" Sonderzahlungen eingeben ")
                                        : QStringLiteral(" Veränderten Zinssatz eingeben ");
}

FinanceReaction FinanceCalculator::BauFiClick() {
    if (!BauFi) return BauFiUnticked();
    FinanceReaction out(CheckFinanceInputs());
    if (InputsValid == 0) {
        // Unticking checks the inputs as well, so its message comes once more.
        out.add(BauFiUnticked());
        return out;
    }
    try {
        // The subsidy window takes the loan amount as it stands before the search resets it.
        FinanceAmount = CleanAmountText(Edit1);
    } catch (const numtext::ConversionError& e) {
        BauFi = false;
        return FinanceOutcome{e.message(), QStringLiteral("Edit1")};
    }
    resetAdjustedField();
    Edit7Enabled = true;
    out.showSubsidy = true;
    return out;
}

FinanceReaction FinanceCalculator::BauFiUnticked() {
    BauFi = false;
    FinanceReaction out(CheckFinanceInputs());
    const bool valid = InputsValid == 1;
    dropSubsidy();
    if (valid) out.add(Compute());
    return out;
}

void FinanceCalculator::dropSubsidy() {
    BauFi = false;
    Edit7Enabled = false;
    Edit7.clear();
    SubsidyPerYear = 0;
    SubsidyTotal = 0;
    resetAdjustedField();
}

void FinanceCalculator::resetAdjustedField() {
    if (Radio1) Edit12 = QStringLiteral("0");
    else if (Radio2) Edit1 = QStringLiteral("0");
}

void FinanceCalculator::AddRow() {
    FinanceGrid& grid =
        ActivePage == FinancePage::Tilgung ? (SpeedButton7Down ? Grid3 : Grid2) : (SpeedButton8Down ? Grid4 : Grid1);
    grid.rows.emplace_back();
}

void FinanceCalculator::DeleteLastRow() {
    FinanceGrid& grid =
        ActivePage == FinancePage::Tilgung ? (SpeedButton7Down ? Grid3 : Grid2) : (SpeedButton8Down ? Grid4 : Grid1);
    grid.rows.back() = {};
    // The heading row and one data row always stay.
    if (grid.RowCount() > 2) grid.rows.pop_back();
}

FinanceReaction FinanceCalculator::SpeedButton5Click() {
    ComboBox1.clear();
    FinanceReaction out;
    if (ActivePage == FinancePage::Tilgung) {
        clearEntries(Grid2);
        clearEntries(Grid3);
        Subsidy.ForgetChoices();
        Edit1 = Edit2 = Edit12 = QStringLiteral("0");
        Edit13 = QStringLiteral("30");
        Edit14 = QStringLiteral("0");
        dropSubsidy();
        if (vproz) {
            vproz = false;
            showVprozState();
        }
        Datum1 = Datum2 = Datum3 = Today;
        out = Compute();
        Edit1.clear();
        out.focus = QStringLiteral("Edit1");
    } else {
        clearEntries(Grid1);
        clearEntries(Grid4);
        Edit16 = Edit17 = Edit18 = QStringLiteral("0");
        Edit19 = QStringLiteral("10");
        Datum4 = Datum5 = Today;
        if (vproz2) {
            vproz2 = false;
            showVproz2State();
        }
        out = Compute();
        Edit16.clear();
        out.focus = QStringLiteral("Edit16");
    }
    return out;
}
