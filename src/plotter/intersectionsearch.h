#pragma once
// The search for the intersections of the two curves of hold mode: a coarse scan over the
// search range whose step grows with the distance of the curves (0,01 below 4, 0,1 below 20,
// 1 above), then fifteen phases of refinement around each candidate. Steps, limits, the kept
// values and the refinement are 80-bit; x advances by adding the step. The coarse scan may
// screen its points in double precision first: a point is evaluated in 80-bit only where the
// double distance could change a decision (near the best or second-best distance, near 4 or
// 20, or where double precision cannot evaluate it), so the result is the same as without.
#include <QString>

class TCompiledFormula;

// What the search tells the window while it refines: intersection 1 or 2, phase 1 … 15.
class SearchProgress {
public:
    virtual ~SearchProgress() = default;
    virtual void refining(int intersection, int phase) {}
};

struct IntersectionResult {
    enum class Kind { Parallel, Found, NoValue };
    Kind kind = Kind::NoValue;
    long double best = 0;        // least distance |y1 - y2| at intersection 1
    long double secondBest = 0;  // the same at intersection 2
    bool secondSet = false;
    long double x1 = 0, y11 = 0, y12 = 0;  // intersection 1 with the values of term 1 and term 2
    long double x2 = 0, y21 = 0, y22 = 0;
    long double parallelDistance = 0;  // the distance at 0 of parallel curves

    bool operator==(const IntersectionResult&) const = default;
};

// The texts of a result: the "SP" box's caption and hint, and the two readouts.
struct IntersectionTexts {
    QString caption, hint, readout1, readout2;
    bool secondShown = false;
};

class IntersectionSearch {
public:
    // Screen the coarse scan in double precision (the result does not change).
    bool Screening = true;

    // term1 and term2 belong to one parser with the constants set. parallelTest: compare the
    // distances at -100, 100 and 0 first (off for logarithms and roots).
    IntersectionResult Run(TCompiledFormula& term1, TCompiledFormula& term2, long double start, long double end,
                           bool parallelTest, SearchProgress* progress = nullptr);

    static IntersectionTexts Texts(const IntersectionResult& result);
};
