#pragma once
// The 28 built-in operators. Each one's arithmetic lives in one inline kernel that both
// evaluators call, so their results agree to the last bit. A kernel never converts a value
// to an integer without checking the range, and a result that is not finite is a fault.
#include "parser/detail/angleunit.h"
#include "parser/mathparser.h"

#include <cfloat>
#include <cmath>
#include <cstdint>

namespace mathparser {

// In table order, loosest binding first.
// clang-format off
#define KALKULO_BUILTIN_OPS(X) \
    X(Add) X(Sub) X(Mul) X(Div) X(Mod) X(IntDiv) X(Round) X(Abs) X(Min) X(Max) X(Floor) X(Ceil) X(Pow) X(Sqrt) \
    X(Exp) X(Ln) X(Log) X(ArcSin) X(ArcCos) X(ArcTan) X(Sinh) X(Cosh) X(Tanh) X(Sin) X(Cos) X(Tan) X(Deg2Rad) \
    X(Rad2Deg)
// clang-format on

#define KALKULO_ENUM_ENTRY(name) name,
enum class BuiltinOp : std::uint8_t { KALKULO_BUILTIN_OPS(KALKULO_ENUM_ENTRY) Count };
#undef KALKULO_ENUM_ENTRY
constexpr int kBuiltinCount = static_cast<int>(BuiltinOp::Count);

// How an operation ended. Each failure has its code and message (statusCode, statusMessage).
enum class OpStatus : std::uint8_t {
    Ok,
    DivisionByZero,         // 2 "Division durch Null!"
    DivisionByZeroEnglish,  // 2 "Division by zero" (mod)
    DivisionByZeroTan,      // 2 "Division durch Null" (tan)
    InvalidArgument,        // 1 "Invalid Argument"
    SyntaxError,            // 1 "Fehlerhafte Syntax"
    GeneralError,           // 0 "Unbekannter Fehler": arithmetic fault
    OperatorError,          // a user-added operator failed: code and message as it left them
};
int statusCode(OpStatus status);
QString statusMessage(OpStatus status);
QString unknownErrorMessage();

constexpr long double kPiFull = 3.141592653589793238462643383279502884L;
constexpr long double kDegToRad = kPiFull / 180.0L;
constexpr long double kRadToDeg = 180.0L / kPiFull;
// The constant "pi" as the user gets it: the 15-digit decimal, rounded to extended.
constexpr long double kPiRounded = 3.14159265358979L;
constexpr long double kERounded = 2.71828182845905L;
constexpr long double kTanhLimit = 5678.22249441322L;

// v - v is 0 for every finite v and NaN otherwise; cheaper than loading an 80-bit LDBL_MAX.
inline bool isFinite(long double v) { return v - v == 0; }

// Nearest integer, halves to even, as a 64-bit integer; false when out of range (or NaN).
inline bool roundToInt64(long double v, std::int64_t& out) {
    const long double r = std::nearbyint(v);  // the default rounding mode: halves to even
    if (!(r >= -9223372036854775808.0L && r < 9223372036854775808.0L)) return false;
    out = static_cast<std::int64_t>(r);
    return true;
}

inline bool toInt32(long double whole, long double& out) {
    if (!(whole >= -2147483648.0L && whole <= 2147483647.0L)) return false;
    out = static_cast<long double>(static_cast<std::int32_t>(whole));
    return true;
}

// base^n for n != 0 by repeated squaring; squares only while bits remain, and an overflow
// on the way is a fault even where the reciprocal would be finite.
inline OpStatus intPower(long double base, std::int32_t n, long double& r) {
    std::uint32_t e = n < 0 ? 0u - static_cast<std::uint32_t>(n) : static_cast<std::uint32_t>(n);
    long double result = 1;
    long double square = base;
    for (;;) {
        if (e & 1u) result *= square;
        e >>= 1;
        if (e == 0) break;
        square *= square;
    }
    if (!isFinite(result)) return OpStatus::GeneralError;
    r = n < 0 ? 1 / result : result;
    return OpStatus::Ok;
}

// a^b for a whole b, n = b, known not to be 0.
inline OpStatus powerInt(long double a, std::int32_t n, long double& r) {
    if (a == 0 && n > 0) {
        r = 0;
        return OpStatus::Ok;
    }
    if (n == 2) {  // what intPower computes for 2, without the loop
        r = a * a;
        return OpStatus::Ok;
    }
    return intPower(a, n, r);
}

inline OpStatus power(long double a, long double b, long double& r) {
    if (b == 0) {
        r = 1;
        return OpStatus::Ok;
    }
    if (a == 0 && b > 0) {
        r = 0;
        return OpStatus::Ok;
    }
    if (b == std::trunc(b) && std::fabs(b) <= 2147483647.0L) return powerInt(a, static_cast<std::int32_t>(b), r);
    const long double lnA = std::log(a);
    if (!isFinite(lnA)) return OpStatus::GeneralError;
    const long double exponent = b * lnA;
    if (!isFinite(exponent)) return OpStatus::GeneralError;
    r = std::exp(exponent);
    return OpStatus::Ok;
}

inline long double angleIn(long double v) { return activeDegreeMode == 1 ? v * kDegToRad : v; }
inline long double angleOut(long double v) { return activeDegreeMode == 1 ? v * kRadToDeg : v; }

template <BuiltinOp Op>
inline OpStatus compute(long double a, long double b, long double& r) {
    using B = BuiltinOp;
    if constexpr (Op == B::Add) {
        r = a + b;
    } else if constexpr (Op == B::Sub) {
        r = a - b;
    } else if constexpr (Op == B::Mul) {
        r = a * b;
    } else if constexpr (Op == B::Div) {
        if (b == 0) return OpStatus::DivisionByZero;
        r = a / b;
    } else if constexpr (Op == B::Mod || Op == B::IntDiv) {
        if (b == 0) return Op == B::Mod ? OpStatus::DivisionByZeroEnglish : OpStatus::DivisionByZero;
        std::int64_t x = 0;
        std::int64_t y = 0;
        if (!roundToInt64(a, x) || !roundToInt64(b, y) || y == 0) return OpStatus::GeneralError;
        if (y == -1) {  // spares INT64_MIN / -1; the quotient is then out of range
            if (Op == B::IntDiv && x == INT64_MIN) return OpStatus::GeneralError;
            r = Op == B::Mod ? 0 : static_cast<long double>(-x);
        } else {
            r = static_cast<long double>(Op == B::Mod ? x % y : x / y);
        }
    } else if constexpr (Op == B::Round) {
        std::int64_t x = 0;
        if (!roundToInt64(b, x)) return OpStatus::GeneralError;
        r = static_cast<long double>(x);
    } else if constexpr (Op == B::Abs) {
        r = std::fabs(b);
    } else if constexpr (Op == B::Min) {
        r = a < b ? a : b;
    } else if constexpr (Op == B::Max) {
        r = a > b ? a : b;
    } else if constexpr (Op == B::Floor) {
        if (!toInt32(std::floor(b), r)) return OpStatus::GeneralError;
    } else if constexpr (Op == B::Ceil) {
        if (!toInt32(std::ceil(b), r)) return OpStatus::GeneralError;
    } else if constexpr (Op == B::Pow) {
        return power(a, b, r);
    } else if constexpr (Op == B::Sqrt) {
        if (b < 0) return OpStatus::InvalidArgument;
        r = std::sqrt(b);
    } else if constexpr (Op == B::Exp) {
        r = std::exp(a);
    } else if constexpr (Op == B::Ln) {
        if (b <= 0) return OpStatus::InvalidArgument;
        r = std::log(b);
    } else if constexpr (Op == B::Log) {
        if (a == 1) return OpStatus::DivisionByZero;
        if (a <= 0) return OpStatus::InvalidArgument;
        r = std::log(b) / std::log(a);  // b <= 0 ends as a non-finite value: a fault
    } else if constexpr (Op == B::ArcSin || Op == B::ArcCos) {
        if (b < -1 || b > 1) return OpStatus::InvalidArgument;
        r = angleOut(Op == B::ArcSin ? std::asin(b) : std::acos(b));
    } else if constexpr (Op == B::ArcTan) {
        r = angleOut(std::atan(b));
    } else if constexpr (Op == B::Sinh) {
        r = std::sinh(b);
    } else if constexpr (Op == B::Cosh) {
        r = std::cosh(b);
    } else if constexpr (Op == B::Tanh) {
        r = b > kTanhLimit ? 1 : b < -kTanhLimit ? -1 : std::tanh(b);
    } else if constexpr (Op == B::Sin) {
        if (activeDegreeMode != 1 && (b == kPiRounded || b == -kPiRounded)) r = 0;
        else r = std::sin(angleIn(b));
    } else if constexpr (Op == B::Cos) {
        r = std::cos(angleIn(b));
    } else if constexpr (Op == B::Tan) {
        const long double angle = angleIn(b);
        if (std::fabs(std::cos(angle)) < 1e-9L) return OpStatus::DivisionByZeroTan;
        r = std::tan(angle);
    } else if constexpr (Op == B::Deg2Rad) {
        r = b * kDegToRad;
    } else if constexpr (Op == B::Rad2Deg) {
        r = b * kRadToDeg;
    }
    return OpStatus::Ok;
}

// The kernel plus the rule that holds for every operator: no infinite or NaN result.
template <BuiltinOp Op>
inline OpStatus apply(long double a, long double b, long double& r) {
    const OpStatus status = compute<Op>(a, b, r);
    if (status == OpStatus::Ok && !isFinite(r)) return OpStatus::GeneralError;
    return status;
}

struct BuiltinInfo {
    const char16_t* name;
    OperandSet operands;
    OperatorFunc func;
};
const BuiltinInfo& builtinInfo(BuiltinOp op);
// The built-in operation behind an operator function, or -1 for a user-added one.
int builtinOf(OperatorFunc func);

}  // namespace mathparser
