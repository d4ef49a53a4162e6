#include "financetestutil.h"

#include "finance/amounttext.h"
#include "finance/financedate.h"

#include <gtest/gtest.h>

namespace {

TEST(Loan, RaisesPaymentUntilTheTermFits) {
    FinanceCalculator f = exampleLoan();
    const FinanceOutcome out = f.Compute();
    EXPECT_TRUE(out.message.isEmpty()) << out.message.toStdString();
    EXPECT_EQ(f.LastPasses, 31);
    // Payment, years, months, last payment, total, interest, loan amount.
    EXPECT_EQ((QStringList{f.Edit12, f.Edit3, f.Edit8, f.Edit15, f.Edit10, f.Edit11, f.Edit1}),
              (QStringList{"1.120,00", "9", "11", "637,22", "132.797,22", "32.797,22", "100.000,00"}));
    EXPECT_EQ(f.Datum2, QDate(2034, 2, 15));
    EXPECT_DOUBLE_EQ(static_cast<double>(f.FinanceAmount), 100000);
}

TEST(Loan, LowersLoanAmountUntilTheTermFits) {
    FinanceCalculator f = exampleLoan();
    f.Radio1 = false;
    f.Radio2 = true;
    f.Edit12 = "1000";
    EXPECT_TRUE(f.Compute().message.isEmpty());
    EXPECT_EQ((QStringList{f.Edit1, f.Edit12, f.Edit3, f.Edit8, f.Edit15}),
              (QStringList{"90.050,00", "1.000,00", "10", "0", "957,33"}));
    EXPECT_EQ(f.LastPasses, 1 + (120000 - 90050) / 50);
    EXPECT_EQ(f.Datum2, financedate::addMonths(kStart, 120));
}

TEST(Loan, RatesOfMinusHundredPercentOrLessAreRefusedAndChangeNothing) {
    FinanceCalculator f = exampleLoan();
    f.Edit2 = "-100";
    const FinanceOutcome out = f.Compute();
    EXPECT_EQ(out.message, "Der Zinssatz muss größer als -100 % sein.");
    EXPECT_EQ(out.focus, "Edit2");
    EXPECT_TRUE(f.Edit3.isEmpty());
}

TEST(Loan, FirstPaymentBeyondBalancePlusInterestEndsAtOnce) {
    FinanceCalculator f = exampleLoan();
    f.Edit1 = "1000";
    f.Edit12 = "2000";
    EXPECT_TRUE(f.Compute().message.isEmpty());
    EXPECT_EQ(f.Datum2, f.Datum1);
    // 1000 + 5 − 2000 = −995, plus its interest −4,975.
    EXPECT_EQ((QStringList{f.Edit3, f.Edit8, f.Edit15}), (QStringList{"0", "0", "-999,98"}));
    EXPECT_EQ(f.LastPasses, 1);
}

TEST(Loan, StatusAtStartIsZeroAndLaterStatusSplitsThePayments) {
    FinanceCalculator f = exampleLoan();
    f.Compute();
    for (const QString* text : {&f.Edit4, &f.Edit5, &f.Edit6, &f.Edit9}) EXPECT_EQ(*text, "  0,00");
    EXPECT_EQ(f.StatusCaption, "Status nach 0 Jahr(en) und 0 Monat(en)");

    f.Datum3 = kStart.addDays(365);  // period 12
    f.Edit12 = "0";
    f.Compute();
    EXPECT_EQ(f.StatusCaption, "Status nach 1 Jahr(en) und 0 Monat(en)");
    // Closed form: balance after 12 payments of 1120 is 100000·q − 1120·(q − 1)/i with q = 1,005^12.
    EXPECT_EQ((QStringList{f.Edit6, f.Edit9, f.Edit5, f.Edit4}), (QStringList{"7.648,05", "5.791,95", "465,03", "654,97"}));
}

TEST(Loan, GridDateFifteenDaysAfterStartIsPeriodZeroSixteenIsPeriodOne) {
    // Period 0 is never paid, so the repayment only lowers the estimate: the search starts at
    // (100000 − 10000) / 120 = 750 and climbs to the same payment as without it.
    FinanceCalculator f = exampleLoan();
    f.Grid2.rows[0] = {financedate::format(kStart.addDays(15)), "10000"};
    f.Compute();
    EXPECT_EQ(f.Edit12, "1.120,00");
    EXPECT_EQ(f.LastPasses, 1 + 1 + (1120 - 750) / 10);
    EXPECT_EQ(f.Edit10, "132.797,22");

    // Period 1: the balance drops by 10000 after the first payment; 100000 − 10000 / 1,005 over
    // 120 months needs an annuity of 999,74, so 1000 is enough.
    f = exampleLoan();
    f.Grid2.rows[0] = {financedate::format(kStart.addDays(16)), "10000"};
    f.Compute();
    EXPECT_EQ((QStringList{f.Edit12, f.Edit3, f.Edit8}), (QStringList{"1.000,00", "10", "0"}));
}

TEST(Loan, RepaymentBeforeStartOnlyShiftsTheEstimates) {
    FinanceCalculator f = exampleLoan();
    f.Grid2.rows[0] = {"15.03.23", "20000"};
    f.Compute();
    EXPECT_EQ(f.Edit12, "1.120,00");
    EXPECT_EQ(f.LastPasses, 1 + 1 + (1120 - 660) / 10);  // x = 80000 / 120 = 666,67 → 667 → 660
    EXPECT_EQ(f.Edit10, "132.797,22");

    f = exampleLoan();
    f.Grid2.rows[0] = {"15.03.2023", "20000"};
    f.Radio1 = false;
    f.Radio2 = true;
    f.Edit12 = "1000";
    f.Compute();
    EXPECT_EQ(f.Edit1, "90.050,00");
    EXPECT_EQ(f.LastPasses, 1 + (140000 - 90050) / 50);  // y = 120000 + 20000
}

TEST(Loan, IncompleteGridRowCutsOffTheRowsBelow) {
    FinanceCalculator one = exampleLoan();
    one.Grid2.rows[0] = {financedate::format(kStart.addMonths(12)), "5000"};
    FinanceCalculator gap = one, both = one;
    one.Compute();
    gap.Grid2.rows[1] = {financedate::format(kStart.addMonths(24)), ""};
    gap.Grid2.rows[2] = {financedate::format(kStart.addMonths(36)), "5000"};
    EXPECT_TRUE(gap.Compute().message.isEmpty());
    EXPECT_EQ(loanOutputs(gap), loanOutputs(one));

    both.Grid2.rows[1] = gap.Grid2.rows[2];
    both.Compute();
    EXPECT_NE(both.Edit10, one.Edit10);
}

TEST(Loan, AmountTextsWithThousandsPoints) {
    FinanceCalculator f = exampleLoan();
    f.Radio1 = false;
    f.Radio2 = false;
    f.Edit13 = "1";
    f.Edit1 = "1.234,56";
    f.Edit12 = "200";
    f.Compute();
    EXPECT_EQ(f.Edit1, "1.234,56");
    EXPECT_DOUBLE_EQ(static_cast<double>(f.FinanceAmount), 1234.56);
    f.Edit1 = "1,234.56";
    f.Compute();
    EXPECT_EQ(f.Edit1, "  1,23");
    EXPECT_EQ(f.Edit3, "0");
}

TEST(Loan, InterestChangesApplyFromTheNextPeriod) {
    FinanceCalculator f = exampleLoan();
    f.Grid3.rows[0] = {financedate::format(kStart.addMonths(1)), "0"};
    f.Compute();
    EXPECT_EQ(f.Edit12, "1.120,00");  // the list counts only while "Zinssatz veränderlich" is ticked

    f.vproz = true;
    f.Edit12 = "0";
    f.Compute();
    // Interest of period 1 only (500), then none: 100500 over 120 payments.
    EXPECT_EQ((QStringList{f.Edit11, f.Edit10, f.Edit12}), (QStringList{"500,00", "100.500,00", "840,00"}));
}

TEST(Loan, SubsidyIsDeductedInPeriodOneAndSevenMarchesAfter) {
    // Start in January: f = 13, deductions in periods 1, 14, 26, ..., 86 (eight in all).
    auto principalPartAt = [](int period) {
        FinanceCalculator f = exampleLoan();
        f.setToday(QDate(2024, 1, 10));
        f.Edit1 = "300000";
        f.Edit13 = "30";
        f.BauFi = true;
        f.SubsidyPerYear = 1000;
        f.SubsidyTotal = 8000;
        f.Datum3 = f.Datum1.addDays(static_cast<qint64>(period * 30.45 + 0.5));
        f.Compute();
        EXPECT_EQ(f.StatusCaption, QStringLiteral("Status nach %1 Jahr(en) und %2 Monat(en)").arg(period / 12).arg(period % 12));
        // Principal part beyond payment − interest: the subsidy of this period.
        return static_cast<double>(CleanAmountText(f.Edit4) + CleanAmountText(f.Edit5) - CleanAmountText(f.Edit12));
    };
    for (auto [period, subsidy] : std::initializer_list<std::pair<int, double>>{{1, 1000}, {2, 0}, {14, 1000}, {15, 0}, {86, 1000}, {98, 0}})
        EXPECT_NEAR(principalPartAt(period), subsidy, 0.011) << period;
}

}  // namespace
