// Loading a scenario: every stored value is read and converted first, then the page takes them all
// and computes once.
#include "finance/scenariostore.h"

#include "core/numtext.h"
#include "finance/amounttext.h"
#include "finance/financecalculator.h"
#include "finance/financedate.h"
#include "finance/scenariokeys.h"
#include "finance/settingssource.h"

#include <algorithm>

namespace scenariokeys {

int readInteger(const SettingsSource& settings, const QString& section, const QString& key, int defaultValue) {
    bool ok = false;
    const int value = settings.readString(section, key, QString()).trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}

}  // namespace scenariokeys

namespace {

// A grid holds at most this many rows, the heading row included.
constexpr int kMaxRows = 1000;

struct Section {
    const SettingsSource& settings;
    QString name;
    QStringList keys = settings.keys(name);

    QString text(const QString& key, const QString& defaultValue) const {
        return settings.readString(name, key, defaultValue);
    }
    int integer(const QString& key, int defaultValue) const {
        return scenariokeys::readInteger(settings, name, key, defaultValue);
    }
    bool has(const QString& key) const { return keys.contains(key, Qt::CaseInsensitive); }
};

// Row keys "1", "2", ... (or "1a", "2a", ...) wherever they stand, also below a gap; the grid has the stored row
// count, kept within 2 .. kMaxRows, and grows for a higher key.
FinanceGrid readRows(const Section& section, const QString& countKey, const QString& suffix) {
    int count = std::clamp(section.integer(countKey, 3), 2, kMaxRows);
    std::vector<std::pair<int, QString>> found;
    for (const QString& key : section.keys) {
        if (!key.endsWith(suffix, Qt::CaseInsensitive)) continue;
        const QString number = key.left(key.size() - suffix.size());
        bool ok = false;
        const int row = number.toInt(&ok);
        if (!ok || row < 1 || row >= kMaxRows || QString::number(row) != number) continue;
        found.emplace_back(row, section.text(key, QString()));
        count = std::max(count, row + 1);
    }
    FinanceGrid grid(count);
    for (const auto& [row, text] : found) {
        const qsizetype split = text.indexOf(u';');
        grid.rows[static_cast<size_t>(row - 1)] =
            split < 0 ? GridRow{text, QString()} : GridRow{text.left(split), text.mid(split + 1)};
    }
    return grid;
}

struct StoredSubsidy {
    long double perYear = 0, total = 0;
    QString text, income;
    int building = 0, single = 0, eco1 = 0, eco2 = 0, children = 0, oldRules = 0;
};

// Everything of one scenario, converted; throws numtext::ConversionError before anything changed.
struct StoredScenario {
    FinancePage page = FinancePage::Tilgung;
    QDate start;
    QString amount, rate, payment, years, months;
    bool hasMonths = false;
    bool yearly = false;
    bool variable = false;
    FinanceGrid specials, changes;
    std::optional<StoredSubsidy> subsidy;

