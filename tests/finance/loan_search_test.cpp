#include "financetestutil.h"

#include "finance/loanschedule.h"
#include "support/rownames.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace {

using rownames::operator<<;

const char* const kTooLow = "Rate zu niederig. Eine höhere Zahl eingeben";
const char* const kRate = "Der Zinssatz muss größer als -100 % sein.";

// Name, change to the worked example, message, focus.
struct MessageRow {
    const char* name;
    void (*prepare)(FinanceCalculator&);
    const char* message;
    const char* focus;
};

const MessageRow kMessageRows[] = {
    {"loan amount",
     [](FinanceCalculator& f) {
         f.Edit1.clear();
         f.Edit2.clear();
     },
     "Darlehenssumme eingeben", "Edit1"},
    {"interest",
     [](FinanceCalculator& f) {
         f.Edit2.clear();
         f.Edit13 = "0";
     },
     "Zinssatz eingeben", "Edit2"},
    {"term zero",
     [](FinanceCalculator& f) {
         f = amountAdjustedLoan("");
         f.Edit13.clear();
         f.Edit14.clear();
     },
     "Laufzeit eingeben", "Edit13"},
    {"term negative",
     [](FinanceCalculator& f) {
         f.Edit13 = "-1";
         f.Edit14 = "5";
     },
     "Laufzeit eingeben", "Edit13"},
    {"payment", [](FinanceCalculator& f) { f = amountAdjustedLoan(""); }, "Monatsrate eingeben", "Edit12"},
    // The rest pass the input check and are refused while computing.
    {"rate -100", [](FinanceCalculator& f) { f.Edit2 = "-100"; }, kRate, "Edit2"},
    // The rate is refused in the list of changes too.
    {"changed rate",
     [](FinanceCalculator& f) {
         f.vproz = true;
         f.Grid3.rows[0] = {"01.01.2000", "-100"};
     },
     kRate, ""},
    // A payment that covers no loan at all: lowering the amount by 50 reaches 0 first ...
    {"no loan", [](FinanceCalculator& f) { f = amountAdjustedLoan("0,01"); }, kTooLow, "Edit12"},
    // ... also from a whole-number estimate, which the fast search handles.
    {"no loan, fast",
     [](FinanceCalculator& f) {
         f = amountAdjustedLoan("0");
         f.Grid2.rows[0] = {"01.01.2000", "1000000000"};
     },
     kTooLow, "Edit12"},
    // Interest so high that the balance overflows whatever the payment.
    {"overflow", [](FinanceCalculator& f) { f.Edit2 = "1E4000"; },
     "Die Anpassung findet keine Lösung innerhalb der maximalen Laufzeit. Bitte Rate, Zins oder Laufzeit ändern.", ""},
    // Lowering an amount of 10^82 by 50 changes nothing: the search must still end.
    {"astronomical amount",
     [](FinanceCalculator& f) {
         f = amountAdjustedLoan("1" + QString(43, u'7') + "R" + QString(35, u'7'));
         f.setToday(QDate(2026, 1, 15));
         f.Edit2 = "0";
         f.Edit13 = "771";
         f.Datum3 = f.Datum1.addDays(400);
         f.BauFi = true;
         f.SubsidyPerYear = 1000;
         f.SubsidyTotal = 8000;
     },
     kTooLow, "Edit12"},
};

using MessageTable = rownames::Table<MessageRow>;

TEST_P(MessageTable, MessagesInOrderWithTheirFieldAndNoResult) {
    const auto& [name, prepare, message, focus] = GetParam();
    FinanceCalculator f = exampleLoan();
    prepare(f);
    EXPECT_EQ(messageAndFocus(f.Compute()), (QStringList{QString::fromUtf8(message), focus})) << name;
    EXPECT_TRUE(f.Edit10.isEmpty() && f.Edit3.isEmpty()) << name;
}

INSTANTIATE_TEST_SUITE_P(LoanCheck, MessageTable, ::testing::ValuesIn(kMessageRows), rownames::ByName());

// From 15.03.2024 the last payment can fall in December 9999 at the latest: 7975 years and 9 months.
struct LongTermRow {
    const char *name, *amount, *rate, *years, *months, *message, *payment, *termYears, *termMonths;
};

const LongTermRow kLongTermRows[] = {
    {"a term past the date fields", "100000", "6", "10000", "0",
     "Die Laufzeit ist zu lang. Die letzte Rate darf nicht nach dem 31.12.9999 liegen: bitte höchstens 7.975 Jahre "
     "und 9 Monate eingeben.",
     "", "", ""},
    {"one month too long", "100000", "6", "7975", "10", nullptr, "", "", ""},
    {"the longest term", "100000", "6", "7975", "9", "", "510,00", "65", "9"},
    // Payments up to the interest of 500 000 a month can never end the loan; each such pass stops early.
    {"large loan, longest term", "100000000", "6", "7975", "9", "", "500.040,00", "157", "8"},
    // Almost no interest: the payments near the zone's end each run the whole term, and the search is cut off.
    {"cut off", "1000000000000", "0,0001", "7916", "8",
     "Die Anpassung wurde abgebrochen, weil sie zu lange dauern würde. Bitte eine kürzere maximale Laufzeit eingeben.",
     "", "", ""},
};

