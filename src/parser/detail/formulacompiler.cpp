// Splits a formula exactly as the text walk does and records the steps instead of doing them.
#include "parser/detail/formulaprogram.h"
#include "parser/detail/numberreader.h"

#include <cmath>

namespace mathparser {

namespace {

class Compiler {
public:
    Compiler(QStringView text, const TMathParser& parser) : text_(text), parser_(parser) {}

    Program take() {
        newSlot(0);  // slot 0: the 0 an operator gets for an operand it does not take
        program_.result = part(text_, 1, 0);
        program_.tableVersion = 0;
        return std::move(program_);
    }

private:
    std::uint32_t newSlot(long double v = 0, bool literal = false) {
        program_.cells.push_back(v);
        literal_.push_back(literal);
        return static_cast<std::uint32_t>(program_.cells.size() - 1);
    }

    std::uint32_t addInstruction(Opcode op, std::uint32_t a, std::uint32_t b, std::int32_t aux, int pos, int len) {
        const std::uint32_t dst = newSlot();
        program_.code.push_back(Instruction{op, dst, a, b, aux, pos, len});
        return dst;
    }

    std::uint32_t fail(OpStatus status, int pos, int len) {
        return addInstruction(Opcode::Fail, 0, 0, static_cast<std::int32_t>(status), pos, len);
    }

    std::uint32_t constantSlot(int index) {
        for (const ConstantSlot& c : program_.constants)
            if (c.constant == static_cast<std::uint32_t>(index)) return c.slot;
        const std::uint32_t slot = newSlot();
        program_.constants.push_back({slot, static_cast<std::uint32_t>(index)});
        return slot;
    }

    std::uint32_t operatorCall(int index, std::uint32_t a, std::uint32_t b, int pos, int len) {
        const TOperator& op = parser_.Operators()[static_cast<size_t>(index)];
        const int builtin = builtinOf(op.Func);
        if (builtin < 0) {
            program_.hasCustom = true;
            return addInstruction(Opcode::Custom, a, b, index, pos, len);
        }
        if (builtin == static_cast<int>(BuiltinOp::Pow) && literal_[b]) {
            const long double e = program_.cells[b];
            if (e != 0 && e == std::trunc(e) && std::fabs(e) <= 2147483647.0L)
                return addInstruction(Opcode::PowerInt, a, b, static_cast<std::int32_t>(e), pos, len);
        }
        return addInstruction(static_cast<Opcode>(builtin), a, b, 0, pos, len);
    }

    std::uint32_t part(QStringView s, int p, int depth) {
        const int length = static_cast<int>(s.size());
        if (depth > kMaxDepth) return fail(OpStatus::GeneralError, p, length);
        const std::vector<TOperator>& operators = parser_.Operators();
        for (size_t i = 0; i < operators.size(); ++i) {
            const TOperator& op = operators[i];
            const int k = TMathParser::FindOperatorPos(s, op.Name);
            if (k == 0) continue;
            const int nameLength = static_cast<int>(op.Name.size());
            const QStringView left = s.first(k - 1);
            const QStringView right = s.sliced(k - 1 + nameLength);
            if ((takesLeft(op.Operands) && left.isEmpty()) || (takesRight(op.Operands) && right.isEmpty())) continue;
            const std::uint32_t a = takesLeft(op.Operands) ? part(left, p, depth + 1) : 0;
            const std::uint32_t b = takesRight(op.Operands) ? part(right, p + k + nameLength - 1, depth + 1) : 0;
            return operatorCall(static_cast<int>(i), a, b, p + k - 1, nameLength);
        }
        if (length >= 2 && s.front() == u'(' && s.back() == u')')
            return part(s.sliced(1, length - 2), p + 1, depth + 1);
        if (!s.isEmpty() && s.front() == u'-') {
            const std::uint32_t inner = part(s.sliced(1), p + 1, depth + 1);
            return addInstruction(Opcode::Negate, inner, 0, 0, p, length);
        }
        if (!s.isEmpty() && s.front() == u'+') return part(s.sliced(1), p + 1, depth + 1);
        const int constant = parser_.FindConstant(s);
        if (constant >= 0) return constantSlot(constant);
        long double value = 0;
        if (readNumber(text_, p - 1, length, parser_.DecimalSeparator(), value)) return newSlot(value, true);
        return fail(OpStatus::SyntaxError, p, length);
    }

    QStringView text_;
    const TMathParser& parser_;
    Program program_;
    std::vector<bool> literal_;
};

}  // namespace

Program compile(QStringView text, const TMathParser& parser) { return Compiler(text, parser).take(); }

}  // namespace mathparser
