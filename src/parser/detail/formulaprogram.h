#pragma once
// A formula compiled into straight-line code over numbered cells. How a text splits depends
// only on the text, the operator table and the constant names, never on values, so the split
// is done once; running the code does the operator calls in exactly the order in which the
// text walk does them (left side, right side, operator), and a part that cannot be read
// becomes an instruction that fails when reached.
#include "parser/detail/builtinoperators.h"
#include "parser/mathparser.h"

#include <cstdint>
#include <vector>

namespace mathparser {

#define KALKULO_OPCODE_ENTRY(name) name,
enum class Opcode : std::uint8_t {
    KALKULO_BUILTIN_OPS(KALKULO_OPCODE_ENTRY)  // the built-in operators, numbered as BuiltinOp
    Negate,
    PowerInt,  // a^aux with a whole literal exponent aux != 0
    Custom,    // a user-added operator; aux is its table index
    Fail,      // a part that does not read; aux is the status
};
#undef KALKULO_OPCODE_ENTRY
static_assert(static_cast<int>(Opcode::Negate) == kBuiltinCount);

struct Instruction {
    Opcode op;
    std::uint32_t dst;
    std::uint32_t a;
    std::uint32_t b;
    std::int32_t aux;
    std::int32_t pos;  // 1-based position and length reported when this instruction fails
    std::int32_t len;
};

struct ConstantSlot {
    std::uint32_t slot;
    std::uint32_t constant;  // index in the parser's constant table
};

class Program {
public:
    std::vector<Instruction> code;
    std::vector<long double> cells;  // constants, literals, then one per result
    std::vector<ConstantSlot> constants;
    std::uint32_t result = 0;
    std::uint64_t tableVersion = 0;
    bool hasCustom = false;

    struct Outcome {
        const Instruction* failed = nullptr;
        OpStatus status = OpStatus::Ok;
        long double value = 0;
    };
    // Runs with the parser's current constant values. A user-added operator gets the error fields.
    Outcome run(const TMathParser& parser, int& errorCode, QString& errorMessage);

    // The same for n values of the constant with table index xConstant: ys and ok per value.
    // Needs a program without user-added operators.
    void runBatch(const TMathParser& parser, std::uint32_t xConstant, const long double* xs, long double* ys, bool* ok,
                  std::size_t n);
    // The same in double precision, for screening many points cheaply. ok[i] is also false where
    // a value lies so near the edge of an operator's domain (a zero divisor, a whole-number
    // boundary of floor or round, the end of arcsin's range) that double precision cannot tell
    // what the 80-bit evaluation would do; callers decide those points in 80-bit.
    void runBatchDouble(const TMathParser& parser, std::uint32_t xConstant, const double* xs, double* ys, bool* ok,
                        std::size_t n);

private:
    struct Step {
        Opcode op;
        bool aFromPrevious;  // the operand is the value the step before computed
        bool bFromPrevious;
        bool store;  // a later step, not the next one, reads the value
        std::int32_t aux;
        const long double* a;
        const long double* b;
        long double* dst;
    };
    void link(const TMathParser& parser);
    void prepareLanes();

    std::vector<Step> steps_;
    const long double* resultPointer_ = nullptr;
    const TConstant* linkedTable_ = nullptr;
    std::size_t linkedSize_ = 0;

    std::vector<long double> lanes_;  // kLanes values per slot
    std::vector<bool> filled_;        // which unwritten slots' lanes hold their value
    std::vector<bool> written_;       // slots some instruction computes
    std::vector<bool> check_;         // computed slots whose finiteness is checked where they are made
    bool failsAlways_ = false;
    std::vector<double> doubleLanes_;  // kLanes values per slot, for the double batch
};

Program compile(QStringView text, const TMathParser& parser);

}  // namespace mathparser
