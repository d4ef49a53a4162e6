// The slowest loan searches the financial window accepts; each must stay well under one frame (16 ms).
#include "finance/financecalculator.h"
#include "finance/loanschedule.h"
#include "finance/settingssource.h"

#include <benchmark/benchmark.h>

namespace {

LoanInputs loan(long double amount, long double payment, long double rate, int years, LoanAdjustment adjustment) {
    LoanInputs in;
    in.amount = amount;
    in.payment = payment;
    in.rate = rate;
    in.maxPeriods = 12 * years;
    in.adjustment = adjustment;
    return in;
}

void run(benchmark::State& state, const LoanInputs& in) {
    for (auto _ : state) {
        LoanResult r = computeLoan(in);
        benchmark::DoNotOptimize(r);
    }
    const LoanResult r = computeLoan(in);
    state.counters["passes"] = static_cast<double>(r.passes);
    state.counters["payment"] = static_cast<double>(r.payment);
    state.counters["amount"] = static_cast<double>(r.amount);
}

// "Darl." from a large estimate: y = 480 × 50 000 = 24 000 000, lowered by 50 to about 9 million.
void BM_AmountSearchFromLargeEstimate(benchmark::State& state) {
    run(state, loan(0, 50000, 6, 40, LoanAdjustment::Amount));
}
BENCHMARK(BM_AmountSearchFromLargeEstimate)->Unit(benchmark::kMicrosecond);

// "Rate" with the highest loan amount of the step 100 over 40 years at a high interest rate.
void BM_PaymentSearchHighAmount40Years(benchmark::State& state) {
    run(state, loan(99999999, 0, 15, 40, LoanAdjustment::Payment));
}
BENCHMARK(BM_PaymentSearchHighAmount40Years)->Unit(benchmark::kMicrosecond);

// A payment with cents above the estimate: its steps round when they cross a power of two.
void BM_PaymentSearchWithCents(benchmark::State& state) {
    run(state, loan(999999, 2090.37L, 6, 40, LoanAdjustment::Payment));
}
BENCHMARK(BM_PaymentSearchWithCents)->Unit(benchmark::kMicrosecond);

// "Darl." with a payment with cents: the estimate has cents too.
void BM_AmountSearchWithCents(benchmark::State& state) { run(state, loan(0, 5000.01L, 6, 40, LoanAdjustment::Amount)); }
BENCHMARK(BM_AmountSearchWithCents)->Unit(benchmark::kMicrosecond);

// The engine alone with a rate below −120 % in the list of changes (the window refuses rates of
// −100 % or less): every pass is tried in turn until the period budget.
void BM_PassByPassUpToTheBudget(benchmark::State& state) {
    LoanInputs in = loan(0, 5000.01L, 6, 40, LoanAdjustment::Amount);
    in.interestChanges.push_back({-100, -500});
    run(state, in);
}
BENCHMARK(BM_PassByPassUpToTheBudget)->Unit(benchmark::kMillisecond);

// The lowest rate change the window takes.
void BM_AmountSearchWithLowestAcceptedRate(benchmark::State& state) {
    LoanInputs in = loan(0, 5000.01L, 6, 40, LoanAdjustment::Amount);
    in.interestChanges.push_back({-100, -99.99L});
    run(state, in);
}
BENCHMARK(BM_AmountSearchWithLowestAcceptedRate)->Unit(benchmark::kMillisecond);

// The worked example: 100 000 at 6 % over 10 years, 31 passes.
void BM_PaymentSearchExample(benchmark::State& state) { run(state, loan(100000, 0, 6, 10, LoanAdjustment::Payment)); }
BENCHMARK(BM_PaymentSearchExample)->Unit(benchmark::kMicrosecond);

// A search that cannot end: the balance overflows whatever the payment.
void BM_PaymentSearchWithoutSolution(benchmark::State& state) {
    run(state, loan(100000, 0, 1e4000L, 40, LoanAdjustment::Payment));
}
BENCHMARK(BM_PaymentSearchWithoutSolution)->Unit(benchmark::kMicrosecond);

// The keystroke in the subsidy window's income field that lifts the income above the limit: the subsidy box is
// unticked and the loan page, "Darl." with 1.000 a month over at most 40 years, searches its amount again.
void BM_IncomeKeystrokeDropsTheSubsidyOfA40YearLoan(benchmark::State& state) {
    FinanceCalculator ticked;
    ticked.setToday(QDate(2024, 1, 15));
    ticked.Edit1 = QStringLiteral("200000");
    ticked.Edit2 = QStringLiteral("6");
    ticked.Edit12 = QStringLiteral("1000");
    ticked.Edit13 = QStringLiteral("40");
    ticked.Edit14 = QStringLiteral("0");
    ticked.Radio1 = false;
    ticked.Radio2 = true;
    ticked.BauFi = true;
    ticked.Subsidy.SubsidyOldRules = 1;
    ticked.Subsidy.SubsidyChildren = 2;
    ticked.Subsidy.SubsidyIncomeText = QStringLiteral("20000");
    MemorySettings settings;
    ticked.BauFiClick();
    ticked.Subsidy.Show(ticked, settings);
    for (auto _ : state) {
        state.PauseTiming();
        FinanceCalculator f = ticked;
        f.Subsidy.Edit1 = QStringLiteral("200001");
        state.ResumeTiming();
        FinanceReaction r = f.Subsidy.FieldEdited(f.Subsidy.Edit1, f);
        benchmark::DoNotOptimize(r);
        if (f.BauFi || f.Edit10.isEmpty()) state.SkipWithError("the keystroke did not drop the subsidy and compute");
    }
    state.counters["passes"] = static_cast<double>([&] {
        FinanceCalculator f = ticked;
        f.Subsidy.Edit1 = QStringLiteral("200001");
        f.Subsidy.FieldEdited(f.Subsidy.Edit1, f);
        return f.LastPasses;
    }());
}
BENCHMARK(BM_IncomeKeystrokeDropsTheSubsidyOfA40YearLoan)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