using LongTermTable = rownames::Table<LongTermRow>;

TEST_P(LongTermTable, LongTermsComputeUpToTheLastDateAndAreNeverCalledUnsolvable) {
    const LongTermRow& c = GetParam();
    FinanceCalculator f = exampleLoan();
    f.Edit1 = c.amount;
    f.Edit2 = c.rate;
    f.Edit13 = c.years;
    f.Edit14 = c.months;
    const FinanceOutcome out = f.Compute();
    if (c.message) {
        EXPECT_EQ(out.message, QString::fromUtf8(c.message)) << c.name;
    } else {
        EXPECT_TRUE(out.message.startsWith("Die Laufzeit ist zu lang.")) << c.name;
    }
    EXPECT_EQ((QStringList{f.Edit10.isEmpty() ? "" : f.Edit12, f.Edit3, f.Edit8}),
              (QStringList{c.payment, c.termYears, c.termMonths}))
        << c.name;
}

INSTANTIATE_TEST_SUITE_P(LoanCheck, LongTermTable, ::testing::ValuesIn(kLongTermRows), rownames::ByName());

TEST(LoanCheck, FillsEmptyFieldsThatHaveADefault) {
    // The amount has a default only while it is adjusted, the payment only while it is not.
    FinanceCalculator byAmount = amountAdjustedLoan("100"), byPayment = exampleLoan();
    byAmount.Edit1.clear();
    byAmount.Edit13.clear();
    byAmount.Edit14 = "12";
    byPayment.Edit12.clear();
    byPayment.Edit14.clear();
    for (FinanceCalculator* f : {&byAmount, &byPayment}) EXPECT_TRUE(f->CheckFinanceInputs().message.isEmpty());
    EXPECT_EQ((QStringList{byAmount.Edit1, byAmount.Edit13, byPayment.Edit12, byPayment.Edit14}),
              (QStringList{"0", "0", "0", "0"}));
}

struct ConversionRow {
    const char* name;
    void (*prepare)(FinanceCalculator&);
    const char* message;
    const char* payment;
};

const ConversionRow kConversionRows[] = {
    {"rate with a point", [](FinanceCalculator& f) { f.Edit2 = "6.5"; }, "'6.5' ist kein gültiger Gleitkommawert",
     nullptr},
    {"amount of letters", [](FinanceCalculator& f) { f.Edit1 = "abc"; }, "'abc' ist kein gültiger Gleitkommawert",
     nullptr},
    {"term in words", [](FinanceCalculator& f) { f.Edit13 = "zehn"; }, "'zehn' ist kein gültiger Integerwert", nullptr},
    {"repayment date not in the calendar",
     [](FinanceCalculator& f) {
         f.Grid2.rows[0] = {"30.02.2025", "100"};
     },
     "'30.02.2025' ist kein gültiges Datum", nullptr},
    {"repayment of letters",
     [](FinanceCalculator& f) {
         f.Grid2.rows[0] = {"01.02.2025", "x"};
     },
     "'x' ist kein gültiger Gleitkommawert", nullptr},
    {"interest change with a point",
     [](FinanceCalculator& f) {
         f.vproz = true;
         f.Grid3.rows[0] = {"1.2.25", "5.5"};
     },
     "'5.5' ist kein gültiger Gleitkommawert", nullptr},
    // Without adjustment a payment too low for the term is reported, and the payment is
    // written back without its thousands point.
    {"payment too low",
     [](FinanceCalculator& f) {
         f.Radio1 = false;
         f.Edit12 = "1.000,00";
     },
     "Rate zu niederig. Eine höhere Zahl eingeben", "1000"},
};

using ConversionTable = rownames::Table<ConversionRow>;

TEST_P(ConversionTable, ConversionMessagesAndATooLowPaymentLeaveEveryOutput) {
    const auto& [name, prepare, message, payment] = GetParam();
    FinanceCalculator f = exampleLoan();
    f.Compute();
    const QStringList before = loanOutputs(f);
    const long double amount = f.FinanceAmount;
    f.Edit12 = "0";
    prepare(f);
    const FinanceOutcome out = f.Compute();
    EXPECT_EQ(out.message, QString::fromUtf8(message));
    EXPECT_EQ(loanOutputs(f), before) << message;
    EXPECT_EQ(f.FinanceAmount, amount);
    if (payment) {
        EXPECT_EQ(f.Edit12, payment);
    }
}

INSTANTIATE_TEST_SUITE_P(LoanCheck, ConversionTable, ::testing::ValuesIn(kConversionRows), rownames::ByName());

