#include "financetestutil.h"

#include <gtest/gtest.h>

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

TEST(Savings, MonthlyInterestOverOneYear) {
    FinanceCalculator f = examplePlan(false);
    EXPECT_TRUE(f.Compute().message.isEmpty());
    // 1000 · 1,01^12 + 100 · (1,01^12 − 1) / 0,01
    EXPECT_EQ(results(f), (QStringList{"2.395,08", "2.200,00", "195,08", "1.000,00"}));  // status today = start
    EXPECT_EQ(f.Datum5, QDate(2025, 1, 1));
    EXPECT_NEAR(static_cast<double>(f.FinanceAmount), 2395.0753314517, 1e-9);
}

TEST(Savings, YearlyInterestOverTwoYearsWithSpecialPayment) {
    FinanceCalculator f = examplePlan(true);
    f.Edit19 = "2";
    f.Grid1.rows[0] = {"01.07.2024", "500"};  // period 6: counted at the end of year 2 (6 < k ≤ 12 is none)
    f.Compute();
    // Year 1: 1000 · 1,12 + 100 = 1220. Year 2: 1220 · 1,12 + 500 + 100 = 1966,40.
    EXPECT_EQ(results(f).mid(0, 3), (QStringList{"1.966,40", "1.700,00", "266,40"}));
}

TEST(Savings, StatusBeyondTheTerm) {
    FinanceCalculator monthly = examplePlan(false), yearly = examplePlan(true);
    for (FinanceCalculator* f : {&monthly, &yearly}) {
        f->Datum6 = kStart.addYears(3);
        f->Edit24 = "vorher";
        f->Compute();
    }
    EXPECT_EQ(monthly.Edit24, "vorher");
    EXPECT_EQ(yearly.Edit24, "1.220,00");
    EXPECT_EQ(yearly.Edit24.trimmed(), yearly.Edit21);

    // Exactly at the end of the term, monthly interest shows the final capital too.
    monthly.Datum6 = kStart.addYears(1);
    monthly.Compute();
    EXPECT_EQ(monthly.Edit24.trimmed(), monthly.Edit21);
}

TEST(Savings, StatusBeforeTheStartLeavesTheField) {
    for (bool yearly : {false, true}) {
        FinanceCalculator f = examplePlan(yearly);
        f.Datum6 = kStart.addMonths(-2);
        f.Edit24 = "vorher";
        f.Compute();
        EXPECT_EQ(f.Edit24, "vorher");
        EXPECT_FALSE(f.Edit21.isEmpty());
    }
}

TEST(Savings, InterestChangesOnlyWhileVariable) {
    FinanceCalculator f = examplePlan(false);
    f.Grid4.rows[0] = {"01.01.2024", "0"};  // period 0: from month 1 on no interest
    f.Compute();
    EXPECT_EQ(f.Edit22, "195,08");
    f.vproz2 = true;
    f.Compute();
    EXPECT_EQ(results(f).mid(0, 3), (QStringList{"2.210,00", "2.200,00", "10,00"}));
}

TEST(Savings, CheckMessagesAndDefaults) {
    FinanceCalculator f = examplePlan(false);
    f.Edit16.clear();
    f.Edit18.clear();
    f.Edit17.clear();
    FinanceOutcome out = f.Compute();
    EXPECT_EQ(out.message, "Angaben fehlen!");
    EXPECT_EQ(out.focus, "Edit17");
    EXPECT_EQ(f.Edit16, "0");
    EXPECT_TRUE(f.Edit18.isEmpty());  // the check ended before it
    for (auto [years, months] : {std::pair{"0", "0"}, std::pair{"-1", "3"}, std::pair{"0", "-2"}}) {
        f.Edit17 = "3";
        f.Edit19 = years;
        f.Edit23 = months;
        out = f.Compute();
        EXPECT_EQ(out.message, "Angaben fehlen!");
        EXPECT_EQ(out.focus, "Edit19");
        EXPECT_EQ(f.InputsValid, 0);
    }
    EXPECT_TRUE(f.Edit21.isEmpty());
    f.Edit19 = "1";
    f.Edit23 = "0";
    EXPECT_TRUE(f.Compute().message.isEmpty());
    EXPECT_EQ(f.Edit18, "0");
    EXPECT_EQ(f.Edit21, "0,00");
}

TEST(Savings, BadTextsAndHugeNumbersLeaveTheResults) {
    FinanceCalculator f = examplePlan(false);
    f.Compute();
    const QStringList before = results(f) << f.Datum5.toString();
    for (QString FinanceCalculator::*field : {&FinanceCalculator::Edit17, &FinanceCalculator::Edit18, &FinanceCalculator::Edit19}) {
        FinanceCalculator g = f;
        g.*field = "x";
        g.Datum4 = kStart.addYears(1);
        EXPECT_EQ(g.Compute().message, "'x' ist kein gültiger Gleitkommawert");
        EXPECT_EQ(results(g) << g.Datum5.toString(), before);
    }
    FinanceCalculator huge = f;
    huge.Edit17 = "1E4000";
    EXPECT_EQ(huge.Compute().message, "Die Zahlen sind zu groß für die Berechnung. Bitte kleinere Werte eingeben.");
    EXPECT_EQ(huge.Edit21, f.Edit21);
    FinanceCalculator tooLong = f;
    tooLong.Edit19 = "2000000000";
    EXPECT_EQ(tooLong.Compute().focus, "Edit19");
}

}  // namespace
