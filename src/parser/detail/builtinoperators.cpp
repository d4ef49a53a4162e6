#include "parser/detail/builtinoperators.h"

namespace mathparser {

int statusCode(OpStatus status) {
    switch (status) {
    case OpStatus::DivisionByZero:
    case OpStatus::DivisionByZeroEnglish:
    case OpStatus::DivisionByZeroTan: return 2;
    case OpStatus::InvalidArgument:
    case OpStatus::SyntaxError: return 1;
    default: return 0;
    }
}

QString unknownErrorMessage() { return QStringLiteral("Unbekannter Fehler"); }

QString statusMessage(OpStatus status) {
    switch (status) {
    case OpStatus::DivisionByZero: return QStringLiteral("Division durch Null!");
    case OpStatus::DivisionByZeroEnglish: return QStringLiteral("Division by zero");
    case OpStatus::DivisionByZeroTan: return QStringLiteral("Division durch Null");
    case OpStatus::InvalidArgument: return QStringLiteral("Invalid Argument");
    case OpStatus::SyntaxError: return QStringLiteral("Fehlerhafte Syntax");
    default: return unknownErrorMessage();
    }
}

namespace {

template <BuiltinOp Op>
long double builtinFunc(const QString&, long double a, long double b, int& errorCode, QString& errorMessage) {
    long double r = 0;
    const OpStatus status = apply<Op>(a, b, r);
    if (status != OpStatus::Ok) {
        errorCode = statusCode(status);
        errorMessage = statusMessage(status);
        throw EOperatorError(errorMessage);
    }
    return r;
}

constexpr OperandSet L = OperandSet::LeftRight;
constexpr OperandSet R = OperandSet::Right;
using B = BuiltinOp;

const BuiltinInfo kBuiltins[kBuiltinCount] = {
    {u"+", L, builtinFunc<B::Add>},           {u"-", L, builtinFunc<B::Sub>},
    {u"*", L, builtinFunc<B::Mul>},           {u"/", L, builtinFunc<B::Div>},
    {u"mod", L, builtinFunc<B::Mod>},         {u"div", L, builtinFunc<B::IntDiv>},
    {u"round", R, builtinFunc<B::Round>},     {u"abs", R, builtinFunc<B::Abs>},
    {u"min", L, builtinFunc<B::Min>},         {u"max", L, builtinFunc<B::Max>},
    {u"floor", R, builtinFunc<B::Floor>},     {u"ceil", R, builtinFunc<B::Ceil>},
    {u"^", L, builtinFunc<B::Pow>},           {u"sqrt", R, builtinFunc<B::Sqrt>},
    {u"exp", L, builtinFunc<B::Exp>},         {u"ln", R, builtinFunc<B::Ln>},
    {u"log", L, builtinFunc<B::Log>},         {u"arcsin", R, builtinFunc<B::ArcSin>},
    {u"arccos", R, builtinFunc<B::ArcCos>},   {u"arctan", R, builtinFunc<B::ArcTan>},
    {u"sinh", R, builtinFunc<B::Sinh>},       {u"cosh", R, builtinFunc<B::Cosh>},
    {u"tanh", R, builtinFunc<B::Tanh>},       {u"sin", R, builtinFunc<B::Sin>},
    {u"cos", R, builtinFunc<B::Cos>},         {u"tan", R, builtinFunc<B::Tan>},
    {u"deg2rad", R, builtinFunc<B::Deg2Rad>}, {u"rad2deg", R, builtinFunc<B::Rad2Deg>},
};

}  // namespace

const BuiltinInfo& builtinInfo(BuiltinOp op) { return kBuiltins[static_cast<int>(op)]; }

int builtinOf(OperatorFunc func) {
    for (int i = 0; i < kBuiltinCount; ++i)
        if (kBuiltins[i].func == func) return i;
    return -1;
}

}  // namespace mathparser
