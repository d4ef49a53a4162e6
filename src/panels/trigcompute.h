#pragma once
// The six circular functions, their inverses and the hyperbolic functions as the trigonometry
// panel computes them: exact values at the right angles, refusals with the German messages, and
// the values the plotter draws from. Pure: the panel decides what to do with the outcome.
#include <QString>
#include <optional>

namespace trig {

struct Mode {
    bool rad = false;             // "Rad" selected, else "Grad"
    bool arc = false;             // inverse function
    bool hyp = false;             // hyperbolic (Sin, Cos, Tan only)
    bool plotterVisible = false;  // the plotter cannot draw sinh/cosh beyond 39.7
};

// The plotter's information area after the computation.
enum class View { Unchanged, Function, UnitCircle };

struct Outcome {
    QString message;  // not empty: refused with this message, nothing published
    View view = View::Unchanged;
    long double result = 0;
    QString mark4, mark2;  // marks left of the first and the second field
    std::optional<long double> angle, degrees, sin, cos, tan, cot, hypY, coshY;
};

// button: 1 "Sin" … 6 "Csc"; x: the first operand.
Outcome compute(int button, long double x, const Mode& mode);

}  // namespace trig
