// Formulas as a user types them, checked on both evaluators: every case asserts that the
// compiled path and the text walk agree, then checks the expected outcome.
#include "outcome.h"
#include "parser/mathparser.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const long double kPi = 3.14159265358979L;
const long double kE = 2.71828182845905L;

class MathParserTest : public ::testing::Test {
protected:
    void SetUp() override {
        DegreeMode = 0;
        parser.SetConstant("x", 1.5L);
    }
    void TearDown() override { DegreeMode = 0; }

    Outcome eval(const QString& text) {
        const Outcome reference = referenceOutcome(parser, text);
        EXPECT_EQ(fastOutcome(parser, text), reference) << "formula " << text.toStdString();
        return reference;
    }
    void expectValue(const QString& text, long double expected) {
        const Outcome o = eval(text);
        EXPECT_TRUE(o.ok) << text.toStdString() << ": " << o;
        EXPECT_EQ(o.value, expected) << text.toStdString();
    }
    void expectNear(const QString& text, long double expected) {
        const Outcome o = eval(text);
        EXPECT_TRUE(o.ok) << text.toStdString() << ": " << o;
        EXPECT_NEAR(static_cast<double>(o.value), static_cast<double>(expected), 1e-12) << text.toStdString();
    }
    void expectError(const QString& text, int code, const QString& message, int pos, int len) {
        const Outcome o = eval(text);
        Outcome expected;
        expected.code = code;
        expected.message = message;
        expected.pos = pos;
        expected.len = len;
        EXPECT_EQ(o, expected) << "formula " << text.toStdString();
    }
    void expectSyntaxError(const QString& text, int pos, int len) {
        expectError(text, 1, "Fehlerhafte Syntax", pos, len);
    }
    void expectFault(const QString& text, int pos, int len) { expectError(text, 0, "Unbekannter Fehler", pos, len); }

    TMathParser parser;
};

TEST_F(MathParserTest, TableOrderIsPrecedenceAndOperatorsAssociateLeft) {
    expectValue("1+2*3", 7);
    expectValue("2*7mod3", 2);
    expectValue("7mod3*2", 2);
    expectValue("-3^2", 9);
    expectValue("-x^2", 1.5L * 1.5L);
    expectValue("2^3^2", 64);
    expectValue("8-3-2", 3);
    expectValue("16/4/2", 2);
    expectValue("round(x)^2", 2);  // rounds 2,25
    expectValue("sqrt(x)^2", std::sqrt(1.5L) * std::sqrt(1.5L));
    expectValue("2*3min1", 2);
    expectValue("2^2min3", 3);
    expectValue("3min5", 3);
    expectValue("3max5", 5);
}

TEST_F(MathParserTest, PrefixFunctionsTakeEverythingToTheirRightAndIgnoreTheLeft) {
    const long double sine = std::sin(1.5L);
    expectValue("sin(x)", sine);
    expectValue("2sin(x)", sine);
    expectValue("-sin(x)", sine);
    expectValue("0-sin(x)", -sine);
    expectValue("-1*sin(x)", -sine);
    expectValue("sinx", sine);
    expectValue("sqrt4", 2);
    expectValue("abs(0-3)", 3);
    expectValue("arcsin(1)", std::asin(1.0L));
    expectValue("sinh(1)", std::sinh(1.0L));
    expectValue("cos(0)", 1);
    expectValue("ln(e)", std::log(kE));
    expectSyntaxError("2pi", 1, 3);  // no implied multiplication
}

TEST_F(MathParserTest, InfixExpAndLogNeedALeftOperand) {
    expectValue("(x)expe", std::exp(1.5L));
    expectValue("(x)exp0", std::exp(1.5L));  // the right operand is evaluated and ignored
    expectValue("(2)log(8)", std::log(8.0L) / std::log(2.0L));
    expectNear("(2)log(8)", 3);
    expectValue("2log8", std::log(8.0L) / std::log(2.0L));
    expectSyntaxError("exp(x)", 1, 6);
    expectError("(x)exp(1/0)", 2, "Division durch Null!", 9, 1);  // ... but it is evaluated
}

