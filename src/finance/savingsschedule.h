#pragma once
// The savings plan: a starting capital, a regular payment and interest per month (rate / 12) or
// per year, with special payments and interest changes, over a fixed term.
#include "finance/financegrid.h"

#include <optional>
#include <vector>

struct SavingsInputs {
    long double capital = 0;  // K at the start
    long double payment = 0;  // R per month, or per year with yearly interest
    long double rate = 0;     // p in percent per year
    int term = 1;             // T in months, at least 1
    int statusPeriod = 0;     // s
    bool yearly = false;
    std::vector<ScheduleEntry> specialPayments;
    std::vector<ScheduleEntry> interestChanges;  // empty unless the rate is variable
};

struct SavingsResult {
    bool finite = true;  // false when the numbers left the range of the arithmetic
    long double capital = 0;
    long double interestSum = 0;
    long double paidIn = 0;
    std::optional<long double> statusCapital;  // absent when the status period is never met
};

SavingsResult computeSavings(const SavingsInputs& in);
