#pragma once
// One evaluation's outcome, taken from both evaluators; tests compare these.
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
    Outcome o;
    try {
        o.value = evaluate();
        o.ok = true;
    } catch (const EMathParsing& e) {
        o.code = e.ErrorCode;
        o.message = e.Message;
        o.pos = e.ErrorPos;
        o.len = e.ErrorLen;
    }
    return o;
}

inline Outcome referenceOutcome(TMathParser& parser, const QString& text) {
    return outcomeOf([&] { return parser.EvaluateReference(text); });
}
inline Outcome fastOutcome(TMathParser& parser, const QString& text) {
    return outcomeOf([&] { return parser.Evaluate(text); });
}
