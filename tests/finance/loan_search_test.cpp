#include "financetestutil.h"

#include "finance/loanschedule.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct CheckCase {
    const char* name;
    void (*prepare)(FinanceCalculator&);
    const char* message;
    const char* focus;
};

TEST(LoanCheck, MessagesInOrderWithTheirField) {
    const CheckCase cases[] = {
        {"loan amount", [](FinanceCalculator& f) { f.Edit1.clear(); f.Edit2.clear(); }, "Darlehenssumme eingeben", "Edit1"},
        {"interest", [](FinanceCalculator& f) { f.Edit2.clear(); f.Edit13 = "0"; }, "Zinssatz eingeben", "Edit2"},
        {"term zero", [](FinanceCalculator& f) { f.Edit13.clear(); f.Edit14.clear(); f.Radio1 = false; f.Radio2 = true; f.Edit12.clear(); }, "Laufzeit eingeben", "Edit13"},
        {"term negative", [](FinanceCalculator& f) { f.Edit13 = "-1"; f.Edit14 = "5"; }, "Laufzeit eingeben", "Edit13"},
        {"payment", [](FinanceCalculator& f) { f.Radio1 = false; f.Radio2 = true; f.Edit12.clear(); }, "Monatsrate eingeben", "Edit12"},
    };
    for (const CheckCase& c : cases) {
        FinanceCalculator f = exampleLoan();
        c.prepare(f);
        const FinanceOutcome out = f.Compute();
        EXPECT_EQ(out.message, QString::fromUtf8(c.message)) << c.name;
        EXPECT_EQ(out.focus, QString::fromUtf8(c.focus)) << c.name;
        EXPECT_EQ(f.InputsValid, 0) << c.name;
        EXPECT_TRUE(f.Edit10.isEmpty()) << c.name;
    }
}

TEST(LoanCheck, FillsEmptyFieldsThatHaveADefault) {
    FinanceCalculator f = exampleLoan();
    f.Radio1 = false;
    f.Radio2 = true;
    f.Edit1.clear();
    f.Edit13 = "1";
    f.Edit14.clear();
    f.Edit12 = "100";
    EXPECT_TRUE(f.CheckFinanceInputs().message.isEmpty());
    EXPECT_EQ(f.InputsValid, 1);
    EXPECT_EQ(f.Edit1, "0");
    EXPECT_EQ(f.Edit14, "0");

    FinanceCalculator g = exampleLoan();
    g.Edit12.clear();
    g.CheckFinanceInputs();
    EXPECT_EQ(g.Edit12, "0");
}

TEST(LoanCheck, ConversionMessageLeavesEveryOutput) {
    const std::pair<void (*)(FinanceCalculator&), const char*> cases[] = {
        {[](FinanceCalculator& f) { f.Edit2 = "6%"; }, "'6%' ist kein gültiger Gleitkommawert"},
        {[](FinanceCalculator& f) { f.Edit2 = "6.5"; }, "'6.5' ist kein gültiger Gleitkommawert"},
        {[](FinanceCalculator& f) { f.Edit1 = "abc"; }, "'abc' ist kein gültiger Gleitkommawert"},
        {[](FinanceCalculator& f) { f.Edit13 = "zehn"; }, "'zehn' ist kein gültiger Integerwert"},
        {[](FinanceCalculator& f) { f.Grid2.rows[0] = {"30.02.2025", "100"}; }, "'30.02.2025' ist kein gültiges Datum"},
        {[](FinanceCalculator& f) { f.Grid2.rows[0] = {"01.02.2025", "x"}; }, "'x' ist kein gültiger Gleitkommawert"},
        {[](FinanceCalculator& f) { f.vproz = true; f.Grid3.rows[0] = {"1.2.25", "5.5"}; }, "'5.5' ist kein gültiger Gleitkommawert"},
    };
    for (const auto& [prepare, message] : cases) {
        FinanceCalculator f = exampleLoan();
        f.Compute();
        const QStringList before = loanOutputs(f);
        const long double amount = f.FinanceAmount;
        prepare(f);
        f.Edit12 = "0";
        const FinanceOutcome out = f.Compute();
        EXPECT_EQ(out.message, QString::fromUtf8(message));
        EXPECT_EQ(loanOutputs(f), before) << message;
        EXPECT_EQ(f.FinanceAmount, amount);
    }
}

TEST(LoanSearch, WithoutAdjustmentTheTooLowPaymentIsReported) {
    FinanceCalculator f = exampleLoan();
    f.Compute();
    const QStringList before = loanOutputs(f);
    f.Radio1 = false;
    f.Radio2 = false;
    f.Edit12 = "1.000,00";
    const FinanceOutcome out = f.Compute();
    EXPECT_EQ(out.message, "Rate zu niederig. Eine höhere Zahl eingeben");
    EXPECT_EQ(f.Edit12, "1000");
    EXPECT_EQ(loanOutputs(f), before);
}

