#include "plotter/intersectionsearch.h"

#include "core/numtext.h"
#include "parser/mathparser.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr long double kUnset = std::numeric_limits<long double>::infinity();

long double stepFor(long double d) { return d < 4 ? 0.01L : d < 20 ? 0.1L : 1.0L; }

bool evaluate(TCompiledFormula& t1, TCompiledFormula& t2, long double x, long double& y1, long double& y2) {
    return t2.TryEvaluate(x, y2) && t1.TryEvaluate(x, y1);
}

// The state of the coarse scan.
struct Scan {
    long double best = kUnset;
    bool fixed = false;  // the first candidate stays where it is
    int counter = 0;     // steps taken beyond the last improvement; never reset
    long double lastBest = 0;
    IntersectionResult r;

    // One point with its 80-bit values.
    void visit(long double x, long double y1, long double y2, long double d) {
        if (d < best && counter > 1) fixed = true;
        if (d < best && !fixed) {
            best = d;
            lastBest = x;
            r.x1 = x;
            r.y11 = y1;
            r.y12 = y2;
        }
        countStep(x);
        if (!fixed) return;
        if (!r.secondSet && r.secondBest < d) r.secondBest = d;
        if (d < r.secondBest) {
            r.secondSet = true;
            r.secondBest = d;
            r.x2 = x;
            r.y21 = y1;
            r.y22 = y2;
        }
    }
    void countStep(long double x) {
        if (lastBest < x && !fixed) ++counter;
    }

    // Whether a double distance could make a decision that differs from the 80-bit one, or
    // would change the state (which then needs the 80-bit values).
    bool needsExact(double dd, double y1, double y2) const {
        const double margin = 1e-9 * (1 + std::fabs(y1) + std::fabs(y2));
        auto near = [&](long double t) {
            return std::fabs(dd - static_cast<double>(t)) <= 1e-6 * std::fabs(t) + margin;
        };
        if (dd < best || near(best) || near(4) || near(20)) return true;
        if (!fixed) return false;
        return dd < r.secondBest || near(r.secondBest) || (!r.secondSet && r.secondBest < dd);
    }
};

// Pure 80-bit coarse scan.
void scanExact(Scan& s, TCompiledFormula& t1, TCompiledFormula& t2, long double start, long double end) {
    for (long double x = start; x <= end;) {
        long double y1 = 0, y2 = 0, step = 0.01L;
        if (evaluate(t1, t2, x, y1, y2)) {
            const long double d = std::fabs(y1 - y2);
            s.visit(x, y1, y2, d);
            step = stepFor(d);
        }
        if (x + step == x) break;  // too far out for the step to move x
        x += step;
    }
}

// The same scan, its points evaluated ahead in double precision on the grid of the current
// step; a point whose step differs ends the batch and the next one starts from there.
void scanScreened(Scan& s, TCompiledFormula& t1, TCompiledFormula& t2, long double start, long double end) {
    constexpr int kMax = 512;
    long double xs[kMax];
    double xd[kMax], y1d[kMax], y2d[kMax];
    bool ok1[kMax], ok2[kMax];
    long double x = start;
    long double guess = 0.01L;
    int size = 8;
    while (x <= end) {
        int n = 0;
        bool stalls = false;
        for (long double g = x; n < size && g <= end; ++n) {
            xs[n] = g;
            xd[n] = static_cast<double>(g);
            const long double next = g + guess;
            if (next == g) {
                stalls = true;
                ++n;
                break;
            }
            g = next;
        }
        t1.EvaluateBatchDouble(xd, y1d, ok1, static_cast<std::size_t>(n));
        t2.EvaluateBatchDouble(xd, y2d, ok2, static_cast<std::size_t>(n));
        int k = 0;
        long double step = guess;
        for (; k < n; ++k) {
            const double dd = std::fabs(y1d[k] - y2d[k]);
            if (!ok1[k] || !ok2[k] || s.needsExact(dd, y1d[k], y2d[k])) {
                long double y1 = 0, y2 = 0;
                step = 0.01L;
                if (evaluate(t1, t2, xs[k], y1, y2)) {
                    const long double d = std::fabs(y1 - y2);
                    s.visit(xs[k], y1, y2, d);
                    step = stepFor(d);
                }
            } else {
                s.countStep(xs[k]);
                step = stepFor(dd);
            }
            if (step != guess) break;
        }
        if (k < n) {  // the step changed at point k: go on from there with the new step
            if (xs[k] + step == xs[k]) return;
            x = xs[k] + step;
            guess = step;
            size = 8;
            continue;
        }
        if (stalls) return;
        x = xs[n - 1] + guess;
        size = std::min(size * 2, kMax);
    }
}

// Fifteen phases, each scanning four steps either side of the best x with a step ten times
// smaller than the one before, never beyond the search range.
void refine(TCompiledFormula& t1, TCompiledFormula& t2, long double& x, long double& best, long double& y1k,
            long double& y2k, long double lo0, long double hi0, const IntersectionResult& r, int which,
            SearchProgress* progress) {
    long double h = 0.1L;
    for (int phase = 1; phase <= 15; ++phase) {
        long double lo = x - 2 * h;
        long double hi = x + 2 * h;
        if (r.secondSet && std::fabs(r.x2 - r.x1) <= 0.2L) {
            // Stop short of the other candidate.
            if (which == 1) hi = x + (r.x2 - r.x1 - 0.01L);
            else lo = x - (r.x2 - r.x1 + 0.01L);
        }
        lo = std::max(lo, lo0);
        hi = std::min(hi, hi0);
        h /= 10;
        for (long double p = lo; p <= hi;) {
            long double y1 = 0, y2 = 0;
            if (evaluate(t1, t2, p, y1, y2)) {
                const long double d = std::fabs(y1 - y2);
                if (d < best) {
                    best = d;
                    x = p;
                    y1k = y1;
                    y2k = y2;
                }
            }
            const long double next = p + h;
            if (next == p) break;
            p = next;
        }
        if (progress) progress->refining(which, phase);
    }
}

