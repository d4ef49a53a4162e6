#include "finance/savingsschedule.h"

#include <cmath>

namespace {

SavingsResult monthly(const SavingsInputs& in) {
    SavingsResult r;
    long double K = in.capital;
    long double p = in.rate;
    long double paid = K;
    long double interest = 0;
    int k = 0;
    do {
        if (in.statusPeriod == k) r.statusCapital = K;  // capital at the start of month k
        paid += in.payment;
        const long double I = K * p / 100 / 12;
        interest += I;
        // This month's payment earns interest from next month on.
        K = K + in.payment + I;
        for (const ScheduleEntry& e : in.specialPayments) {
            if (e.period == k) {
                K += e.value;
                paid += e.value;
            }
        }
        for (const ScheduleEntry& e : in.interestChanges) {
            if (e.period == k) p = e.value;
        }
        if (in.statusPeriod == in.term) r.statusCapital = K;
        ++k;
    } while (k != in.term);
    r.capital = K;
    r.interestSum = interest;
    r.paidIn = paid;
    return r;
}

SavingsResult yearly(const SavingsInputs& in) {
    SavingsResult r;
    long double K = in.capital;
    long double p = in.rate;
    long double paid = K;
    long double interest = 0;
    for (int k = 0; k < in.term; k += 12) {
        if (in.statusPeriod >= k) r.statusCapital = K;
        const long double I = K * p / 100;
        interest += I;
        K = K + I;
        for (const ScheduleEntry& e : in.interestChanges) {
            if (e.period <= k) p = e.value;
        }
        for (const ScheduleEntry& e : in.specialPayments) {
            if (e.period > k - 12 && e.period <= k) {
                K += e.value;
                paid += e.value;
            }
        }
        K = K + in.payment;
        paid += in.payment;
        if (in.statusPeriod >= in.term) r.statusCapital = K;
    }
    r.capital = K;
    r.interestSum = interest;
    r.paidIn = paid;
    return r;
}

}  // namespace

SavingsResult computeSavings(const SavingsInputs& in) {
    SavingsResult r = in.yearly ? yearly(in) : monthly(in);
    r.finite = std::isfinite(r.capital) && std::isfinite(r.interestSum) && std::isfinite(r.paidIn) &&
        (!r.statusCapital || std::isfinite(*r.statusCapital));
    return r;
}