TEST(LoanSearch, EndsWithAMessageWhenItCannotProgress) {
    // A payment that covers no loan at all: lowering the amount by 50 reaches 0 first.
    FinanceCalculator f = exampleLoan();
    f.Radio1 = false;
    f.Radio2 = true;
    f.Edit12 = "0,01";
    EXPECT_EQ(f.Compute().message, "Rate zu niederig. Eine höhere Zahl eingeben");
    EXPECT_TRUE(f.Edit10.isEmpty());

    // The same with an estimate that is a whole number, which the fast search handles.
    f.Edit12 = "0";
    f.Grid2.rows[0] = {"01.01.2000", "1000000000"};
    EXPECT_EQ(f.Compute().message, "Rate zu niederig. Eine höhere Zahl eingeben");

    // Interest so high that the balance overflows whatever the payment.
    FinanceCalculator g = exampleLoan();
    g.Edit2 = "1E4000";
    EXPECT_EQ(g.Compute().message,
              "Die Anpassung findet keine Lösung innerhalb der maximalen Laufzeit. Bitte Rate, Zins oder Laufzeit ändern.");
    EXPECT_TRUE(g.Edit10.isEmpty());

    // A negative rate in the list takes the step-by-step search; at 8,3E24 a step of 1000 no
    // longer changes the payment.
    FinanceCalculator h = exampleLoan();
    h.Edit1 = "100000000000000000000000000";
    h.Edit13 = "1";
    h.vproz = true;
    h.Grid3.rows[0] = {"01.01.2000", "-1"};
    EXPECT_EQ(h.Compute().message, g.Compute().message);
    EXPECT_TRUE(h.Edit10.isEmpty());
}

TEST(LoanSearch, StepBoundariesAtOneAndHundredMillion) {
    auto passesFor = [](long double amount) {
        LoanInputs in;
        in.amount = amount;
        in.rate = 6;
        in.maxPeriods = 120;
        in.payment = 0;
        return computeLoan(in);
    };
    // x = A / 120 cut to tens; the step decides how many passes follow.
    const LoanResult below = passesFor(999999);
    const LoanResult at = passesFor(1000000);
    const LoanResult hundred = passesFor(100000000);
    EXPECT_EQ(std::fmod(static_cast<double>(below.payment), 10.0), 0);
    EXPECT_EQ(std::fmod(static_cast<double>(at.payment), 100.0), 8330 % 100 == 0 ? 0 : 30);
    EXPECT_EQ(static_cast<long long>(at.payment), 8330 + 100 * ((at.passes - 2)));
    EXPECT_EQ(static_cast<long long>(hundred.payment), 833330 + 1000 * (hundred.passes - 2));
    EXPECT_GE(static_cast<double>(hundred.payment), 1110205.0);
    EXPECT_LT(static_cast<double>(hundred.payment), 1110205.0 + 1000);
}

// Independent of the engine: balance after j payments R of a loan A at monthly rate i.
double balanceAfter(double A, double i, double R, int j) {
    const double q = std::pow(1 + i, j);
    return A * q - R * (q - 1) / i;
}

TEST(LoanSearch, PaymentMatchesTheClosedFormAnnuity) {
    int checked = 0;
    for (double A : {5000.0, 12345.0, 80000.0, 100000.0, 250000.0, 499999.0, 750000.0, 999990.0}) {
        for (double p : {0.5, 2.75, 6.0, 9.9, 15.0}) {
            for (int N : {12, 60, 120, 217, 360, 480}) {
                const double i = p / 1200;
                const double annuity = A * i / (1 - std::pow(1 + i, -N));
                // The search stops at the first multiple of ten (from the estimate up) whose balance
                // after N − 1 payments is at most one payment: the loan then ends within the term,
                // with a last payment that may exceed the others. That is the multiple of ten at or
                // above the annuity, or for short terms and high payments a few tens below it.
                const double ceiling = std::ceil(annuity / 10) * 10;
                auto endsInTime = [&](double R) { return balanceAfter(A, i, R, N - 1) - R; };
                double expected = ceiling;
                bool tooClose = false;
                for (;;) {
                    const double slack = endsInTime(expected - 10);
                    tooClose = tooClose || std::fabs(slack) < 1e-6 || std::fabs(endsInTime(expected)) < 1e-6;
                    if (slack > 0) break;
                    expected -= 10;
                }
                if (tooClose) continue;
                EXPECT_LE(ceiling - expected, N < 60 ? 100 : 10) << A << " " << p << " " << N;
                LoanInputs in;
                in.amount = A;
                in.rate = p;
                in.maxPeriods = N;
                const LoanResult r = computeLoan(in);
                ASSERT_EQ(r.outcome, LoanOutcome::Done);
                EXPECT_DOUBLE_EQ(static_cast<double>(r.payment), expected) << A << " " << p << " " << N;
                EXPECT_LE(r.periods, N);
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 230);
}

TEST(LoanSearch, FastSearchAgreesWithStepByStepPasses) {
    // A payment with cents takes the step-by-step search; the same loan with a whole-number
    // payment one cent lower takes the fast one. Both must reach the same payment grid.
    for (int N : {24, 120, 360}) {
        LoanInputs in;
        in.amount = 654321;
        in.rate = 7.25;
        in.maxPeriods = N;
        in.payment = 900000.0L / N + 0.37L;  // above the estimate: no jump to x
        const LoanResult slow = computeLoan(in);
        const auto stepsSlow = static_cast<long long>(std::llround(static_cast<double>(slow.payment - in.payment) / 10));
        in.payment = std::floor(static_cast<double>(in.payment));
        const LoanResult fast = computeLoan(in);
        const auto stepsFast = static_cast<long long>(std::llround(static_cast<double>(fast.payment - in.payment) / 10));
        EXPECT_EQ(slow.passes, stepsSlow + 1);
        EXPECT_EQ(fast.passes, stepsFast + 1);
        EXPECT_LE(std::abs(stepsSlow - stepsFast), 1);
    }
}

}  // namespace
