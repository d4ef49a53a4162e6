#include "financetestutil.h"

#include "finance/amounttext.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

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

TEST(Savings, ComputesTheFinalCapital) {
    const std::tuple<const char*, void (*)(FinanceCalculator&), QStringList, QDate, double> cases[] = {
        // 1000 · 1,01^12 + 100 · (1,01^12 − 1) / 0,01; the status date, today, is the start.
        {"monthly", [](FinanceCalculator&) {}, {"2.395,08", "2.200,00", "195,08", "1.000,00"}, {2025, 1, 1}, 2395.0753314517},
        // Year 1: 1000 · 1,12 + 100 = 1220. Year 2: 1220 · 1,12 + 500 + 100 = 1966,40: the special
        // payment of period 6 is counted at the end of year 2 (6 < k ≤ 12 is none).
        {"yearly", [](FinanceCalculator& f) { f = examplePlan(true); f.Edit19 = "2"; f.Grid1.rows[0] = {"01.07.2024", "500"}; },
         {"1.966,40", "1.700,00", "266,40", "1.000,00"}, {2026, 1, 1}, 1966.4},
        // Interest changes count only while "variable" is ticked; from period 0 on: no interest from month 1 on.
        {"changes unticked", [](FinanceCalculator& f) { f.Grid4.rows[0] = {"01.01.2024", "0"}; },
         {"2.395,08", "2.200,00", "195,08", "1.000,00"}, {2025, 1, 1}, 2395.0753314517},
        {"changes ticked", [](FinanceCalculator& f) { f.vproz2 = true; f.Grid4.rows[0] = {"01.01.2024", "0"}; },
         {"2.210,00", "2.200,00", "10,00", "1.000,00"}, {2025, 1, 1}, 2210},
        {"empty amounts count as 0", [](FinanceCalculator& f) { f.Edit16.clear(); f.Edit18.clear(); },
         {"0,00", "0,00", "0,00", "  0,00"}, {2025, 1, 1}, 0},
    };
    for (const auto& [name, prepare, shown, end, capital] : cases) {
        FinanceCalculator f = examplePlan(false);
        prepare(f);
        EXPECT_EQ(f.Compute().message, "") << name;
        EXPECT_EQ(results(f), shown) << name;
        EXPECT_EQ(f.Datum5, end) << name;
        EXPECT_NEAR(static_cast<double>(CleanAmountText(f.Edit21)), capital, 0.005) << name;
        // The loan amount that the subsidy window reads is the loan page's alone.
        EXPECT_EQ(f.FinanceAmount, 0) << name;
    }
}

TEST(Savings, StatusOutsideTheTerm) {
    // Before the start the field keeps its text, and beyond the end too with monthly interest;
    // yearly interest shows the final capital beyond the end, and both do at the end.
    const std::tuple<bool, QDate, const char*> cases[] = {
        {false, kStart.addMonths(-2), "vorher"}, {true, kStart.addMonths(-2), "vorher"},
        {false, kStart.addYears(3), "vorher"},   {true, kStart.addYears(3), "1.220,00"},
        {false, kStart.addYears(1), "2.395,08"}, {true, kStart.addYears(1), "1.220,00"}};
    for (const auto& [yearly, date, status] : cases) {
        FinanceCalculator f = examplePlan(yearly);
        f.Datum6 = date;
        f.Edit24 = "vorher";
        f.Compute();
        EXPECT_EQ(f.Edit24.trimmed(), status) << yearly << " " << date.toString().toStdString();
        EXPECT_EQ(f.Edit21, yearly ? "1.220,00" : "2.395,08");
    }
}

TEST(Savings, TheLongestTermPaysOutInTheLastMonthOfTheDateFields) {
    FinanceCalculator f = examplePlan(false);
    f.Edit17 = "1";
    f.Edit19 = "7975";
    f.Edit23 = "11";
    EXPECT_EQ(f.Compute().message, "");
    EXPECT_EQ(f.Datum5, QDate(9999, 12, 1));
}

TEST(Savings, RefusedInputsLeaveTheResults) {
    FinanceCalculator f = examplePlan(false);
    f.Compute();
    const QStringList before = results(f) << f.Datum5.toString();
    const QStringList noTerm{"Angaben fehlen!", "Edit19"}, notANumber{"'x' ist kein gültiger Gleitkommawert", ""};
    const QStringList tooLong{"Die Laufzeit ist zu lang. Das Auszahlungsdatum darf nicht nach dem 31.12.9999 liegen: "
                              "bitte höchstens 7.974 Jahre und 11 Monate eingeben.", "Edit19"};
    // A term of 12 · years + months below 1 is missing, also when the months cancel the year out.
    const std::tuple<QString FinanceCalculator::*, const char*, QStringList> cases[] = {
        {&FinanceCalculator::Edit17, "", {"Angaben fehlen!", "Edit17"}}, {&FinanceCalculator::Edit19, "0", noTerm},
        {&FinanceCalculator::Edit19, "-1", noTerm},   {&FinanceCalculator::Edit23, "-12", noTerm},
        {&FinanceCalculator::Edit17, "x", notANumber}, {&FinanceCalculator::Edit18, "x", notANumber},
        {&FinanceCalculator::Edit19, "x", notANumber},
        {&FinanceCalculator::Edit17, "1E4000", {"Die Zahlen sind zu groß für die Berechnung. Bitte kleinere Werte eingeben.", ""}},
        // The payout date must stay within the date fields: from 01.01.2025 up to December 9999.
        {&FinanceCalculator::Edit19, "2000000000", tooLong}, {&FinanceCalculator::Edit19, "7975", tooLong}};
    for (const auto& [field, text, shown] : cases) {
        FinanceCalculator g = f;
        g.*field = text;
        g.Datum4 = kStart.addYears(1);  // would move the payout date
        EXPECT_EQ(messageAndFocus(g.Compute()), shown) << text;
        EXPECT_EQ(results(g) << g.Datum5.toString(), before) << text;
        if (shown == noTerm) { EXPECT_EQ(g.InputsValid, 0) << text; }  // refused by the input check itself
    }
}

}  // namespace
