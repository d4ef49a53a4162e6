// Formulas as a user types them, checked on both evaluators: every case asserts that the
// compiled path and the text walk agree, then checks the expected outcome.
#include "outcome.h"
#include "parser/mathparser.h"
#include "support/qtprinters.h"
#include "support/rownames.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <tuple>
#include <utility>

namespace {

const long double kPi = 3.14159265358979L;
const long double kE = 2.71828182845905L;
const long double kSine = std::sin(1.5L);  // sin(x)

Outcome value(long double v) { return {true, v, 0, {}, 0, 0}; }
Outcome error(int code, const char* message, int pos, int len) { return {false, 0, code, message, pos, len}; }
Outcome syntax(int pos, int len) { return error(1, "Fehlerhafte Syntax", pos, len); }
Outcome byZero(int pos, int len) { return error(2, "Division durch Null!", pos, len); }
Outcome invalid(int pos, int len) { return error(1, "Invalid Argument", pos, len); }
Outcome fault(int pos, int len) { return error(0, "Unbekannter Fehler", pos, len); }

using Case = std::pair<QString, Outcome>;  // the outcome to the last value bit

class MathParserTest : public ::testing::Test {
protected:
    void SetUp() override { parser.SetConstant("x", 1.5L); }

    Outcome eval(const QString& text) {
        const Outcome reference = referenceOutcome(parser, text);
        EXPECT_EQ(fastOutcome(parser, text), reference) << "formula " << text.toStdString();
        return reference;
    }
    void check(std::initializer_list<Case> cases) {
        for (const auto& [text, expected] : cases) EXPECT_EQ(eval(text), expected) << "formula " << text.toStdString();
    }

