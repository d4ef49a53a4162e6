#include "financetestutil.h"

#include "finance/amounttext.h"
#include "support/rownames.h"

#include <gtest/gtest.h>

namespace {

using rownames::operator<<;

const QDate kStart(2024, 1, 1);

// Final capital, payments, interest, status.
QStringList results(const FinanceCalculator& f) { return {f.Edit21, f.Edit20, f.Edit22, f.Edit24}; }

FinanceCalculator examplePlan(bool yearly) {
    FinanceCalculator f;
    f.setToday(kStart);
    f.ActivePage = FinancePage::Anlage;
    f.Edit16 = "1.000,00";
    f.Edit17 = "12";
    f.Edit18 = "100";
    f.Edit19 = "1";
    f.Edit23 = "0";
    f.Zins1 = !yearly;
    f.Zins2 = yearly;
    return f;
}

struct CapitalRow {
    const char* name;
    void (*prepare)(FinanceCalculator&);
    QStringList shown;
    QDate end;
    double capital;
};

const CapitalRow kCapitalRows[] = {
    // 1000 · 1,01^12 + 100 · (1,01^12 − 1) / 0,01; the status date, today, is the start.
    {"monthly",
     [](FinanceCalculator&) {},
     {"2.395,08", "2.200,00", "195,08", "1.000,00"},
     {2025, 1, 1},
     2395.0753314517},
    // Year 1: 1000 · 1,12 + 100 = 1220. Year 2: 1220 · 1,12 + 500 + 100 = 1966,40: the special
    // payment of period 6 is counted at the end of year 2 (6 < k ≤ 12 is none).
    {"yearly",
     [](FinanceCalculator& f) {
         f = examplePlan(true);
         f.Edit19 = "2";
         f.Grid1.rows[0] = {"01.07.2024", "500"};
     },
     {"1.966,40", "1.700,00", "266,40", "1.000,00"},
     {2026, 1, 1},
     1966.4},
    // Interest changes count only while "variable" is ticked; from period 0 on: no interest from month 1 on.
    {"changes unticked",
     [](FinanceCalculator& f) {
         f.Grid4.rows[0] = {"01.01.2024", "0"};
     },
     {"2.395,08", "2.200,00", "195,08", "1.000,00"},
     {2025, 1, 1},
     2395.0753314517},
    {"changes ticked",
     [](FinanceCalculator& f) {
         f.vproz2 = true;
         f.Grid4.rows[0] = {"01.01.2024", "0"};
     },
     {"2.210,00", "2.200,00", "10,00", "1.000,00"},
     {2025, 1, 1},
     2210},
    {"empty amounts count as 0",
     [](FinanceCalculator& f) {
         f.Edit16.clear();
         f.Edit18.clear();
     },
     {"0,00", "0,00", "0,00", "  0,00"},
     {2025, 1, 1},
     0},
};

using CapitalTable = rownames::Table<CapitalRow>;

TEST_P(CapitalTable, ComputesTheFinalCapital) {
    const auto& [name, prepare, shown, end, capital] = GetParam();
    FinanceCalculator f = examplePlan(false);
    prepare(f);
    EXPECT_EQ(f.Compute().message, "") << name;
    EXPECT_EQ(results(f), shown) << name;
    EXPECT_EQ(f.Datum5, end) << name;
    EXPECT_NEAR(static_cast<double>(CleanAmountText(f.Edit21)), capital, 0.005) << name;
    // The loan amount that the subsidy window reads is the loan page's alone.
    EXPECT_EQ(f.FinanceAmount, 0) << name;
}

INSTANTIATE_TEST_SUITE_P(Savings, CapitalTable, ::testing::ValuesIn(kCapitalRows), rownames::ByName());

// Before the start the field keeps its text, and beyond the end too with monthly interest;
// yearly interest shows the final capital beyond the end, and both do at the end.
struct StatusRow {
    const char* name;
    bool yearly;
    QDate date;
    const char* status;
};

const StatusRow kStatusRows[] = {
    {"monthly before the start", false, kStart.addMonths(-2), "vorher"},
    {"yearly before the start", true, kStart.addMonths(-2), "vorher"},
    {"monthly beyond the end", false, kStart.addYears(3), "vorher"},
    {"yearly beyond the end", true, kStart.addYears(3), "1.220,00"},
    {"monthly at the end", false, kStart.addYears(1), "2.395,08"},
    {"yearly at the end", true, kStart.addYears(1), "1.220,00"},
};

using StatusTable = rownames::Table<StatusRow>;

TEST_P(StatusTable, StatusOutsideTheTerm) {
    const auto& [name, yearly, date, status] = GetParam();
    FinanceCalculator f = examplePlan(yearly);
    f.Datum6 = date;
    f.Edit24 = "vorher";
    f.Compute();
    EXPECT_EQ(f.Edit24.trimmed(), status) << yearly << " " << date.toString().toStdString();
    EXPECT_EQ(f.Edit21, yearly ? "1.220,00" : "2.395,08");
}

INSTANTIATE_TEST_SUITE_P(Savings, StatusTable, ::testing::ValuesIn(kStatusRows), rownames::ByName());

TEST(Savings, TheLongestTermPaysOutInTheLastMonthOfTheDateFields) {
    FinanceCalculator f = examplePlan(false);
    f.Edit17 = "1";
    f.Edit19 = "7975";
    f.Edit23 = "11";
    EXPECT_EQ(f.Compute().message, "");
    EXPECT_EQ(f.Datum5, QDate(9999, 12, 1));
}

const QStringList kNoTerm{"Angaben fehlen!", "Edit19"}, kNotANumber{"'x' ist kein gültiger Gleitkommawert", ""};
const QStringList kTooLong{
    "Die Laufzeit ist zu lang. Das Auszahlungsdatum darf nicht nach dem 31.12.9999 liegen: "
    "bitte höchstens 7.974 Jahre und 11 Monate eingeben.",
    "Edit19"};

struct RefusedRow {
    const char* name;
    QString FinanceCalculator::*field;
    const char* text;
    QStringList shown;
};

// A term of 12 · years + months below 1 is missing, also when the months cancel the year out.
const RefusedRow kRefusedRows[] = {
    {"no rate", &FinanceCalculator::Edit17, "", {"Angaben fehlen!", "Edit17"}},
    {"no years", &FinanceCalculator::Edit19, "0", kNoTerm},
    {"negative years", &FinanceCalculator::Edit19, "-1", kNoTerm},
    {"months cancel the year", &FinanceCalculator::Edit23, "-12", kNoTerm},
    {"rate not a number", &FinanceCalculator::Edit17, "x", kNotANumber},
    {"payment not a number", &FinanceCalculator::Edit18, "x", kNotANumber},
    {"years not a number", &FinanceCalculator::Edit19, "x", kNotANumber},
    {"rate too large",
     &FinanceCalculator::Edit17,
     "1E4000",
     {"Die Zahlen sind zu groß für die Berechnung. Bitte kleinere Werte eingeben.", ""}},
    // The payout date must stay within the date fields: from 01.01.2025 up to December 9999.
    {"two billion years", &FinanceCalculator::Edit19, "2000000000", kTooLong},
    {"one month past the date fields", &FinanceCalculator::Edit19, "7975", kTooLong},
};

using RefusedTable = rownames::Table<RefusedRow>;

TEST_P(RefusedTable, RefusedInputsLeaveTheResults) {
    const auto& [name, field, text, shown] = GetParam();
    FinanceCalculator f = examplePlan(false);
    f.Compute();
    const QStringList before = results(f) << f.Datum5.toString();
    FinanceCalculator g = f;
    g.*field = text;
    g.Datum4 = kStart.addYears(1);  // would move the payout date
    EXPECT_EQ(messageAndFocus(g.Compute()), shown) << text;
    EXPECT_EQ(results(g) << g.Datum5.toString(), before) << text;
    if (shown == kNoTerm) {
        EXPECT_EQ(g.InputsValid, 0) << text;
    }  // refused by the input check itself
}

INSTANTIATE_TEST_SUITE_P(Savings, RefusedTable, ::testing::ValuesIn(kRefusedRows), rownames::ByName());

}  // namespace
