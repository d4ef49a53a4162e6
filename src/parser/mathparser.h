#pragma once
// TMathParser turns a formula typed by the user ("x^2-3", "sin(x)^2", "(2)log(8)") into one
// 80-bit number. The formula text is split at the last top-level occurrence of each known
// operator, tried in table order (which is also the precedence, loosest first); whatever is
// left must be parentheses, a sign, a named constant or a number with the decimal comma.
//
// Typical use (function panel, plotter):
//
//     TMathParser parser;                      // the 28 built-in operators, "e" and "pi"
//     parser.SetConstant("a", 2);              // a, b, c as the user filled them in
//     parser.SetConstant("x", 1.5);
//     long double y = parser.Evaluate(text);   // throws EMathParsing
//
//     TCompiledFormula f = parser.Compile(text);   // many x, one formula (plotter)
//     long double y;
//     if (f.TryEvaluate(x, y)) ...             // false: ErrorCode, ErrorMessage, ErrorPos, ErrorLen say why
//     f.EvaluateBatch(xs, ys, ok, n);          // fastest: a whole curve at once, failures flagged
//
// Evaluate compiles a formula once per text and set of constant names and keeps it, so
// calling it again with a new x re-runs the compiled form only. EvaluateReference walks the
// text itself on every call; it is the slow, literal evaluator the fast one is checked against.
// Both give the same value bits and the same errors for every text.
#include "parser/anglemode.h"

#include <QChar>
#include <QHash>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <vector>

// Thrown while a parser is set up: a duplicate operator, an empty constant name.
class EMathParser : public std::runtime_error {
public:
    explicit EMathParser(const QString& message);
    QString Message;
};

// The only exception Evaluate lets out. ErrorPos is 1-based in the whole formula;
// ErrorPos and ErrorLen cover the failing part or the name of the failing operator.
class EMathParsing : public std::runtime_error {
public:
    EMathParsing(const QString& message, int errorCode, int errorPos, int errorLen);
    QString Message;
    int ErrorCode;
    int ErrorPos;
    int ErrorLen;
};

// The general exception an operator function throws for an argument outside its domain,
// after it has set the parser's ErrorCode and ErrorMessage.
class EOperatorError : public std::runtime_error {
public:
    explicit EOperatorError(const QString& message);
};

// Which operands an operator takes: Left and Right make it infix ("3min5"),
// Right alone a prefix function whose argument is all the text to its right ("sqrtx").
enum class OperandSet : std::uint8_t { Left = 1, Right = 2, LeftRight = 3 };
inline bool takesLeft(OperandSet o) { return (static_cast<int>(o) & 1) != 0; }
inline bool takesRight(OperandSet o) { return (static_cast<int>(o) & 2) != 0; }

// An operator's function gets the operator's name, the left and right value (0 for an operand
// it does not take) and the parser's error fields. For an argument outside its domain it sets
// errorCode and errorMessage and throws EOperatorError. A result that is not finite counts as
// an arithmetic fault (code 0, "Unbekannter Fehler").
using OperatorFunc = long double (*)(const QString& name, long double a, long double b, int& errorCode,
                                     QString& errorMessage);

struct TOperator {
    QString Name;  // case-sensitive
    OperandSet Operands;
    OperatorFunc Func;
};

struct TConstant {
    QString Name;  // case-sensitive, never empty
    long double Value;
};

namespace mathparser {
class Program;
}
class TCompiledFormula;

class TMathParser {
public:
    // withBuiltIns adds the 28 built-in operators, then "e" and "pi". decimalSeparator is the
    // locale's (the comma for German); a number with any other separator is a syntax error.
    // `angles` sets the unit of the angle functions; it must outlive the parser (nullptr: radians).
    explicit TMathParser(bool withBuiltIns = true, QChar decimalSeparator = u',', const AngleMode* angles = nullptr);
    ~TMathParser();
    TMathParser(const TMathParser&) = delete;
    TMathParser& operator=(const TMathParser&) = delete;

