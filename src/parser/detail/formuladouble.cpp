// The compiled formula in double precision, column by column: each instruction runs over a
// block of values before the next one starts, in loops simple enough for the compiler to
// vectorise. Used to screen many points; whatever double precision cannot decide for sure is
// flagged, and the caller evaluates it again in 80-bit.
#include "parser/detail/formulaprogram.h"

#include <algorithm>
#include <cmath>

namespace mathparser {

namespace {

constexpr std::size_t kLanes = 128;
// How near an edge of an operator's domain a double value may come before the 80-bit value
// could lie on the other side. Generous: such points are rare and only cost an 80-bit call.
constexpr double kEdge = 1e-9;
constexpr double kTiny = 1e-12;
// Beyond this the rounding of a large angle to double shifts its sine noticeably.
constexpr double kAngleLimit = 1e5;

// Code elsewhere in the process (string and hash routines built for AVX) may leave the upper
// halves of the vector registers in use; every SSE instruction then pays for merging them, and
// a libm sine costs twenty times what it should. Clearing them once per batch avoids that.
inline void clearUpperRegisters() {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx) asm volatile("vzeroupper" ::: "memory");
#endif
}

inline bool finiteD(double v) { return v - v == 0; }

// Within kEdge (relative) of a whole number, or too large for the test to mean anything.
inline bool nearWhole(double v) {
    const double f = std::fabs(v);
    if (!(f < 4e15)) return true;
    return std::fabs(v - std::nearbyint(v)) <= kEdge * (1 + f);
}

inline bool nearHalf(double v) { return nearWhole(v - 0.5); }

inline double angleInD(double v) { return activeDegreeMode == 1 ? v * static_cast<double>(kDegToRad) : v; }
inline double angleOutD(double v) { return activeDegreeMode == 1 ? v * static_cast<double>(kRadToDeg) : v; }

inline bool intPowerD(double base, std::int32_t n, double& r) {
    std::uint32_t e = n < 0 ? 0u - static_cast<std::uint32_t>(n) : static_cast<std::uint32_t>(n);
    double result = 1;
    double square = base;
    for (;;) {
        if (e & 1u) result *= square;
        e >>= 1;
        if (e == 0) break;
        square *= square;
    }
    if (!finiteD(result)) return false;
    if (n < 0 && std::fabs(result) < kTiny) return false;
    r = n < 0 ? 1 / result : result;
    return true;
}

inline bool powerIntD(double a, std::int32_t n, double& r) {
    if (a == 0 && n > 0) {
        r = 0;
        return true;
    }
    if (n == 2) {
        r = a * a;
        return true;
    }
    return intPowerD(a, n, r);
}

// False: fails, or too near a domain edge to tell.
template <BuiltinOp Op>
inline bool computeD(double a, double b, double& r) {
    using B = BuiltinOp;
    if constexpr (Op == B::Add) {
        r = a + b;
    } else if constexpr (Op == B::Sub) {
        r = a - b;
    } else if constexpr (Op == B::Mul) {
        r = a * b;
    } else if constexpr (Op == B::Div) {
        r = a / b;
        return std::fabs(b) > kTiny;
    } else if constexpr (Op == B::Mod || Op == B::IntDiv) {
        if (nearHalf(a) || nearHalf(b)) return false;
        const auto x = static_cast<std::int64_t>(std::nearbyint(a));
        const auto y = static_cast<std::int64_t>(std::nearbyint(b));
        if (y == 0 || y == -1) return false;
        r = static_cast<double>(Op == B::Mod ? x % y : x / y);
    } else if constexpr (Op == B::Round) {
        if (nearHalf(b)) return false;
        r = std::nearbyint(b);
    } else if constexpr (Op == B::Abs) {
        r = std::fabs(b);
    } else if constexpr (Op == B::Min) {
        r = a < b ? a : b;
    } else if constexpr (Op == B::Max) {
        r = a > b ? a : b;
    } else if constexpr (Op == B::Floor || Op == B::Ceil) {
        if (nearWhole(b) || std::fabs(b) > 2e9) return false;
        r = Op == B::Floor ? std::floor(b) : std::ceil(b);
    } else if constexpr (Op == B::Pow) {
        if (b == 0) {
            r = 1;
            return true;
        }
        if (std::fabs(a) < kTiny) return false;
        if (b == std::trunc(b) && std::fabs(b) <= 2147483647.0) {
            if (a < 0) return false;  // the 80-bit exponent may not be whole
            return powerIntD(a, static_cast<std::int32_t>(b), r);
        }
        if (a < 0) return false;
        r = std::exp(b * std::log(a));
    } else if constexpr (Op == B::Sqrt) {
        if (!(b >= kTiny)) return false;
        r = std::sqrt(b);
    } else if constexpr (Op == B::Exp) {
        r = std::exp(a);
    } else if constexpr (Op == B::Ln) {
        if (!(b >= kTiny)) return false;
        r = std::log(b);
    } else if constexpr (Op == B::Log) {
        if (!(a >= kTiny) || !(b >= kTiny) || std::fabs(a - 1) <= kEdge) return false;
        r = std::log(b) / std::log(a);
    } else if constexpr (Op == B::ArcSin || Op == B::ArcCos) {
        if (!(std::fabs(b) < 1 - kEdge)) return false;
        r = angleOutD(Op == B::ArcSin ? std::asin(b) : std::acos(b));
    } else if constexpr (Op == B::ArcTan) {
        r = angleOutD(std::atan(b));
    } else if constexpr (Op == B::Sinh) {
        r = std::sinh(b);
    } else if constexpr (Op == B::Cosh) {
        r = std::cosh(b);
    } else if constexpr (Op == B::Tanh) {
        r = std::tanh(b);
    } else if constexpr (Op == B::Sin) {
        r = std::sin(angleInD(b));
        return std::fabs(b) < kAngleLimit;
    } else if constexpr (Op == B::Cos) {
        r = std::cos(angleInD(b));
        return std::fabs(b) < kAngleLimit;
    } else if constexpr (Op == B::Tan) {
        const double angle = angleInD(b);
        if (!(std::fabs(b) < kAngleLimit)) return false;
        const double c = std::cos(angle);
        if (std::fabs(c) < 1e-9 * (1 + kEdge) + 1e-15) return false;
        r = std::sin(angle) / c;
    } else if constexpr (Op == B::Deg2Rad) {
        r = b * static_cast<double>(kDegToRad);
    } else if constexpr (Op == B::Rad2Deg) {
        r = b * static_cast<double>(kRadToDeg);
    }
    return true;
}

template <BuiltinOp Op>
void columnD(const double* a, const double* b, double* r, bool* bad, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        const bool good = computeD<Op>(a[i], b[i], r[i]);
        bad[i] |= !good | !finiteD(r[i]);
    }
}

}  // namespace

