#include "finance/loanschedule.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace {

// State of one pass of the schedule, up to the period that ends the loop.
struct Pass {
    bool exceeded = false;  // N payments left a positive balance
    bool overBudget = false;
    int k = 0;
    long double balance = 0;
    long double interest = 0;  // I of the last period
    long double rate = 0;      // p in force after the last period
    long double principalSum = 0;
    long double interestSum = 0;
    LoanStatus status;
};

class LoanSearch {
public:
    explicit LoanSearch(const LoanInputs& in) : in_(in), f_(14 - in.startMonth) {
        for (const auto* list : {&in.specialRepayments, &in.interestChanges})
            for (const ScheduleEntry& e : *list) lastEvent_ = std::max(lastEvent_, e.period);
    }

    qint64 periodsLeft = kLoanPeriodBudget;

    // One pass from period 1. `nextSubsidy` is the period of the next subsidy deduction; it is
    // carried from pass to pass.
    Pass run(long double A, long double R, qint64& nextSubsidy) {
        Pass r;
        long double p = in_.rate;
        long double B = A;
        long double I = 0;
        long double principal = 0;
        long double interest = 0;
        int k = 0;
        int deductions = 0;
        bool subsidyThisPeriod = false;
        const qint64 N = in_.maxPeriods;
        const long double perYear = in_.subsidyPerYear;
        for (;;) {
            if (--periodsLeft < 0) {
                r.overBudget = true;
                return r;
            }
            const long double before = B;
            I = B * p / 100 / 12;
            B = B + I - R;
            if (B > 0) ++k;
            principal += R - I;
            interest += I;
            if (in_.subsidy) {
                if (k == 1) {
                    B -= perYear;
                    principal += perYear;
                    nextSubsidy = k + f_;
                    ++deductions;
                    subsidyThisPeriod = true;
                }
                if (k == nextSubsidy) {
                    B -= perYear;
                    principal += perYear;
                    // The total subsidy is eight yearly amounts: the deduction of period 1 and
                    // seven more in the following Marches. Counting before re-arming stops after
                    // the seventh yearly one.
                    ++deductions;
                    if (deductions < 8) nextSubsidy = k + 12;
                    subsidyThisPeriod = true;
                }
            }
            for (const ScheduleEntry& e : in_.specialRepayments) {
                if (e.period == k) {
                    B -= e.value;
                    principal += e.value;
                }
            }
            if (k == in_.statusPeriod) {
                r.status.principalSum = principal;
                r.status.principalPart = R - I;
                for (const ScheduleEntry& e : in_.specialRepayments) {
                    if (e.period == k) r.status.principalPart = R - I + e.value;
                }
                if (subsidyThisPeriod) r.status.principalPart += perYear;
                r.status.interestPart = I;
                r.status.interestSum = interest;
            }
            for (const ScheduleEntry& e : in_.interestChanges) {
                if (e.period == k) p = e.value;
            }
            subsidyThisPeriod = false;
            if (k <= N - 1) {
                if (R < B) {
                    if (!settled(before, B, p, k, nextSubsidy)) continue;
                    // The term is exceeded for sure; the remaining periods would only cost time.
                    r.exceeded = true;
                    break;
                }
                break;
            }
            r.exceeded = true;
            break;
        }
        r.k = k;
        r.balance = B;
        r.interest = I;
        r.rate = p;
        r.principalSum = principal;
        r.interestSum = interest;
        return r;
    }

    // The period after the loop: the rest of the balance with its interest is the last payment.
    LoanResult finish(Pass pass, long double A, long double R) const {
        LoanResult res;
        int k = pass.k;
        long double B = pass.balance;
        if (B > 0) ++k;
        const long double I = B * pass.rate / 100 / 12;
        pass.principalSum += B;
        B = B + I;
        pass.interestSum += I;
        if (k == in_.statusPeriod) pass.status = {B, I, pass.principalSum, pass.interestSum};
        res.amount = A;
        res.payment = R;
        res.periods = k;
        res.lastPayment = B;
        res.principalSum = pass.principalSum;
        res.interestSum = pass.interestSum;
        res.status = pass.status;
        const bool finite = std::isfinite(B) && std::isfinite(pass.principalSum) && std::isfinite(pass.interestSum) &&
            std::isfinite(pass.status.principalPart) && std::isfinite(pass.status.interestPart) &&
            std::isfinite(pass.status.principalSum) && std::isfinite(pass.status.interestSum);
        if (!finite) res.outcome = LoanOutcome::TooLarge;
        return res;
    }

