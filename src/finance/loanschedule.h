#pragma once
// The loan schedule: monthly interest on the balance, a fixed payment, special repayments,
// interest changes and a yearly subsidy, with the search that raises the payment or lowers the
// loan amount until the loan ends within the maximum term.
#include "finance/financegrid.h"

#include <QtGlobal>
#include <vector>

enum class LoanAdjustment { Payment, Amount, None };

struct LoanInputs {
    long double amount = 0;   // A, loan amount as typed
    long double payment = 0;  // R, monthly payment as typed
    long double rate = 0;     // p, nominal interest in percent per year
    qint64 maxPeriods = 0;    // N, maximum term in months (at least 1)
    int statusPeriod = 0;     // s
    int startMonth = 1;       // month of the start date, 1 .. 12
    std::vector<ScheduleEntry> specialRepayments;
    std::vector<ScheduleEntry> interestChanges;  // empty unless the rate is variable
    bool subsidy = false;
    long double subsidyPerYear = 0;
    long double subsidyTotal = 0;
    LoanAdjustment adjustment = LoanAdjustment::Payment;
};

struct LoanStatus {
    long double principalPart = 0;
    long double interestPart = 0;
    long double principalSum = 0;
    long double interestSum = 0;
};

enum class LoanOutcome {
    Done,
    PaymentTooLow,  // term exceeded and nothing may be adjusted
    NoProgress,     // the adjustment cannot reach the term
    TooLarge,       // the numbers leave the range of the arithmetic
    CutOff,         // the period budget ran out before the search was decided
};

struct LoanResult {
    LoanOutcome outcome = LoanOutcome::Done;
    long double amount = 0;   // A of the final pass
    long double payment = 0;  // R of the final (or last tried) pass
    int periods = 0;          // k: number of payments
    long double lastPayment = 0;
    long double principalSum = 0;
    long double interestSum = 0;
    LoanStatus status;
    qint64 passes = 0;  // passes the step-by-step adjustment makes, counting the first
};

// Upper bound for the periods a single computation may evaluate; beyond it the search reports
// CutOff instead of keeping the window busy. Nothing is known about a solution then.
inline constexpr qint64 kLoanPeriodBudget = 1'000'000;

LoanResult computeLoan(const LoanInputs& in);