    // Appends an operator; it is tried after all earlier ones and so binds more tightly.
    // Throws EMathParser when the name exists already.
    void AddOperator(const QString& name, OperandSet operands, OperatorFunc func);
    // Index of the first entry with exactly that name, or -1.
    int FindOperator(QStringView name) const;
    int FindConstant(QStringView name) const;
    // Adds without a duplicate check; an empty name throws EMathParser.
    void AddConstant(const QString& name, long double value);
    // Overwrites the value of the constant of that name, or adds it. Callers use this one.
    void SetConstant(const QString& name, long double value);

    // The value of the formula, or EMathParsing with code, message, position and length
    // (also left in the fields below).
    long double Evaluate(const QString& text);
    // Same outcome, by walking the text on every call; kept to check the fast path.
    long double EvaluateReference(const QString& text);
    // A handle for evaluating one formula at many x. The parser must outlive it.
    TCompiledFormula Compile(const QString& text);

    // 1-based position of the last occurrence of name in S outside parentheses, or 0.
    static int FindOperatorPos(QStringView S, QStringView name);

    const std::vector<TOperator>& Operators() const { return operators_; }
    const std::vector<TConstant>& Constants() const { return constants_; }
    QChar DecimalSeparator() const { return decimalSeparator_; }

    // Set by every evaluation: 0 and "Unbekannter Fehler" at its start; after a failure the
    // code (0 general, 1 syntax or invalid argument, 2 division by zero), message, and the
    // 1-based position and length of what failed. Position and length mean nothing after success.
    int ErrorCode = 0;
    QString ErrorMessage;
    int ErrorPos = 0;
    int ErrorLen = 0;

private:
    friend class TCompiledFormula;
    std::shared_ptr<mathparser::Program> programFor(const QString& text);
    bool run(mathparser::Program& program, long double& result);
    long double runOrThrow(mathparser::Program& program);
    long double EvaluatePart(QStringView S, int P, int depth);
    [[noreturn]] void throwParsing() const;

    std::vector<TOperator> operators_;
    std::vector<TConstant> constants_;
    QChar decimalSeparator_;
    const AngleMode* angles_;
    // Grows whenever an operator or a constant name is added: compiled forms depend on both.
    std::uint64_t tableVersion_ = 0;
    QHash<QString, std::shared_ptr<mathparser::Program>> cache_;
    QString lastText_;
    std::shared_ptr<mathparser::Program> lastProgram_;
    QStringView referenceFormula_;
};

// One formula compiled for repeated evaluation with a changing "x". Copyable; it stays valid
// when constants are added (it recompiles itself) but not beyond the parser's life.
class TCompiledFormula {
public:
    // Sets "x" and evaluates; throws EMathParsing like TMathParser::Evaluate.
    long double Evaluate(long double x);
    // Sets "x" and evaluates; false on failure, with the parser's error fields set.
    bool TryEvaluate(long double x, long double& result);
    // Evaluates at xs[0..n): ys[i] is the value and ok[i] true, or ys[i] = 0 and ok[i] false
    // where the evaluation fails. "x" keeps the last value. Error fields are not filled in.
    void EvaluateBatch(const long double* xs, long double* ys, bool* ok, std::size_t n);
    // The same in double precision, each operation over the whole batch at once: several times
    // faster, for screening. ok[i] is false where the evaluation fails and also where a value
    // lies too near the edge of an operator's domain for double precision to decide (a divisor
    // near 0, floor near a whole number, arcsin near ±1, …): evaluate those in 80-bit.
    void EvaluateBatchDouble(const double* xs, double* ys, bool* ok, std::size_t n);
    const QString& Text() const { return text_; }

private:
    friend class TMathParser;
    TCompiledFormula(TMathParser& parser, const QString& text);
    void setX(long double x);
    mathparser::Program& current();

    TMathParser* parser_;
    QString text_;
    std::shared_ptr<mathparser::Program> program_;
    int xIndex_ = -1;
    std::uint64_t xVersion_ = ~std::uint64_t{0};
};