void Program::runBatchDouble(const TMathParser& parser, std::uint32_t xConstant, const double* xs, double* ys, bool* ok,
                             std::size_t n) {
    clearUpperRegisters();
    const std::vector<TConstant>& table = parser.Constants();
    for (const ConstantSlot& c : constants) cells[c.slot] = table[c.constant].Value;
    const std::size_t slotCount = cells.size();
    std::uint32_t xSlot = UINT32_MAX;
    for (const ConstantSlot& c : constants)
        if (c.constant == xConstant) xSlot = c.slot;
    std::vector<bool> written(slotCount, false);
    bool failsAlways = false;
    for (const Instruction& in : code) {
        written[in.dst] = true;
        failsAlways |= in.op == Opcode::Fail;
    }
    doubleLanes_.resize(slotCount * kLanes);
    bool uniformBad = false;  // a constant too large for double
    for (std::size_t k = 0; k < slotCount; ++k) {
        if (written[k] || k == xSlot) continue;
        const double v = static_cast<double>(cells[k]);
        uniformBad |= !finiteD(v);
        std::fill_n(&doubleLanes_[k * kLanes], kLanes, v);
    }
    bool bad[kLanes];
    for (std::size_t start = 0; start < n; start += kLanes) {
        const std::size_t m = std::min(kLanes, n - start);
        std::fill_n(bad, m, failsAlways || uniformBad);
        if (xSlot != UINT32_MAX)
            for (std::size_t i = 0; i < m; ++i) bad[i] |= !finiteD(xs[start + i]);
        auto lane = [&](std::uint32_t slot) -> double* {
            if (slot == xSlot) return const_cast<double*>(xs + start);
            return &doubleLanes_[slot * kLanes];
        };
        if (!failsAlways) {
            for (const Instruction& in : code) {
                const double* a = lane(in.a);
                const double* b = lane(in.b);
                double* r = lane(in.dst);
                switch (in.op) {
#define KALKULO_DOUBLE_CASE(name) \
    case Opcode::name: columnD<BuiltinOp::name>(a, b, r, bad, m); break;
                    KALKULO_BUILTIN_OPS(KALKULO_DOUBLE_CASE)
#undef KALKULO_DOUBLE_CASE
                case Opcode::Negate:
                    for (std::size_t i = 0; i < m; ++i) r[i] = -a[i];
                    break;
                case Opcode::PowerInt:
                    for (std::size_t i = 0; i < m; ++i) {
                        const bool good = powerIntD(a[i], in.aux, r[i]);
                        bad[i] |= !good | !finiteD(r[i]);
                    }
                    break;
                case Opcode::Custom:
                case Opcode::Fail: break;
                }
            }
        }
        const double* result = lane(this->result);
        for (std::size_t i = 0; i < m; ++i) {
            ok[start + i] = !bad[i];
            ys[start + i] = bad[i] ? 0 : result[i];
        }
    }
}

}  // namespace mathparser