LoanInputs loanInputs(long double amount, long double rate, int maxPeriods, long double payment = 0,
                      LoanAdjustment adjustment = LoanAdjustment::Payment) {
    LoanInputs in;
    in.amount = amount;
    in.payment = payment;
    in.rate = rate;
    in.maxPeriods = maxPeriods;
    in.adjustment = adjustment;
    return in;
}

TEST(LoanSearch, StepIsHundredFromOneMillionAndThousandFromHundredMillion) {
    for (auto [amount, estimate, step] :
         {std::tuple{999999.0L, 8330, 10}, std::tuple{1000000.0L, 8330, 100}, std::tuple{99999999.0L, 833330, 100},
          std::tuple{100000000.0L, 833330, 1000}}) {
        const LoanResult r = computeLoan(loanInputs(amount, 6, 120));
        EXPECT_EQ(static_cast<long long>(r.payment), estimate + step * (r.passes - 2)) << static_cast<double>(amount);
    }
}

TEST(LoanSearch, PaymentMatchesTheClosedFormAnnuity) {
    int checked = 0;
    for (double A : {5000.0, 12345.0, 80000.0, 100000.0, 250000.0, 499999.0, 750000.0, 999990.0})
        for (double p : {0.5, 2.75, 6.0, 9.9, 15.0})
            for (int N : {12, 60, 120, 217, 360, 480}) {
                const double i = p / 1200;
                const double q = std::pow(1 + i, N - 1);
                // The search stops at the first multiple of ten whose balance after N − 1 payments (closed
                // form, independent of the engine) is at most one payment, so the loan ends within the term:
                // the multiple of ten at or above the annuity, or for short terms a few tens below it.
                auto slack = [&](double R) { return A * q - R * (q - 1) / i - R; };
                double expected = std::ceil(A * i / (1 - std::pow(1 + i, -N)) / 10) * 10;
                while (slack(expected - 10) <= 0) expected -= 10;
                if (std::fabs(slack(expected)) < 1e-6 || std::fabs(slack(expected - 10)) < 1e-6)
                    continue;  // too close to call
                const LoanResult r = computeLoan(loanInputs(A, p, N));
                ASSERT_EQ(r.outcome, LoanOutcome::Done);
                EXPECT_DOUBLE_EQ(static_cast<double>(r.payment), expected) << A << " " << p << " " << N;
                EXPECT_LE(r.periods, N);
                ++checked;
            }
    EXPECT_GT(checked, 230);
}

TEST(LoanSearch, SkippingSearchAgreesWithPassByPass) {
    // An interest change that never comes into force (dated before the start) but carries a rate
    // below −120 % makes the engine try every pass in turn; without it the engine skips passes. Both must
    // end on the same value, bit for bit, including payments with cents whose repeated steps round.
    // Refused: an amount that reaches 0, and a payment (8,3E24) that a step of 1000 no longer changes.
    struct Case {
        long double amount, payment, rate;
        int years;
        bool byAmount;
        LoanOutcome outcome = LoanOutcome::Done;
    };
    const Case cases[] = {{100000, 0, 6, 10, false},
                          {100000, 1000.37L, 6, 10, false},
                          {999999, 2090.37L, 6, 40, false},
                          {5000000, 0.01L, 9.5L, 25, false},
                          {0, 1000, 6, 10, true},
                          {0, 1000.01L, 6, 10, true},
                          {0, 333.33L, 4.5L, 30, true},
                          {250000, 12345.67L, 15, 2, false},
                          {0, 0.3L, 1, 1, true, LoanOutcome::PaymentTooLow},
                          {1e26L, 0, 6, 1, false, LoanOutcome::NoProgress}};
    int manyPasses = 0;
    for (const Case& c : cases) {
        const LoanInputs skipping = loanInputs(c.amount, c.rate, 12 * c.years, c.payment,
                                               c.byAmount ? LoanAdjustment::Amount : LoanAdjustment::Payment);
        LoanInputs stepping = skipping;
        stepping.interestChanges.push_back({-100, -500});
        const LoanResult a = computeLoan(skipping);
        const LoanResult b = computeLoan(stepping);
        EXPECT_EQ(a.outcome, c.outcome) << static_cast<double>(c.amount) << " " << static_cast<double>(c.payment);
        // A refused search shows only the payment it reached; a finished one shows everything.
        const auto shown = [](const LoanResult& r) {
            const bool done = r.outcome == LoanOutcome::Done;
            return std::tuple{r.outcome,           r.passes,      r.payment,      r.periods,
                              done ? r.amount : 0, r.lastPayment, r.principalSum, r.interestSum};
        };
        EXPECT_EQ(shown(a), shown(b)) << static_cast<double>(c.amount) << " " << static_cast<double>(c.payment);
        manyPasses += a.passes > 100 ? 1 : 0;
    }
    EXPECT_GE(manyPasses, 4);
}

}  // namespace