    int subsidyOffset() const { return f_; }

private:
    // True when the balance can never fall again: no deduction, repayment or rate change took place in period k or
    // lies ahead, the rate is not negative, and this plain step did not lower a positive balance. With a rate of 0 or
    // more one step maps a larger balance to a larger one, also in rounded arithmetic, so every later balance stays
    // at least this one: above the payment, and the loan runs past any term.
    bool settled(long double before, long double after, long double p, int k, qint64 nextSubsidy) const {
        if (!(after >= before && after > 0 && p >= 0) || k <= lastEvent_) return false;
        return !in_.subsidy || (k > 1 && nextSubsidy < k);
    }

    const LoanInputs& in_;
    int f_;
    int lastEvent_ = std::numeric_limits<int>::min();
};

// A larger payment or a smaller loan amount never makes a pass longer while every period keeps a
// positive share of the balance. Down to a rate of −120 % a year (−10 % a month) that holds for the
// rounded arithmetic too: the interest moves by less than the ulp it could cost.
bool monotone(const LoanInputs& in) {
    constexpr long double lowest = -120;
    if (in.rate < lowest) return false;
    for (const ScheduleEntry& e : in.interestChanges) {
        if (e.value < lowest) return false;
    }
    return true;
}

// Largest m ≥ 0 with m · d ≤ room, for d > 0 and room ≥ 0; the products are exact. Counts of
// 2^60 or more, which no search can step through, come back as 2^60: far beyond, adding one to
// q no longer changes q, and the doubling search below must be able to double its probe.
qint64 fitCount(long double room, long double d) {
    constexpr long double cap = 1152921504606846976.0L;  // 2^60
    long double q = std::floor(room / d);
    if (!(q < cap)) return static_cast<qint64>(cap);
    while (q > 0 && q * d > room) q -= 1;
    while ((q + 1) * d <= room) q += 1;
    return static_cast<qint64>(q);
}

// The value after `n` additions of `d` to `v`, each rounded as a pass-by-pass search rounds it,
// without making n additions: within one binary order of magnitude every addition of a whole
// number is exact, so only the steps that cross into another order (or through zero) round.
long double repeatedSum(long double v, long double d, qint64 n) {
    while (n > 0) {
        if (v + d == v) return v;
        // Mirror so that v ≥ 0; rounding to nearest is symmetric.
        const bool mirrored = v < 0 || (v == 0 && d < 0);
        long double w = mirrored ? -v : v;
        const long double e = mirrored ? -d : d;
        if (e > 0) {
            if (w == 0) {
                w = e;
                --n;
            } else {
                const long double top = std::ldexp(1.0L, std::ilogb(w) + 1);
                const qint64 m = std::min(fitCount(top - w, e), n);
                if (m > 0) {
                    w += static_cast<long double>(m) * e;
                    n -= m;
                } else {
                    w += e;
                    --n;
                }
            }
        } else {
            // Towards zero every result lies on the finer grid of w: exact until the sign changes.
            const qint64 m = std::min(fitCount(w, -e), n);
            w -= static_cast<long double>(m) * -e;
            n -= m;
            if (n > 0) {
                w += e;
                --n;
            }
        }
        v = mirrored ? -w : w;
    }
    return v;
}

LoanResult stopped(LoanOutcome outcome, long double A, long double R, qint64 passes) {
    LoanResult res;
    res.outcome = outcome;
    res.amount = A;
    res.payment = R;
    res.passes = passes;
    return res;
}

}  // namespace