    StoredScenario(const Section& s, int currentYear) {
        using namespace scenariokeys;
        const QString zero = QStringLiteral("0,0");
        page = s.integer(Page, 0) == 1 ? FinancePage::Anlage : FinancePage::Tilgung;
        start = financedate::parse(s.text(Start, QStringLiteral("01.01.01")), currentYear);
        amount = s.text(Amount, zero);
        rate = s.text(Rate, zero);
        payment = s.text(Payment, zero);
        years = s.text(page == FinancePage::Tilgung ? Years : Term, QStringLiteral("30"));
        months = s.text(Months, QStringLiteral("0"));
        hasMonths = s.has(Months);
        yearly = s.integer(Interval, 0) == 1;
        variable = s.integer(Variable, 0) != 0;
        specials = readRows(s, SpecialRows, QString());
        changes = readRows(s, ChangeRows, ChangeSuffix);
        if (page == FinancePage::Anlage || !s.has(PerYear)) return;
        StoredSubsidy sub;
        sub.perYear = numtext::strToFloat(s.text(PerYear, QStringLiteral("0")));
        sub.text = s.text(SubsidyText, QStringLiteral("0"));
        sub.total = CleanAmountText(sub.text);
        sub.income = s.text(Income, QStringLiteral("0"));
        sub.building = s.integer(Building, 0);
        sub.single = s.integer(Single, 0);
        sub.eco1 = s.integer(Eco1, 0);
        sub.eco2 = s.integer(Eco2, 0);
        sub.children = s.integer(Children, 0);
        sub.oldRules = s.integer(OldRules, 0);
        subsidy = sub;
    }
};

void restoreSubsidy(FinanceCalculator& f, const std::optional<StoredSubsidy>& stored) {
    if (!stored) {
        f.BauFi = false;
        f.Edit7Enabled = false;
        f.Edit7.clear();
        f.SubsidyPerYear = f.SubsidyTotal = 0;
        return;
    }
    SubsidyCalculator& sub = f.Subsidy;
    sub.SubsidyOldRules = stored->oldRules;
    sub.SubsidyIncomeText = stored->income;
    sub.SubsidyBuildingType = stored->building;
    sub.SubsidySingle = stored->single;
    sub.SubsidyEco1 = stored->eco1;
    sub.SubsidyEco2 = stored->eco2;
    sub.SubsidyChildren = stored->children;
    f.SubsidyPerYear = stored->perYear;
    f.SubsidyTotal = stored->total;
    f.BauFi = true;
    f.Edit7Enabled = true;
    f.Edit7 = stored->text;
}

void restoreLoan(FinanceCalculator& f, const StoredScenario& s) {
    f.Datum1 = s.start;
    f.Edit13 = s.years;
    f.Edit14 = s.months;
    f.Edit2 = s.rate;
    f.Edit1 = s.amount;
    restoreSubsidy(f, s.subsidy);
    f.Grid2 = s.specials;
    f.Grid3 = s.changes;
    f.vproz = s.variable;
    f.showVprozState();
    // The payment is not stored: "Rate" searches it again.
    f.Edit12.clear();
}

void restoreSavings(FinanceCalculator& f, const StoredScenario& s) {
    f.Edit16 = s.amount;
    f.Edit17 = s.rate;
    f.Edit18 = s.payment;
    f.Datum4 = s.start;
    f.Edit19 = s.years;
    // Files of older versions hold no months; the field then keeps its text.
    if (s.hasMonths) f.Edit23 = s.months;
    f.Zins2 = s.yearly;
    f.Zins1 = !s.yearly;
    f.showInterestPeriod();
    f.Grid1 = s.specials;
    f.Grid4 = s.changes;
    f.vproz2 = s.variable;
    f.showVproz2State();
}

}  // namespace

FinanceReaction ScenarioStore::Load(int index, FinanceCalculator& f, SettingsSource& settings) {
    if (index < 0 || index >= Items.size()) return {};
    const QString name = Items[index];
    // One of the program's own sections is never read as a scenario.
    if (!storableName(name) || !settings.sectionExists(name)) {
        f.ComboBox1 = name;
        return f.Compute();
    }
    std::optional<StoredScenario> stored;
    try {
        stored.emplace(Section{settings, name}, f.Today.year());
    } catch (const numtext::ConversionError& e) {
        return FinanceOutcome{e.message(), QString()};
    }
    FinanceReaction out;
    f.ComboBox1 = name;
    f.ActivePage = stored->page;
    if (stored->page == FinancePage::Tilgung) {
        if (stored->subsidy && f.Subsidy.Shown) {
            // The subsidy window closes and keeps its parameters, as its own closing would.
            f.Subsidy.Shutdown(settings);
            f.Subsidy.Shown = false;
            out.closeSubsidy = true;
        }
        restoreLoan(f, *stored);
    } else {
        restoreSavings(f, *stored);
    }
    RememberedIndex[stored->page == FinancePage::Tilgung ? 0 : 1] = index;
    out.add(f.Compute());
    return out;
}
