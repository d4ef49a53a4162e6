#include "trigcompute.h"

#include "core/numtext.h"

#include <cmath>

namespace trig {
namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;
constexpr long double kDegToRad = kPi / 180;
constexpr long double kRadToDeg = 180 / kPi;

const QString kTooLarge = QStringLiteral("Zahl zu hoch, Vorgang abgebrochen!");

// π and π/2 also count in the 15-digit form an operand text holds them in (π typed with the
// π key and read back), so that π "Sin" in "Rad" is 0 and not 1,2E-16.
bool isPi(long double x) {
    static const long double stored = numtext::valValue(numtext::str(kPi));
    return x == kPi || x == stored;
}
bool isHalfPi(long double x) {
    static const long double stored = numtext::valValue(numtext::str(kPi / 2));
    return x == kPi / 2 || x == stored;
}

// Degrees reduced into 0 … 360, so that 360°, 450° and −90° meet the same exact values as
// 0°, 90° and 270°.
long double reduceDegrees(long double degrees) {
    long double d = std::fmod(degrees, 360.0L);
    if (d < 0) d += 360;
    if (d >= 360) d -= 360;
    return d;
}

struct SinCos {
    long double s, c;
};

// Sine and cosine with the exact values at the multiples of a right angle; a zero here is
// what makes a tangent, cotangent, secant or cosecant "unendlich".
SinCos exactSinCos(long double angle, long double degrees) {
    SinCos v{std::sin(angle), std::cos(angle)};
    const long double d = reduceDegrees(degrees);
    if (d == 0 || d == 180) v.s = 0;
    if (d == 90 || d == 270) v.c = 0;
    if (isPi(angle)) v = {0, -1};
    if (isHalfPi(angle)) v = {1, 0};
    return v;
}

long double positiveZero(long double v) { return v == 0 ? 0 : v; }

Outcome refused(const QString& message, View view = View::Unchanged) {
    Outcome o;
    o.message = message;
    o.view = view;
    return o;
}

Outcome forward(int button, long double x, const Mode& m) {
    static const char* const marks[] = {"sin", "cos", "tan", "cot", "sec", "csc"};
    static const char* const infinite[] = {nullptr,
                                           nullptr,
                                           "Tangens für diesen Winkel ist unendlich",
                                           "Kotangens für diesen Winkel ist unendlich",
                                           "Sekans für diesen Winkel ist unendlich",
                                           "Kosekans für diesen Winkel ist unendlich"};
    const long double degrees = m.rad ? x * kRadToDeg : x;
    const long double angle = m.rad ? x : x * kDegToRad;
    const auto [s, c] = exactSinCos(angle, degrees);

    // The denominator of each function; 0 is the infinite case.
    const long double denominator = (button == 3 || button == 5) ? c : (button == 4 || button == 6) ? s : 1;
    if (denominator == 0) return refused(QString::fromUtf8(infinite[button - 1]));

    Outcome o;
    o.angle = angle;
    o.degrees = degrees;
    o.sin = s;
    o.cos = c;
    o.mark4 = m.rad ? QStringLiteral("rad") : QStringLiteral("°");
    o.mark2 = QString::fromLatin1(marks[button - 1]);
    const long double tangent = c == 0 ? 0 : s / c;  // never published infinite
    switch (button) {
    case 1: o.result = s; break;
    case 2: o.result = c; break;
    case 3:
        o.result = s / c;
        o.tan = positiveZero(o.result);
        break;
    case 4:
        o.result = c / s;
        o.tan = tangent;
        o.cot = positiveZero(o.result);
        break;
    case 5:
        o.result = 1 / c;
        o.tan = tangent;
        break;
    case 6:
        o.result = 1 / s;
        o.tan = tangent;
        o.cot = c / s;
        break;
    default: break;
    }
    return o;
}

Outcome inverse(int button, long double x, const Mode& m) {
    static const char* const marks[] = {"sin", "cos", "tan", "cot", "sec", "Csc"};
    if (button <= 2) {
        if (x < -1) return refused(QStringLiteral("Zahl darf nicht kleiner als -1 sein"));
        if (x > 1) return refused(QString::fromUtf8("Zahl darf nicht größer als 1 sein"));
    }
    if (button >= 5 && x > -1 && x < 1)
        return refused(QString::fromUtf8("Zahl muß mindestens 1 oder kleiner als -1 sein"));

    long double angle = 0;
    switch (button) {
    case 1: angle = std::asin(x); break;
    case 2: angle = std::acos(x); break;
    case 3: angle = std::atan(x); break;
    case 4: angle = x != 0 ? std::atan(1 / x) : kPi / 2; break;  // arccot 0 is a right angle
    case 5: angle = std::acos(1 / x); break;
    case 6: angle = std::asin(1 / x); break;
    default: break;
    }
    const long double degrees = angle * kRadToDeg;
    const auto [s, c] = exactSinCos(angle, degrees);
    Outcome o;
    o.result = m.rad ? angle : degrees;
    o.angle = angle;
    o.sin = s;
    o.cos = c;
    o.mark4 = QString::fromLatin1(marks[button - 1]);
    o.mark2 = m.rad ? QStringLiteral("rad") : QStringLiteral("°");
    if (button == 3) o.tan = x;
    if (button == 4 || button == 6) {
        o.tan = c == 0 ? 0 : s / c;
        o.cot = s == 0 ? 0 : c / s;
    }
    return o;
}

Outcome hyperbolic(int button, long double x, const Mode& m) {
    Outcome o;
    if (!m.arc) {
        if (button != 3 && x > 39.7L && m.plotterVisible)
            return refused(QString::fromUtf8("Zahl darf nicht größer sein als 39.7 wenn Graf angezeigt wird!"));
        o.result = button == 1 ? std::sinh(x) : button == 2 ? std::cosh(x) : std::tanh(x);
        if (!std::isfinite(o.result))
            return refused(QString::fromUtf8("Zahl darf nicht größer als 11356 sein!"), View::UnitCircle);
        o.view = View::Function;
        o.angle = x;
        if (button == 2) o.coshY = o.result;
        else o.hypY = o.result;
        o.mark4 = button == 2 ? QStringLiteral("y") : QStringLiteral("x");
        o.mark2 = button == 1 ? QStringLiteral("sinh") : button == 2 ? QStringLiteral("cosh") : QStringLiteral("tanh");
        return o;
    }
    switch (button) {
    case 1:
        o.result = std::asinh(x);
        o.hypY = x;
        break;
    case 2:
        if (x < 1) return refused(QString::fromUtf8("Zahl muß größer oder gleich 1 sein"));
        o.result = std::acosh(x);
        o.coshY = x;
        break;
    default:
        if (x < -1 || x > 1) return refused(QString::fromUtf8("Zahl muß zwischen -1 und 1 liegen"));
        if (x == -1 || x == 1) return refused(QStringLiteral("Zahl zu hoch"), View::UnitCircle);
        o.result = std::atanh(x);
        o.hypY = x;
        break;
    }
    o.angle = o.result;
    o.mark4 = button == 1 ? QStringLiteral("sinh") : button == 2 ? QStringLiteral("cosh") : QStringLiteral("tanh");
    o.mark2 = button == 2 ? QStringLiteral("y") : QStringLiteral("x");
    return o;
}

bool allFinite(const Outcome& o) {
    for (const auto& v : {o.angle, o.degrees, o.sin, o.cos, o.tan, o.cot, o.hypY, o.coshY})
        if (v && !std::isfinite(*v)) return false;
    return std::isfinite(o.result);
}

}  // namespace

Outcome compute(int button, long double x, const Mode& mode) {
    if (button < 1 || button > 6) return refused(kTooLarge);  // the panel never asks for these
    Outcome o;
    if (mode.hyp && button <= 3) o = hyperbolic(button, x, mode);  // Cot, Sec and Csc have no hyperbolic form
    else if (mode.arc) o = inverse(button, x, mode);
    else o = forward(button, x, mode);
    if (!o.message.isEmpty()) return o;
    // An operand beyond the arithmetic (read back as infinite) gets no result at all.
    if (!allFinite(o)) return refused(kTooLarge);
    o.result = positiveZero(o.result);
    return o;
}

}  // namespace trig