TEST_F(MathParserTest, NamesAreCaseSensitiveAndSpacesOnlyPadNumbers) {
    expectSyntaxError("Sin(x)", 1, 6);
    expectSyntaxError("X", 1, 1);
    expectSyntaxError("PI", 1, 2);
    expectValue("pi", kPi);
    expectValue("e", kE);
    expectValue("2 + 3", 5);
    expectValue(" 2 ", 2);
    expectSyntaxError("2 * x", 4, 2);
    expectSyntaxError("sin (x)", 4, 4);
}

TEST_F(MathParserTest, NumbersUseTheDecimalCommaAndAnOptionalExponent) {
    expectValue("2,5*2", 5);
    expectSyntaxError("2.5*2", 1, 3);
    expectValue("2e3", 2000);
    expectValue("2E3", 2000);
    expectValue("2e", 2);
    expectValue("1,5e2", 150);
    expectValue(",5", 0.5L);
    expectValue("0,1", 0.1L);
    expectSyntaxError("1,2,3", 1, 5);
    expectSyntaxError("1.000", 1, 5);  // no thousands separators
    expectSyntaxError("1E5000", 1, 6);
    // A sign cannot follow the exponent letter: the bare "1E" before it does not read.
    expectSyntaxError("1E-5", 1, 2);
    expectSyntaxError("2e+3", 1, 2);
    expectValue("1E5*2", 200000);

    TMathParser pointParser(true, u'.');
    EXPECT_EQ(pointParser.Evaluate("2.5*2"), 5);
    EXPECT_THROW(pointParser.Evaluate("2,5*2"), EMathParsing);
}

TEST_F(MathParserTest, ParenthesesMustBalanceAndNotBeEmpty) {
    expectValue("(2+3)*2", 10);
    expectValue("((2))", 2);
    expectSyntaxError("(2+3", 1, 2);
    expectSyntaxError("2+3)", 1, 4);
    expectSyntaxError("()", 2, 0);
    expectSyntaxError("", 1, 0);
    expectSyntaxError("2*()", 4, 0);
    expectSyntaxError("-", 2, 0);
}

TEST_F(MathParserTest, MinusRightAfterAnOperatorIsASyntaxError) {
    expectSyntaxError("2*-3", 1, 2);
    expectSyntaxError("2^-1", 1, 2);
    expectValue("2*(-3)", -6);
    expectValue("2^(-1)", 0.5L);
    expectSyntaxError("--2", 2, 0);  // the second minus splits first, leaving "-" alone
    expectValue("+2", 2);
}

TEST_F(MathParserTest, DomainErrorsCarryTheirCodeMessageAndTheOperator) {
    expectError("1/0", 2, "Division durch Null!", 2, 1);
    expectError("2*(1/0)", 2, "Division durch Null!", 5, 1);
    expectError("7mod0", 2, "Division by zero", 2, 3);
    expectError("7div0", 2, "Division durch Null!", 2, 3);
    expectError("(1)log(5)", 2, "Division durch Null!", 4, 3);
    expectError("(0)log(5)", 1, "Invalid Argument", 4, 3);
    expectError("sqrt(0-1)", 1, "Invalid Argument", 1, 4);
    expectError("ln0", 1, "Invalid Argument", 1, 2);
    expectError("arcsin(2)", 1, "Invalid Argument", 1, 6);
    expectError("arccos(0-2)", 1, "Invalid Argument", 1, 6);
    DegreeMode = 1;
    expectError("tan(90)", 2, "Division durch Null", 1, 3);
    DegreeMode = 0;
    expectError("tan(pi/2)", 2, "Division durch Null", 1, 3);
    // The left side is evaluated first: its error wins.
    expectError("1/0+Sin", 2, "Division durch Null!", 2, 1);
    expectSyntaxError("Sin+1/0", 1, 3);
}

