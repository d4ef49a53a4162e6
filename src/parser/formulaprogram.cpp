#include "parser/formulaprogram.h"

#include <algorithm>
#include <cstring>

namespace mathparser {

Program::Outcome Program::run(const TMathParser& parser, int& errorCode, QString& errorMessage) {
    long double* s = cells.data();
    const std::vector<TConstant>& table = parser.Constants();
    for (const ConstantSlot& c : constants) s[c.slot] = table[c.constant].Value;
    for (const Instruction& in : code) {
        OpStatus status = OpStatus::Ok;
        switch (in.op) {
#define KALKULO_RUN_CASE(name)                                                   \
    case Opcode::name:                                   \
        status = apply<BuiltinOp::name>(s[in.a], s[in.b], s[in.dst]);            \
        break;
            KALKULO_BUILTIN_OPS(KALKULO_RUN_CASE)
#undef KALKULO_RUN_CASE
        case Opcode::Negate:
            s[in.dst] = -s[in.a];
            break;
        case Opcode::PowerInt:
            status = powerInt(s[in.a], in.aux, s[in.dst]);
            if (status == OpStatus::Ok && !isFinite(s[in.dst])) status = OpStatus::GeneralError;
            break;
        case Opcode::Custom: {
            const TOperator& op = parser.Operators()[static_cast<size_t>(in.aux)];
            try {
                s[in.dst] = op.Func(op.Name, s[in.a], s[in.b], errorCode, errorMessage);
                if (!isFinite(s[in.dst])) {
                    errorCode = 0;
                    errorMessage = unknownErrorMessage();
                    status = OpStatus::OperatorError;
                }
            } catch (...) {
                status = OpStatus::OperatorError;
            }
            break;
        }
        case Opcode::Fail:
            status = static_cast<OpStatus>(in.aux);
            break;
        }
        if (status != OpStatus::Ok) return {&in, status};
    }
    return {};
}

namespace {

constexpr std::size_t kLanes = 64;

template <BuiltinOp Op>
void lanesApply(const long double* a, const long double* b, long double* r, bool* bad, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) bad[i] |= apply<Op>(a[i], b[i], r[i]) != OpStatus::Ok;
}

void lanesPowerInt(const long double* a, std::int32_t e, long double* r, bool* bad, std::size_t n) {
    if (e == 2) {
        for (std::size_t i = 0; i < n; ++i) {
            r[i] = a[i] * a[i];
            bad[i] |= !isFinite(r[i]);
        }
        return;
    }
    for (std::size_t i = 0; i < n; ++i) bad[i] |= powerInt(a[i], e, r[i]) != OpStatus::Ok || !isFinite(r[i]);
}

}  // namespace

// Runs each instruction over a block of values before the next one, so the dispatch is paid
// once per block. A value that fails somewhere is only flagged; later steps may compute
// garbage for it (every kernel tolerates that), and its result is dropped.
void Program::runBatch(const TMathParser& parser, std::uint32_t xConstant, const long double* xs, long double* ys,
                       bool* ok, std::size_t n) {
    const std::size_t slotCount = cells.size();
    lanes_.resize(slotCount * kLanes);
    const std::vector<TConstant>& table = parser.Constants();
    for (const ConstantSlot& c : constants) cells[c.slot] = table[c.constant].Value;
    for (std::size_t k = 0; k < slotCount; ++k) std::fill_n(&lanes_[k * kLanes], kLanes, cells[k]);
    bool failsAlways = false;
    for (const Instruction& in : code)
        if (in.op == Opcode::Fail) failsAlways = true;
    std::uint32_t xSlot = UINT32_MAX;
    for (const ConstantSlot& c : constants)
        if (c.constant == xConstant) xSlot = c.slot;
    bool bad[kLanes];
    for (std::size_t start = 0; start < n; start += kLanes) {
        const std::size_t m = std::min(kLanes, n - start);
        std::fill_n(bad, m, failsAlways);
        if (xSlot != UINT32_MAX) std::copy_n(xs + start, m, &lanes_[xSlot * kLanes]);
        if (!failsAlways) {
            for (const Instruction& in : code) {
                const long double* a = &lanes_[in.a * kLanes];
                const long double* b = &lanes_[in.b * kLanes];
                long double* r = &lanes_[in.dst * kLanes];
                switch (in.op) {
#define KALKULO_LANES_CASE(name)                        \
    case Opcode::name:          \
        lanesApply<BuiltinOp::name>(a, b, r, bad, m);   \
        break;
                    KALKULO_BUILTIN_OPS(KALKULO_LANES_CASE)
#undef KALKULO_LANES_CASE
                case Opcode::Negate:
                    for (std::size_t i = 0; i < m; ++i) r[i] = -a[i];
                    break;
                case Opcode::PowerInt:
                    lanesPowerInt(a, in.aux, r, bad, m);
                    break;
                case Opcode::Custom:
                case Opcode::Fail:
                    break;
                }
            }
        }
        const long double* out = &lanes_[result * kLanes];
        for (std::size_t i = 0; i < m; ++i) {
            ok[start + i] = !bad[i];
            ys[start + i] = bad[i] ? 0 : out[i];
        }
    }
}

}  // namespace mathparser