    AngleMode angles;
    TMathParser parser{true, u',', &angles};
};

// One formula per test, named after its text spelled out: "2*(-3)" runs as */2TimesOpenMinus3Close.
class Formula : public MathParserTest, public ::testing::WithParamInterface<Case> {};

TEST_P(Formula, Evaluates) { EXPECT_EQ(eval(GetParam().first), GetParam().second); }

std::string formulaName(const ::testing::TestParamInfo<Case>& info) {
    return rownames::spelled(info.param.first.toStdString());
}

const Case kPrecedence[] = {
    {"1+2*3", value(7)},
    {"2*7mod3", value(2)},
    {"7mod3*2", value(2)},
    {"-3^2", value(9)},
    {"-x^2", value(1.5L * 1.5L)},
    {"2^3^2", value(64)},
    {"8-3-2", value(3)},
    {"16/4/2", value(2)},
    {"round(x)^2", value(2)},  // rounds 2,25
    {"sqrt(x)^2", value(std::sqrt(1.5L) * std::sqrt(1.5L))},
    {"2*3min1", value(2)},
    {"2^2min3", value(3)},
    {"3min5", value(3)},
    {"3max5", value(5)},
};

INSTANTIATE_TEST_SUITE_P(TableOrderIsPrecedenceAndOperatorsAssociateLeft, Formula, ::testing::ValuesIn(kPrecedence),
                         formulaName);

const long double log2of8 = std::log(8.0L) / std::log(2.0L);
const Case kPrefixFunctions[] = {
    {"sin(x)", value(kSine)},
    {"2sin(x)", value(kSine)},
    {"-sin(x)", value(kSine)},
    {"sinx", value(kSine)},
    {"0-sin(x)", value(-kSine)},
    {"-1*sin(x)", value(-kSine)},
    {"sqrt4", value(2)},
    {"abs(0-3)", value(3)},
    {"cos(0)", value(1)},
    {"arccos(1)", value(0)},
    {"arcsin(1)", value(std::asin(1.0L))},
    {"sinh(1)", value(std::sinh(1.0L))},
    {"ln(e)", value(std::log(kE))},
    {"2pi", syntax(1, 3)},  // no implied multiplication
    {"(x)expe", value(std::exp(1.5L))},
    {"(x)exp0", value(std::exp(1.5L))},  // the right operand is evaluated and ignored ...
    {"(x)exp(1/0)", byZero(9, 1)},       // ... but it is evaluated
    {"(2)log(8)", value(log2of8)},
    {"2log8", value(log2of8)},
    {"exp(x)", syntax(1, 6)},
};

INSTANTIATE_TEST_SUITE_P(PrefixFunctionsTakeTheirRightSideAndInfixExpAndLogNeedALeftOperand, Formula,
                         ::testing::ValuesIn(kPrefixFunctions), formulaName);

const Case kNumbers[] = {
    {"Sin(x)", syntax(1, 6)},
    {"X", syntax(1, 1)},
    {"PI", syntax(1, 2)},
    {"pi", value(kPi)},
    {"e", value(kE)},
    {"2 + 3", value(5)},
    {" 2 ", value(2)},
    {"2 * x", syntax(4, 2)},
    {"sin (x)", syntax(4, 4)},
    {"2,5*2", value(5)},
    {"2.5*2", syntax(1, 3)},
    {",5", value(0.5L)},
    {"0,1", value(0.1L)},
    {"2e3", value(2000)},
    {"2E3", value(2000)},
    {"2e", value(2)},
    {"1,5e2", value(150)},
    {"1E5*2", value(200000)},
    {"1,2,3", syntax(1, 5)},
    {"1.000", syntax(1, 5)},
    {"1E5000", syntax(1, 6)},  // no thousands separators
    // A sign cannot follow the exponent letter: the bare "1E" before it does not read.
    {"1E-5", syntax(1, 2)},
    {"2e+3", syntax(1, 2)},
};

INSTANTIATE_TEST_SUITE_P(NumbersUseTheDecimalCommaNamesAreCaseSensitiveAndSpacesOnlyPadNumbers, Formula,
                         ::testing::ValuesIn(kNumbers), formulaName);

TEST_F(MathParserTest, AParserForTheDecimalPointReadsPointNotation) {
    TMathParser pointParser(true, u'.');
    EXPECT_EQ(pointParser.Evaluate("2.5*2"), 5);
    EXPECT_THROW(pointParser.Evaluate("2,5*2"), EMathParsing);
}

const Case kParentheses[] = {
    {"(2+3)*2", value(10)}, {"((2))", value(2)},    {"(2+3", syntax(1, 2)}, {"2+3)", syntax(1, 4)},
    {"()", syntax(2, 0)},   {"", syntax(1, 0)},     {"2*()", syntax(4, 0)}, {"-", syntax(2, 0)},
    {"2*-3", syntax(1, 2)}, {"2^-1", syntax(1, 2)}, {"2*(-3)", value(-6)},  {"2^(-1)", value(0.5L)},
    {"--2", syntax(2, 0)},  // the second minus splits first, leaving "-" alone
    {"+2", value(2)},
};

INSTANTIATE_TEST_SUITE_P(ParenthesesMustBalanceAndAMinusCannotFollowAnOperator, Formula,
                         ::testing::ValuesIn(kParentheses), formulaName);

const Case kDomainErrors[] = {
    {"1/0", byZero(2, 1)},
    {"2*(1/0)", byZero(5, 1)},
    {"7div0", byZero(2, 3)},
    {"(1)log(5)", byZero(4, 3)},
    {"7mod0", error(2, "Division by zero", 2, 3)},
    {"tan(pi/2)", error(2, "Division durch Null", 1, 3)},
    {"(0)log(5)", invalid(4, 3)},
    {"sqrt(0-1)", invalid(1, 4)},
    {"ln0", invalid(1, 2)},
    {"arcsin(2)", invalid(1, 6)},
    {"arccos(0-2)", invalid(1, 6)},
    // The left side is evaluated first: its error wins.
    {"1/0+Sin", byZero(2, 1)},
    {"Sin+1/0", syntax(1, 3)},
    // Arithmetic faults are general errors.
    {"7div0,4", fault(2, 3)},
    {"(2)log(0)", fault(4, 3)},
    {"(2)log(0-1)", fault(4, 3)},
    {"(0-2)^0,5", fault(6, 1)},
    {"0^(0-1)", fault(2, 1)},
    {"10^5000", fault(3, 1)},
    {"10^(0-5000)", fault(3, 1)},  // the power overflows before its reciprocal
    {"1E4000*1E4000", fault(7, 1)},
    {"sinh(100000)", fault(1, 4)},
    {"(100000)expe", fault(9, 3)},
    {"rad2deg(1E4931)", fault(1, 7)},
    // Every conversion to an integer is range-checked.
    {"round(1E19)", fault(1, 5)},
    {"1E19mod2", fault(5, 3)},
    {"5div1E19", fault(2, 3)},
    {"floor(3E9)", fault(1, 5)},
    {"ceil(0-3E9)", fault(1, 4)},
    {"round(9E18)", value(9e18L)},
    {"floor(2147483647,5)", value(2147483647)},
};

INSTANTIATE_TEST_SUITE_P(DomainErrorsAndArithmeticFaultsCarryTheirCodeMessageAndTheOperator, Formula,
                         ::testing::ValuesIn(kDomainErrors), formulaName);

const Case kIntegerOperators[] = {
    {"round(2,5)", value(2)},
    {"round(3,5)", value(4)},
    {"round(0-2,5)", value(-2)},
    {"7,5mod2", value(0)},
    {"7mod2,5", value(1)},
    {"-7mod3", value(-1)},
    {"7mod(-3)", value(1)},
    {"-7div2", value(-3)},
    {"7div2", value(3)},
    {"floor(0-2,5)", value(-3)},
    {"ceil(0-2,5)", value(-2)},
    {"(0-9223372036854775807)mod(-1)", value(0)},
    // Powers: 0^0 is 1, whole exponents multiply out, others go through the logarithm.
    {"0^0", value(1)},
    {"0^2", value(0)},
    {"0^0,5", value(0)},
    {"(0-2)^3", value(-8)},
    {"2^(0-2)", value(0.25L)},
    {"2^10", value(1024)},
    {"x^2", value(2.25L)},
    {"x^3", value(1.5L * 1.5L * 1.5L)},
    {"2^0,5", value(std::exp(0.5L * std::log(2.0L)))},
};

INSTANTIATE_TEST_SUITE_P(IntegerOperatorsRoundHalvesToEvenAndPowersFollowTheirRules, Formula,
                         ::testing::ValuesIn(kIntegerOperators), formulaName);

const Case kRadians[] = {
    {"sin(pi)", value(0)},
    {"sin(-pi)", value(0)},
    {"tanh(6000)", value(1)},
    {"tanh(0-6000)", value(-1)},
    {"deg2rad(180)", value(180 * (3.141592653589793238462643383279502884L / 180))},
};

INSTANTIATE_TEST_SUITE_P(AngleFunctionsInRadians, Formula, ::testing::ValuesIn(kRadians), formulaName);

TEST_F(MathParserTest, AngleFunctionsFollowDegreeMode) {
    angles.DegreeMode = 1;
    check({{"tan(90)", error(2, "Division durch Null", 1, 3)}});
    for (auto [text, expected] : {std::pair{"sin(30)", 0.5L},
                                  {"cos(60)", 0.5L},
                                  {"arcsin(1)", 90.0L},
                                  {"arctan(1)", 45.0L},
                                  {"sinh(1)", std::sinh(1.0L)},
                                  {"deg2rad(180)", kPi}})  // the last two ignore the mode
        EXPECT_NEAR(static_cast<double>(eval(text).value), static_cast<double>(expected), 1e-12) << text;
}

TEST_F(MathParserTest, ConstantsAndOperatorsCanBeAddedAndReplaced) {
    TCompiledFormula late = parser.Compile("a*x");  // a constant named after compiling is picked up
    EXPECT_THROW(late.Evaluate(2), EMathParsing);
    check({{"a+1", syntax(1, 1)}});
    parser.SetConstant("a", 2);
    EXPECT_EQ(late.Evaluate(2), 4);
    check({{"a+1", value(3)}});
    parser.SetConstant("a", 5);
    check({{"a+1", value(6)}});

    const auto setupMessage = [](auto setup) {
        try {
            setup();
        } catch (const EMathParser& e) {
            return e.Message;
        }
        return QString("accepted");
    };
    EXPECT_EQ(setupMessage([&] { parser.AddOperator("+", OperandSet::LeftRight, userMinus); }),
              "Operator \"+\" does already exist.");
    EXPECT_EQ(setupMessage([&] { parser.AddConstant("", 1); }), "The constant name \"\" is invalid.");

    // A user-added operator binds tighter than every built-in one; its domain error comes
    // through with the code and message it set.
    parser.AddOperator("#", OperandSet::LeftRight, userMinus);
    check({{"2^5#1", value(16)}, {"10-5#1", value(6)}, {"1+3#4", error(3, "zu klein", 4, 1)}});
}

TEST_F(MathParserTest, ParserStaysUsableAfterAnErrorAndDeepNestingFails) {
    EXPECT_THROW(parser.Evaluate("1/0"), EMathParsing);
    EXPECT_EQ((std::pair{parser.ErrorCode, parser.ErrorPos}), (std::pair{2, 2}));
    EXPECT_EQ(parser.Evaluate("1+1"), 2);
    EXPECT_EQ((std::pair{parser.ErrorCode, parser.ErrorMessage}), (std::pair{0, QString("Unbekannter Fehler")}));

    TMathParser bare(false);  // without the built-in operators and constants
    EXPECT_TRUE(bare.Operators().empty() && bare.Constants().empty());
    EXPECT_THROW(bare.Evaluate("1+2"), EMathParsing);
    EXPECT_EQ(bare.Evaluate("12"), 12);

    // Nesting deeper than the evaluators recurse ends in an error, not a crash.
    const Outcome o = eval(QString(1001, u'(') + "1" + QString(1001, u')'));
    EXPECT_EQ((std::pair{o.ok, o.code}), (std::pair{false, 0}));
    check({{"1" + QString("+1").repeated(500), value(501)}});
}

TEST(FindOperatorPos, FindsTheLastOccurrenceOutsideParentheses) {
    // "sin" in "arcsin" is a plain substring match.
    for (auto [text, op, pos] : {std::tuple{u"(1+2)+3", u"+", 6},
                                 {u"1+(2+3)", u"+", 2},
                                 {u"(1+2)", u"+", 0},
                                 {u"arcsin(x)", u"sin", 4},
                                 {u"", u"+", 0}})
        EXPECT_EQ(TMathParser::FindOperatorPos(text, op), pos) << QString::fromUtf16(text).toStdString();
}

}  // namespace