TEST_F(MathParserTest, ArithmeticFaultsAreGeneralErrorsAtTheOperator) {
    expectFault("7div0,4", 2, 3);
    expectFault("(2)log(0)", 4, 3);
    expectFault("(2)log(0-1)", 4, 3);
    expectFault("(0-2)^0,5", 6, 1);
    expectFault("0^(0-1)", 2, 1);
    expectFault("10^5000", 3, 1);
    expectFault("10^(0-5000)", 3, 1);  // the power overflows before its reciprocal
    expectFault("1E4000*1E4000", 7, 1);
    expectFault("sinh(100000)", 1, 4);
    expectFault("(100000)expe", 9, 3);
    expectFault("rad2deg(1E4931)", 1, 7);
    // Every conversion to an integer is range-checked.
    expectFault("round(1E19)", 1, 5);
    expectFault("1E19mod2", 5, 3);
    expectFault("5div1E19", 2, 3);
    expectFault("floor(3E9)", 1, 5);
    expectFault("ceil(0-3E9)", 1, 4);
    expectValue("round(9E18)", 9e18L);
    expectValue("floor(2147483647,5)", 2147483647);
}

TEST_F(MathParserTest, IntegerOperatorsRoundHalvesToEven) {
    expectValue("round(2,5)", 2);
    expectValue("round(3,5)", 4);
    expectValue("round(0-2,5)", -2);
    expectValue("7,5mod2", 0);
    expectValue("7mod2,5", 1);
    expectValue("-7mod3", -1);
    expectValue("7mod(-3)", 1);
    expectValue("-7div2", -3);
    expectValue("7div2", 3);
    expectValue("floor(0-2,5)", -3);
    expectValue("ceil(0-2,5)", -2);
    expectValue("(0-9223372036854775807)mod(-1)", 0);
}

TEST_F(MathParserTest, PowerRules) {
    expectValue("0^0", 1);
    expectValue("0^2", 0);
    expectValue("0^0,5", 0);
    expectValue("(0-2)^3", -8);
    expectValue("2^(0-2)", 0.25L);
    expectValue("2^10", 1024);
    expectValue("x^2", 2.25L);
    expectValue("x^3", 1.5L * 1.5L * 1.5L);
    expectValue("2^0,5", std::exp(0.5L * std::log(2.0L)));
}

TEST_F(MathParserTest, AngleFunctionsFollowDegreeMode) {
    expectValue("sin(pi)", 0);
    expectValue("sin(-pi)", 0);
    expectValue("tanh(6000)", 1);
    expectValue("tanh(0-6000)", -1);
    expectValue("deg2rad(180)", 180 * (3.141592653589793238462643383279502884L / 180));
    DegreeMode = 1;
    expectNear("sin(30)", 0.5L);
    expectNear("cos(60)", 0.5L);
    expectNear("arcsin(1)", 90);
    expectNear("arctan(1)", 45);
    expectNear("deg2rad(180)", 3.14159265358979L);  // ignores the mode
    expectNear("sinh(1)", std::sinh(1.0L));
}

TEST_F(MathParserTest, ConstantsAndOperatorsCanBeAddedAndReplaced) {
    expectSyntaxError("a+1", 1, 1);
    parser.SetConstant("a", 2);
    expectValue("a+1", 3);
    parser.SetConstant("a", 5);
    expectValue("a+1", 6);
    EXPECT_EQ(parser.FindConstant(u"a"), 3);  // after e, pi, x
    EXPECT_EQ(parser.FindConstant(u"A"), -1);
    EXPECT_EQ(parser.FindOperator(u"sin"), 23);

    try {
        parser.AddOperator("+", OperandSet::LeftRight, parser.Operators()[0].Func);
        FAIL() << "duplicate operator accepted";
    } catch (const EMathParser& e) {
        EXPECT_EQ(e.Message, "Operator \"+\" does already exist.");
    }
    try {
        parser.AddConstant("", 1);
        FAIL() << "empty constant name accepted";
    } catch (const EMathParser& e) {
        EXPECT_EQ(e.Message, "The constant name \"\" is invalid.");
    }

    // A user-added operator binds tighter than every built-in one; its domain error comes
    // through with the code and message it set.
    parser.AddOperator("%", OperandSet::LeftRight,
                       [](const QString&, long double a, long double b, int& code, QString& message) -> long double {
                           if (b == 0) {
                               code = 2;
                               message = "Prozent von nichts";
                               throw EOperatorError(message);
                           }
                           return a / b * 100;
                       });
    expectValue("2^1%4", 33554432);  // 2^(1%4)
    expectError("1+3%0", 2, "Prozent von nichts", 4, 1);
    expectValue("1+3%4", 76);
}