LoanResult computeLoan(const LoanInputs& in) {
    const auto N = static_cast<long double>(in.maxPeriods);
    const long double S = std::accumulate(in.specialRepayments.begin(), in.specialRepayments.end(), 0.0L,
                                          [](long double sum, const ScheduleEntry& e) { return sum + e.value; });
    long double x = std::nearbyint((in.amount - S - in.subsidyTotal) / N);
    x -= std::fmod(x, 10.0L);
    const long double y = N * in.payment + in.subsidyTotal + S;
    const bool byAmount = in.adjustment == LoanAdjustment::Amount;
    const long double A0 = byAmount ? y : in.amount;
    const long double R0 = in.payment;
    // A loan of exactly 1 000 000 takes the step of the middle range, exactly 100 000 000 the upper.
    const long double step = A0 < 1e6L ? 10 : (A0 < 1e8L ? 100 : 1000);
    if (!std::isfinite(x) || !std::isfinite(y)) return stopped(LoanOutcome::TooLarge, A0, R0, 0);

    LoanSearch search(in);
    qint64 nextSubsidy = 0;
    Pass first = search.run(A0, R0, nextSubsidy);
    if (first.overBudget) return stopped(LoanOutcome::CutOff, A0, R0, 1);
    if (!first.exceeded) {
        LoanResult res = search.finish(first, A0, R0);
        res.passes = 1;
        return res;
    }
    if (in.adjustment == LoanAdjustment::None) return stopped(LoanOutcome::PaymentTooLow, A0, R0, 1);

    // The value the adjustment tries in pass j (j = 0 is the first pass): the payment rises to the
    // estimate x and then by `step`, or the loan amount falls from y by 50.
    const long double v1 = byAmount ? y - 50 : (x > R0 ? x : R0 + step);
    const long double delta = byAmount ? -50 : step;
    auto passAt = [&](long double v, qint64& subsidyState) {
        return byAmount ? search.run(v, R0, subsidyState) : search.run(A0, v, subsidyState);
    };
    auto result = [&](const Pass& pass, long double v, qint64 passes) {
        LoanResult res = byAmount ? search.finish(pass, v, R0) : search.finish(pass, A0, v);
        res.passes = passes;
        return res;
    };
    auto noPositiveAmount = [&](long double v) { return byAmount && v <= 0; };

    if (!monotone(in)) {
        // Pass by pass, as the schedule is defined.
        long double v = v1;
        for (qint64 j = 1;; ++j) {
            if (noPositiveAmount(v)) return stopped(LoanOutcome::PaymentTooLow, v + 50, R0, j);
            Pass pass = passAt(v, nextSubsidy);
            if (pass.overBudget) return stopped(LoanOutcome::CutOff, byAmount ? v : A0, byAmount ? R0 : v, j);
            if (!pass.exceeded) return result(pass, v, j + 1);
            const long double next = v + delta;
            if (next == v) return stopped(LoanOutcome::NoProgress, byAmount ? v : A0, byAmount ? R0 : v, j + 1);
            v = next;
        }
    }

    // The first pass that ends within the term can be found by doubling and halving instead of
    // trying every step; the values tried are exactly those of the step-by-step search.
    constexpr long double range = 4611686018427387904.0L;  // 2^62: far beyond any payment that can end a loan
    qint64 jMax = 0;
    if (byAmount) {
        jMax = v1 > 0 ? fitCount(v1, 50) + (std::fmod(v1, 50.0L) == 0 ? 0 : 1) : 0;
    } else {
        jMax = v1 < range ? fitCount(range - std::max(v1, 0.0L), step) + 1 : 1;
    }
    auto value = [&](qint64 j) { return repeatedSum(v1, delta, j - 1); };
    qint64 scratch = search.subsidyOffset() + 1;
    auto fits = [&](qint64 j, bool& overBudget) {
        Pass pass = passAt(value(j), scratch);
        overBudget = pass.overBudget;
        return !pass.exceeded;
    };
    qint64 lo = 0;  // last index known to exceed the term
    qint64 hi = 0;  // first index known to fit, 0 while none is known
    bool overBudget = false;
    for (qint64 probe = 1; lo < jMax; probe *= 2) {
        const qint64 j = std::min(lo + probe, jMax);
        if (fits(j, overBudget)) {
            hi = j;
            break;
        }
        if (overBudget) break;
        lo = j;
    }
    if (overBudget) return stopped(LoanOutcome::CutOff, A0, R0, lo + 1);
    if (hi == 0) {
        if (byAmount) return stopped(LoanOutcome::PaymentTooLow, value(jMax), R0, jMax + 1);
        return stopped(LoanOutcome::NoProgress, A0, value(jMax), jMax + 1);
    }
    while (hi - lo > 1) {
        const qint64 mid = lo + (hi - lo) / 2;
        if (fits(mid, overBudget)) {
            hi = mid;
        } else {
            if (overBudget) return stopped(LoanOutcome::CutOff, A0, R0, lo + 1);
            lo = mid;
        }
    }
    // Every pass before the final one ran past period 1 and armed the subsidy for the March after
    // the start, so the final pass never sees the initial 0.
    qint64 subsidyState = search.subsidyOffset() + 1;
    const Pass final = passAt(value(hi), subsidyState);
    if (final.overBudget) return stopped(LoanOutcome::CutOff, A0, R0, hi + 1);
    return result(final, value(hi), hi + 1);
}
