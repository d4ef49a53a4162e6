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

// Whether an infinite or NaN operand always gives an infinite or NaN result (or a flagged
// failure): then the finiteness check of the step that made the operand can wait for the end.
bool passesOnNonFinite(const Instruction& in, bool rightOperand) {
    switch (in.op) {
    case Opcode::Add:
    case Opcode::Sub:
    case Opcode::Mul:
        return true;
    case Opcode::Div:
    case Opcode::Negate:
        return !rightOperand;
    case Opcode::PowerInt:
        return !rightOperand && in.aux == 2;
    default:
        return false;
    }
}

template <BuiltinOp Op, bool Check, bool UniformB>
void lanes(const long double* a, const long double* b, long double bValue, long double* r, bool* bad, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        const long double right = UniformB ? bValue : b[i];
        const OpStatus status = Check ? apply<Op>(a[i], right, r[i]) : compute<Op>(a[i], right, r[i]);
        bad[i] |= status != OpStatus::Ok;
    }
}

template <BuiltinOp Op>
void runLanes(const long double* a, const long double* b, bool uniformB, long double bValue, bool check, long double* r,
              bool* bad, std::size_t n) {
    constexpr bool mayDefer = Op == BuiltinOp::Add || Op == BuiltinOp::Sub || Op == BuiltinOp::Mul || Op == BuiltinOp::Div;
    if constexpr (mayDefer) {
        if (!check) {
            if (uniformB)
                lanes<Op, false, true>(a, b, bValue, r, bad, n);
            else
                lanes<Op, false, false>(a, b, bValue, r, bad, n);
            return;
        }
    }
    if (uniformB)
        lanes<Op, true, true>(a, b, bValue, r, bad, n);
    else
        lanes<Op, true, false>(a, b, bValue, r, bad, n);
}

void lanesPowerInt(const long double* a, std::int32_t e, bool check, long double* r, bool* bad, std::size_t n) {
    if (e == 2 && !check) {
        for (std::size_t i = 0; i < n; ++i) r[i] = a[i] * a[i];
        return;
    }
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

void Program::prepareLanes() {
    const std::size_t slotCount = cells.size();
    lanes_.assign(slotCount * kLanes, 0);
    filled_.assign(slotCount, false);
    written_.assign(slotCount, false);
    failsAlways_ = false;
    for (const Instruction& in : code) {
        written_[in.dst] = true;
        if (in.op == Opcode::Fail) failsAlways_ = true;
    }
    // Each computed value has one consumer; the step that makes the result checks it.
    check_.assign(slotCount, true);
    for (const Instruction& in : code) {
        if (written_[in.a]) check_[in.a] = !passesOnNonFinite(in, false);
        if (written_[in.b]) check_[in.b] = !passesOnNonFinite(in, true);
    }
    check_[result] = true;
}

// Runs each instruction over a block of values before the next one, so the dispatch is paid
// once per block. A value that fails somewhere is only flagged; later steps may compute
// garbage for it (every kernel tolerates that), and its result is dropped.
void Program::runBatch(const TMathParser& parser, std::uint32_t xConstant, const long double* xs, long double* ys,
                       bool* ok, std::size_t n) {
    const std::vector<TConstant>& table = parser.Constants();
    for (const ConstantSlot& c : constants) cells[c.slot] = table[c.constant].Value;
    const std::size_t slotCount = cells.size();
    if (lanes_.size() != slotCount * kLanes) prepareLanes();
    std::uint32_t xSlot = UINT32_MAX;
    for (const ConstantSlot& c : constants)
        if (c.constant == xConstant) xSlot = c.slot;
    const std::vector<bool>& written = written_;
    const std::vector<bool>& check = check_;
    const bool failsAlways = failsAlways_;
    auto uniform = [&](std::uint32_t slot) { return !written[slot] && slot != xSlot; };
    // Every slot that no instruction writes holds the same value in all lanes.
    for (std::size_t k = 0; k < slotCount; ++k) {
        if (written[k] || k == xSlot) continue;
        long double* lane = &lanes_[k * kLanes];
        if (filled_[k] && std::memcmp(lane, &cells[k], 10) == 0) continue;
        std::fill_n(lane, kLanes, cells[k]);
        filled_[k] = true;
    }
    const bool resultWritten = !code.empty() && code.back().dst == result;
    bool bad[kLanes];
    for (std::size_t start = 0; start < n; start += kLanes) {
        const std::size_t m = std::min(kLanes, n - start);
        std::fill_n(bad, m, failsAlways);
        auto lane = [&](std::uint32_t slot) -> long double* {
            if (slot == xSlot) return const_cast<long double*>(xs + start);
            if (slot == result && resultWritten) return ys + start;
            return &lanes_[slot * kLanes];
        };
        if (!failsAlways) {
            for (const Instruction& in : code) {
                const long double* a = lane(in.a);
                const long double* b = lane(in.b);
                long double* r = lane(in.dst);
                switch (in.op) {
#define KALKULO_LANES_CASE(name)                                                                 \
    case Opcode::name:                                                                           \
        runLanes<BuiltinOp::name>(a, b, uniform(in.b), cells[in.b], check[in.dst], r, bad, m); \
        break;
                    KALKULO_BUILTIN_OPS(KALKULO_LANES_CASE)
#undef KALKULO_LANES_CASE
                case Opcode::Negate:
                    for (std::size_t i = 0; i < m; ++i) r[i] = -a[i];
                    break;
                case Opcode::PowerInt:
                    lanesPowerInt(a, in.aux, check[in.dst], r, bad, m);
                    break;
                case Opcode::Custom:
                case Opcode::Fail:
                    break;
                }
            }
        }
        if (!resultWritten) std::copy_n(lane(result), m, ys + start);
        for (std::size_t i = 0; i < m; ++i) {
            ok[start + i] = !bad[i];
            if (bad[i]) ys[start + i] = 0;
        }
    }
}

}  // namespace mathparser
