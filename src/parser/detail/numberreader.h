#pragma once
#include <QChar>
#include <QStringView>

namespace mathparser {

// Reads the part formula[start, start + length) as a number: optional blanks around it, an
// optional sign, digits with at most one decimal separator (at least a digit or the
// separator), an optional "E"/"e" with digits (none counts as exponent 0). False when the text
// does not read or the value lies outside the extended range.
//
// One context rule: a number ending in a bare exponent letter right before "+" or "-" is not
// read, so "1E-5" is a syntax error instead of quietly meaning 1 - 5.
bool readNumber(QStringView formula, qsizetype start, qsizetype length, QChar separator, long double& value);

// Nesting of parts beyond which an evaluation gives up with code 0: it bounds the recursion
// (and the stack) for pathological texts such as thousands of nested parentheses.
constexpr int kMaxDepth = 1000;

}  // namespace mathparser
