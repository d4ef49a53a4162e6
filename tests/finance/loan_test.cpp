#include "financetestutil.h"

#include "finance/amounttext.h"
#include "finance/financedate.h"
#include "support/rownames.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using rownames::operator<<;

QString inDays(int days) { return financedate::format(kStart.addDays(days)); }

// Name, change to the worked example, passes (-1: not checked), and the loan amount, payment, years, months,
// last payment, total, interest and last payment date shown (nullptr: not checked).
struct SearchRow {
    const char* name;
    void (*prepare)(FinanceCalculator&);
    int passes;
    std::array<const char*, 8> expected;
};

const SearchRow kSearchRows[] = {
    {"raises the payment",
     [](FinanceCalculator&) {},
     31,
     {"100.000,00", "1.120,00", "9", "11", "637,22", "132.797,22", "32.797,22", "15.02.2034"}},
    {"lowers the amount",
     [](FinanceCalculator& f) { f = amountAdjustedLoan("1000"); },
     1 + (120000 - 90050) / 50,
     {"90.050,00", "1.000,00", "10", "0", "957,33", nullptr, nullptr, "15.03.2034"}},
    // 1000 + 5 − 2000 = −995, plus its interest −4,975: the loan ends with its first payment.
    {"first payment beyond balance plus interest",
     [](FinanceCalculator& f) {
         f.Edit1 = "1000";
         f.Edit12 = "2000";
     },
     1,
     {nullptr, nullptr, "0", "0", "-999,98", nullptr, nullptr, "15.03.2024"}},
    // A repayment 15 days after the start falls in period 0, which is never paid, so it only
    // lowers the estimate: the search starts at (100000 − 10000) / 120 = 750 and climbs to the
    // same payment as without it.
    {"repayment in period 0",
     [](FinanceCalculator& f) {
         f.Grid2.rows[0] = {inDays(15), "10000"};
     },
     1 + 1 + (1120 - 750) / 10,
     {nullptr, "1.120,00", nullptr, nullptr, nullptr, "132.797,22", nullptr, nullptr}},
    // 16 days is period 1: the balance drops by 10000 after the first payment; 100000 − 10000 / 1,005
    // over 120 months needs an annuity of 999,74, so 1000 is enough.
    {"repayment in period 1",
     [](FinanceCalculator& f) {
         f.Grid2.rows[0] = {inDays(16), "10000"};
     },
     -1,
     {nullptr, "1.000,00", "10", "0", nullptr, nullptr, nullptr, nullptr}},
    // A repayment before the start only shifts the estimates: x = 80000 / 120 = 666,67 → 667 → 660 ...
    {"repayment before start",
     [](FinanceCalculator& f) {
         f.Grid2.rows[0] = {"15.03.23", "20000"};
     },
     1 + 1 + (1120 - 660) / 10,
     {nullptr, "1.120,00", nullptr, nullptr, nullptr, "132.797,22", nullptr, nullptr}},
    // ... and y = 120000 + 20000.
    {"repayment before start, amount adjusted",
     [](FinanceCalculator& f) {
         f = amountAdjustedLoan("1000");
         f.Grid2.rows[0] = {"15.03.2023", "20000"};
     },
     1 + (140000 - 90050) / 50,
     {"90.050,00", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr}},
    // Interest changes count only while "Zinssatz veränderlich" is ticked ...
    {"interest change not ticked",
     [](FinanceCalculator& f) {
         f.Grid3.rows[0] = {inDays(31), "0"};
     },
     -1,
     {nullptr, "1.120,00", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr}},
    // ... and apply from the next period: interest of period 1 only (500), then none, 100500 over 120 payments.
    {"interest change",
     [](FinanceCalculator& f) {
         f.vproz = true;
         f.Grid3.rows[0] = {inDays(31), "0"};
     },
     -1,
     {nullptr, "840,00", nullptr, nullptr, nullptr, "100.500,00", "500,00", nullptr}},
    {"amount with thousands points",
     [](FinanceCalculator& f) {
         f.Radio1 = false;
         f.Edit13 = "1";
         f.Edit1 = "1.234,56";
         f.Edit12 = "200";
     },
     -1,
     {"1.234,56", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr}},
};

using SearchTable = rownames::Table<SearchRow>;

TEST_P(SearchTable, SearchesThePaymentOrTheAmountThatFitsTheTerm) {
    const auto& [name, prepare, passes, expected] = GetParam();
    FinanceCalculator f = exampleLoan();
    prepare(f);
    const QString typedAmount = f.Edit1;
    EXPECT_EQ(f.Compute().message, "") << name;
    if (passes >= 0) {
        EXPECT_EQ(f.LastPasses, passes) << name;
    }
    const QStringList shown{f.Edit1,  f.Edit12, f.Edit3,  f.Edit8,
                            f.Edit15, f.Edit10, f.Edit11, financedate::format(f.Datum2)};
    for (int i = 0; i < 8; ++i)
        if (expected[i]) {
            EXPECT_EQ(shown[i], expected[i]) << name << ", field " << i;
        }
    EXPECT_DOUBLE_EQ(static_cast<double>(f.FinanceAmount), static_cast<double>(CleanAmountText(typedAmount))) << name;
}

INSTANTIATE_TEST_SUITE_P(Loan, SearchTable, ::testing::ValuesIn(kSearchRows), rownames::ByName());

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
    EXPECT_EQ((QStringList{f.Edit6, f.Edit9, f.Edit5, f.Edit4}),
              (QStringList{"7.648,05", "5.791,95", "465,03", "654,97"}));
}

double principalShareAt(int period) {
    FinanceCalculator f = exampleLoan();
    f.setToday(QDate(2024, 1, 10));
    f.Edit1 = "300000";
    f.Edit13 = "30";
    f.BauFi = true;
    f.SubsidyPerYear = 1000;
    f.SubsidyTotal = 8000;
    f.Datum3 = f.Datum1.addDays(static_cast<qint64>(period * 30.45 + 0.5));
    f.Compute();
    EXPECT_EQ(f.StatusCaption,
              QStringLiteral("Status nach %1 Jahr(en) und %2 Monat(en)").arg(period / 12).arg(period % 12));
    // Principal share beyond payment − interest: the subsidy of this period.
    return static_cast<double>(CleanAmountText(f.Edit4) + CleanAmountText(f.Edit5) - CleanAmountText(f.Edit12));
}

// Start in January: f = 13, deductions in periods 1, 14, 26, ..., 86 (eight in all).
struct DeductionRow {
    const char* name;
    int period;
    double subsidy;
};

const DeductionRow kDeductionRows[] = {
    {"period 1", 1, 1000}, {"period 2", 2, 0},      {"period 14", 14, 1000},
    {"period 15", 15, 0},  {"period 86", 86, 1000}, {"period 98", 98, 0},
};

using DeductionTable = rownames::Table<DeductionRow>;

TEST_P(DeductionTable, SubsidyIsDeductedInPeriodOneAndSevenMarchesAfter) {
    const DeductionRow& c = GetParam();
    EXPECT_NEAR(principalShareAt(c.period), c.subsidy, 0.011) << c.period;
}

INSTANTIATE_TEST_SUITE_P(Loan, DeductionTable, ::testing::ValuesIn(kDeductionRows), rownames::ByName());

}  // namespace
