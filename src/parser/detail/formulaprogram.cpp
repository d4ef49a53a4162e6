#include "parser/detail/formulaprogram.h"

#include <algorithm>
#include <cstring>

namespace mathparser {

// Operands point straight at the constant table or at the cells, and a value that the very
// next step consumes is handed on in a register: an 80-bit store and reload costs more than
// most operations. The pointers stay valid as long as the table version does.
void Program::link(const TMathParser& parser) {
    const std::vector<TConstant>& table = parser.Constants();
    std::vector<const long double*> where(cells.size());
    for (std::size_t k = 0; k < cells.size(); ++k) where[k] = &cells[k];
    for (const ConstantSlot& c : constants) where[c.slot] = &table[c.constant].Value;
    std::vector<int> consumers(cells.size(), 0);
    for (const Instruction& in : code) {
        ++consumers[in.a];
        ++consumers[in.b];
    }
    steps_.clear();
    for (std::size_t i = 0; i < code.size(); ++i) {
        const Instruction& in = code[i];
        Step step{};
        step.op = in.op;
        step.aux = in.aux;
        step.a = where[in.a];
        step.b = where[in.b];
        step.dst = &cells[in.dst];
        if (i > 0) {
            const std::uint32_t previous = code[i - 1].dst;
            step.aFromPrevious = in.a == previous;
            step.bFromPrevious = in.b == previous && in.a != previous;
        }
        const Instruction* next = i + 1 < code.size() ? &code[i + 1] : nullptr;
        const bool handedOn = next && consumers[in.dst] == 1 && ((next->a == in.dst) != (next->b == in.dst));
        step.store = in.dst != result && !handedOn;
        steps_.push_back(step);
    }
    resultPointer_ = where[result];
    linkedTable_ = table.data();
    linkedSize_ = table.size();
}

Program::Outcome Program::run(const TMathParser& parser, int& errorCode, QString& errorMessage) {
    const std::vector<TConstant>& table = parser.Constants();
    if (!resultPointer_ || linkedTable_ != table.data() || linkedSize_ != table.size()) link(parser);
    long double previous = 0;
    for (const Step& step : steps_) {
        const long double a = step.aFromPrevious ? previous : *step.a;
        const long double b = step.bFromPrevious ? previous : *step.b;
        long double r = 0;
        OpStatus status = OpStatus::Ok;
        switch (step.op) {
#define KALKULO_RUN_CASE(name) \
    case Opcode::name: status = apply<BuiltinOp::name>(a, b, r); break;
            KALKULO_BUILTIN_OPS(KALKULO_RUN_CASE)
#undef KALKULO_RUN_CASE
        case Opcode::Negate: r = -a; break;
        case Opcode::PowerInt:
            status = powerInt(a, step.aux, r);
            if (status == OpStatus::Ok && !isFinite(r)) status = OpStatus::GeneralError;
            break;
        case Opcode::Custom: {
            const TOperator& op = parser.Operators()[static_cast<size_t>(step.aux)];
            try {
                r = op.Func(op.Name, a, b, errorCode, errorMessage);
                if (!isFinite(r)) {
                    errorCode = 0;
                    errorMessage = unknownErrorMessage();
                    status = OpStatus::OperatorError;
                }
            } catch (...) {
                status = OpStatus::OperatorError;
            }
            break;
        }
        case Opcode::Fail: status = static_cast<OpStatus>(step.aux); break;
        }
        if (status != OpStatus::Ok) return {&code[static_cast<std::size_t>(&step - steps_.data())], status, 0};
        previous = r;
        if (step.store) *step.dst = r;
    }
    return {nullptr, OpStatus::Ok, steps_.empty() ? *resultPointer_ : previous};
}

namespace {

constexpr std::size_t kLanes = 64;

// Whether an infinite or NaN operand always gives an infinite or NaN result (or a flagged
// failure): then the finiteness check of the step that made the operand can wait for the end.
bool passesOnNonFinite(const Instruction& in, bool rightOperand) {
    switch (in.op) {
    case Opcode::Add:
    case Opcode::Sub:
    case Opcode::Mul: return true;
    case Opcode::Div:
    case Opcode::Negate: return !rightOperand;
    case Opcode::PowerInt: return !rightOperand && in.aux == 2;
    default: return false;
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
    constexpr bool mayDefer =
        Op == BuiltinOp::Add || Op == BuiltinOp::Sub || Op == BuiltinOp::Mul || Op == BuiltinOp::Div;
    if constexpr (mayDefer) {
        if (!check) {
            if (uniformB) lanes<Op, false, true>(a, b, bValue, r, bad, n);
            else lanes<Op, false, false>(a, b, bValue, r, bad, n);
            return;
        }
    }
    if (uniformB) lanes<Op, true, true>(a, b, bValue, r, bad, n);
    else lanes<Op, true, false>(a, b, bValue, r, bad, n);
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
#define KALKULO_LANES_CASE(name) \
    case Opcode::name: runLanes<BuiltinOp::name>(a, b, uniform(in.b), cells[in.b], check[in.dst], r, bad, m); break;
                    KALKULO_BUILTIN_OPS(KALKULO_LANES_CASE)
#undef KALKULO_LANES_CASE
                case Opcode::Negate:
                    for (std::size_t i = 0; i < m; ++i) r[i] = -a[i];
                    break;
                case Opcode::PowerInt: lanesPowerInt(a, in.aux, check[in.dst], r, bad, m); break;
                case Opcode::Custom:
                case Opcode::Fail: break;
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
