// The text walk: every evaluation splits the text anew at the operators, in table order.
// Slow by design; it is the yardstick for the compiled path.
#include "parser/detail/builtinoperators.h"
#include "parser/mathparser.h"
#include "parser/detail/numberreader.h"

namespace {
struct NumberConversionFailed {};
struct TooDeep {};
}  // namespace

int TMathParser::FindOperatorPos(QStringView S, QStringView name) {
    int depth = 0;
    for (qsizetype i = S.size() - 1; i >= 0; --i) {
        const QChar c = S[i];
        if (c == u')') {
            ++depth;
        } else if (c == u'(') {
            --depth;
        } else if (depth == 0 && S.sliced(i).startsWith(name)) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

long double TMathParser::EvaluateReference(const QString& text) {
    ErrorCode = 0;
    ErrorMessage = mathparser::unknownErrorMessage();
    referenceFormula_ = text;
    const mathparser::AngleScope angles(angles_);
    try {
        return EvaluatePart(text, 1, 0);
    } catch (const NumberConversionFailed&) {
        ErrorCode = 1;
        ErrorMessage = mathparser::statusMessage(mathparser::OpStatus::SyntaxError);
    } catch (...) {}
    throwParsing();
}

long double TMathParser::EvaluatePart(QStringView S, int P, int depth) {
    const int length = static_cast<int>(S.size());
    ErrorPos = P;
    ErrorLen = length;
    if (depth > mathparser::kMaxDepth) throw TooDeep{};
    for (const TOperator& op : operators_) {
        const int k = FindOperatorPos(S, op.Name);
        if (k == 0) continue;
        const int nameLength = static_cast<int>(op.Name.size());
        const QStringView L = S.first(k - 1);
        const QStringView R = S.sliced(k - 1 + nameLength);
        if ((takesLeft(op.Operands) && L.isEmpty()) || (takesRight(op.Operands) && R.isEmpty())) continue;
        const long double a = takesLeft(op.Operands) ? EvaluatePart(L, P, depth + 1) : 0;
        const long double b = takesRight(op.Operands) ? EvaluatePart(R, P + k + nameLength - 1, depth + 1) : 0;
        ErrorPos = P;
        ErrorLen = length;
        try {
            const long double result = op.Func(op.Name, a, b, ErrorCode, ErrorMessage);
            if (!mathparser::isFinite(result)) {
                ErrorCode = 0;
                ErrorMessage = mathparser::unknownErrorMessage();
                throw EOperatorError(ErrorMessage);
            }
            return result;
        } catch (...) {
            ErrorPos = P + k - 1;
            ErrorLen = nameLength;
            throw;
        }
    }
    if (length >= 2 && S.front() == u'(' && S.back() == u')')
        return EvaluatePart(S.sliced(1, length - 2), P + 1, depth + 1);
    if (!S.isEmpty() && S.front() == u'-') return -EvaluatePart(S.sliced(1), P + 1, depth + 1);
    if (!S.isEmpty() && S.front() == u'+') return EvaluatePart(S.sliced(1), P + 1, depth + 1);
    const int constant = FindConstant(S);
    if (constant >= 0) return constants_[static_cast<size_t>(constant)].Value;
    long double value = 0;
    if (!mathparser::readNumber(referenceFormula_, P - 1, length, decimalSeparator_, value))
        throw NumberConversionFailed{};
    return value;
}
