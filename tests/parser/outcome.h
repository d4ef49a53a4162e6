#pragma once
// One evaluation's outcome, taken from either evaluator; tests compare these.
#include "parser/mathparser.h"

#include <QString>
#include <cstring>
#include <ostream>

struct Outcome {
    bool ok = false;
    long double value = 0;
    int code = 0;
    QString message;
    int pos = 0;
    int len = 0;

    bool operator==(const Outcome& o) const {
        if (ok != o.ok) return false;
        if (ok) return std::memcmp(&value, &o.value, 10) == 0;  // the 80 value bits
        return code == o.code && message == o.message && pos == o.pos && len == o.len;
    }
};

inline std::ostream& operator<<(std::ostream& out, const Outcome& o) {
    if (o.ok) return out << "value " << static_cast<double>(o.value);
    return out << "error " << o.code << " \"" << o.message.toStdString() << "\" at " << o.pos << " length " << o.len;
}

template <typename Evaluation>
Outcome outcomeOf(Evaluation evaluate) {
    try {
        return {true, evaluate(), 0, {}, 0, 0};
    } catch (const EMathParsing& e) {
        return {false, 0, e.ErrorCode, e.Message, e.ErrorPos, e.ErrorLen};
    }
}

inline Outcome referenceOutcome(TMathParser& parser, const QString& text) {
    return outcomeOf([&] { return parser.EvaluateReference(text); });
}
inline Outcome fastOutcome(TMathParser& parser, const QString& text) {
    return outcomeOf([&] { return parser.Evaluate(text); });
}
// TryEvaluate reports a failure through the parser's error fields.
inline Outcome triedOutcome(TMathParser& parser, TCompiledFormula& formula, long double x) {
    long double y = -1;
    if (formula.TryEvaluate(x, y)) return {true, y, 0, {}, 0, 0};
    return {false, 0, parser.ErrorCode, parser.ErrorMessage, parser.ErrorPos, parser.ErrorLen};
}

// An operator a user might add, "a # b" = a - b; refused with its own code and message when a < b.
inline long double userMinus(const QString&, long double a, long double b, int& code, QString& message) {
    if (a >= b) return a - b;
    code = 3;
    message = "zu klein";
    throw EOperatorError(message);
}