TEST_F(MathParserTest, ParserStaysUsableAfterAnError) {
    EXPECT_THROW(parser.Evaluate("1/0"), EMathParsing);
    EXPECT_EQ(parser.ErrorCode, 2);
    EXPECT_EQ(parser.ErrorPos, 2);
    EXPECT_EQ(parser.Evaluate("1+1"), 2);
    EXPECT_EQ(parser.ErrorCode, 0);
    EXPECT_EQ(parser.ErrorMessage, "Unbekannter Fehler");

    TMathParser bare(false);
    EXPECT_EQ(bare.ErrorCode, 0);
    EXPECT_EQ(bare.ErrorPos, 0);
    EXPECT_EQ(bare.ErrorLen, 0);
    EXPECT_TRUE(bare.ErrorMessage.isEmpty());
    EXPECT_TRUE(bare.Operators().empty());
    EXPECT_TRUE(bare.Constants().empty());
    EXPECT_THROW(bare.Evaluate("1+2"), EMathParsing);
    EXPECT_EQ(bare.Evaluate("12"), 12);
}

TEST_F(MathParserTest, DeepNestingEndsInAnErrorNotACrash) {
    const QString deep = QString(1001, u'(') + "1" + QString(1001, u')');
    const Outcome o = eval(deep);
    EXPECT_FALSE(o.ok);
    EXPECT_EQ(o.code, 0);
    QString sum = "1";
    for (int i = 0; i < 500; ++i) sum += "+1";
    expectValue(sum, 501);
}

TEST(FindOperatorPos, FindsTheLastOccurrenceOutsideParentheses) {
    EXPECT_EQ(TMathParser::FindOperatorPos(u"(1+2)+3", u"+"), 6);
    EXPECT_EQ(TMathParser::FindOperatorPos(u"1+(2+3)", u"+"), 2);
    EXPECT_EQ(TMathParser::FindOperatorPos(u"(1+2)", u"+"), 0);
    EXPECT_EQ(TMathParser::FindOperatorPos(u"arcsin(x)", u"sin"), 4);  // plain substring match
    EXPECT_EQ(TMathParser::FindOperatorPos(u"", u"+"), 0);
}

TEST(CompiledFormula, RepeatedEvaluationMatchesEvaluate) {
    TMathParser parser;
    parser.SetConstant("a", 3);
    TCompiledFormula f = parser.Compile("a/x+sqrt(x)");
    std::vector<long double> xs;
    for (int i = -20; i <= 20; ++i) xs.push_back(i / 4.0L);
    std::vector<long double> ys(xs.size());
    std::unique_ptr<bool[]> ok(new bool[xs.size()]);
    f.EvaluateBatch(xs.data(), ys.data(), ok.get(), xs.size());
    for (size_t i = 0; i < xs.size(); ++i) {
        parser.SetConstant("x", xs[i]);
        const Outcome expected = referenceOutcome(parser, f.Text());
        EXPECT_EQ(outcomeOf([&] { return f.Evaluate(xs[i]); }), expected) << static_cast<double>(xs[i]);
        long double y = -1;
        EXPECT_EQ(f.TryEvaluate(xs[i], y), expected.ok);
        EXPECT_EQ(ok[i], expected.ok);
        if (expected.ok) {
            EXPECT_EQ(y, expected.value);
            EXPECT_EQ(ys[i], expected.value);
        } else {
            EXPECT_EQ(parser.ErrorCode, expected.code);
            EXPECT_EQ(parser.ErrorPos, expected.pos);
            EXPECT_EQ(ys[i], 0);
        }
    }
    // A constant named after compiling is picked up.
    TCompiledFormula g = parser.Compile("b*x");
    EXPECT_THROW(g.Evaluate(2), EMathParsing);
    parser.SetConstant("b", 4);
    EXPECT_EQ(g.Evaluate(2), 8);
}

}  // namespace