void zeroTiny(long double& v, long double limit) {
    if (std::fabs(v) < limit) v = 0;
}

}  // namespace

IntersectionResult IntersectionSearch::Run(TCompiledFormula& term1, TCompiledFormula& term2, long double start,
                                           long double end, bool parallelTest, SearchProgress* progress) {
    if (parallelTest) {
        long double d[3];
        const long double at[3] = {-100, 100, 0};
        long double y1 = 0, y2 = 0;
        bool ok = true;
        for (int i = 0; i < 3 && ok; ++i) {
            ok = evaluate(term1, term2, at[i], y1, y2);
            d[i] = std::fabs(y1 - y2);
        }
        if (ok && std::fabs(d[1] - d[0]) < 1e-12L && std::fabs(d[2] - d[1]) < 1e-11L) {
            IntersectionResult r;
            r.kind = IntersectionResult::Kind::Parallel;
            r.parallelDistance = d[2];
            return r;
        }
    }

    Scan s;
    s.lastBest = start;
    s.r.x1 = start;
    long double y1 = 0, y2 = 0;
    if (evaluate(term1, term2, start, y1, y2)) {
        s.best = std::fabs(y1 - y2);
        s.r.y11 = y1;
        s.r.y12 = y2;
    }
    if (Screening) scanScreened(s, term1, term2, start, end);
    else scanExact(s, term1, term2, start, end);

    IntersectionResult r = s.r;
    if (s.best == kUnset) return r;  // NoValue
    r.kind = IntersectionResult::Kind::Found;
    r.best = s.best;
    zeroTiny(r.best, 1e-15L);
    zeroTiny(r.secondBest, 1e-15L);
    for (long double* v : {&r.x1, &r.x2, &r.y11, &r.y12, &r.y21, &r.y22}) zeroTiny(*v, 1e-16L);
    const IntersectionResult candidates = r;
    if (r.best > 0) refine(term1, term2, r.x1, r.best, r.y11, r.y12, start, end, candidates, 1, progress);
    if (r.secondBest > 0 && r.secondSet)
        refine(term1, term2, r.x2, r.secondBest, r.y21, r.y22, start, end, candidates, 2, progress);
    return r;
}

IntersectionTexts IntersectionSearch::Texts(const IntersectionResult& r) {
    auto f = [](long double v) { return numtext::floatToStr(v); };
    IntersectionTexts t;
    t.caption = QStringLiteral("SP");
    switch (r.kind) {
    case IntersectionResult::Kind::NoValue:
        t.hint = QStringLiteral("Schnittpunkt berechnen");
        t.readout1 = QStringLiteral("Kein Wert im Suchbereich");
        break;
    case IntersectionResult::Kind::Parallel:
        t.caption = QStringLiteral("P");
        t.hint = QString::fromUtf8("Paralell (Differenz zwischen \"y1\" und \"y2\" bei Null wird angezeigt)");
        t.readout1 = QStringLiteral("x = 0,   y2 - y1 = ") + f(r.parallelDistance);
        break;
    case IntersectionResult::Kind::Found: {
        const bool two = r.secondSet;
        if (r.best == 0) {
            t.hint = QStringLiteral("Schnittpunkt");
            t.readout1 = (two ? QStringLiteral("x1 =  ") : QStringLiteral("x =  ")) + f(r.x1) +
                (two ? QStringLiteral(",   y1 = ") : QStringLiteral(",   y = ")) + f(r.y11);
        } else if (r.best <= 1e-9L) {
            t.hint = QStringLiteral("Schnittpunkt (Ca)");
            t.readout1 = two
                ? QStringLiteral("x1 =~  ") + f(r.x1) + QStringLiteral(",   y1 =~ ") + f(r.y11)
                : QStringLiteral("x =~  ") + f(r.x1) + QStringLiteral(",   y =~ ") + f((r.y11 + r.y12) / 2);
        } else {
            t.caption = QStringLiteral("NP");
            t.hint = QString::fromUtf8("\"Nähepunkt\" (kleinste Differenz zwischen \"y\")");
            t.readout1 = QStringLiteral("x = ") + f(r.x1) + QStringLiteral(",   y1 = ") + f(r.y11) +
                QStringLiteral(",  y2 = ") + f(r.y12);
        }
        if (two) {
            t.secondShown = true;
            t.readout2 = (r.secondBest == 0 ? QStringLiteral("x2 =  ") : QStringLiteral("x2 =~  ")) + f(r.x2) +
                (r.secondBest == 0 ? QStringLiteral(",   y2 = ") : QStringLiteral(",   y2 =~ ")) +
                f((r.y21 + r.y22) / 2);
        }
        break;
    }
    }
    if (!t.secondShown) t.readout2 = QStringLiteral("0");
    return t;
}
