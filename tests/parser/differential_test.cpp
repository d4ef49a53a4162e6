// Generated formulas, many of them broken, at x values that make operators fail: the compiled
// path (Evaluate, the compiled handle, the batch) must agree with the text walk on every one,
// also for a user-added operator and for a constant that is named halfway through.
#include "outcome.h"
#include "parser/mathparser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace {

const char* const kFunctions[] = {"round", "abs",  "floor", "ceil", "sqrt", "ln",  "arcsin",  "arccos", "arctan",
                                  "sinh",  "cosh", "tanh",  "sin",  "cos",  "tan", "deg2rad", "rad2deg"};
const char* const kInfix[] = {"+", "-", "*", "/", "mod", "div", "min", "max", "^", "exp", "log", "#"};
const char* const kLeaves[] = {"x",  "x",  "x",   "a",  "b",     "e", "pi", "0", "1", "2",   "3",   "0,5", "2,5",
                               "10", "90", "1E3", "2e", "1E400", "7", ",5", "X", "",  " 2 ", "1.5", "c",   "1E4000"};

class FormulaGenerator {
public:
    explicit FormulaGenerator(unsigned seed) : rng_(seed) {}

    QString next() { return QString::fromStdString(pick(4) == 0 ? soup() : expression(0)); }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    template <size_t N>
    std::string pickFrom(const char* const (&list)[N]) {
        return list[pick(static_cast<int>(N))];
    }

    std::string expression(int depth) {
        if (depth > 4 || pick(3) == 0) return pickFrom(kLeaves);
        switch (pick(6)) {
        case 0: return "(" + expression(depth + 1) + ")";
        case 1: return (pick(2) ? "-" : "+") + expression(depth + 1);
        case 2: return pickFrom(kFunctions) + (pick(3) ? "(" + expression(depth + 1) + ")" : expression(depth + 1));
        default: return expression(depth + 1) + pickFrom(kInfix) + expression(depth + 1);
        }
    }

    // Token soup: unbalanced parentheses, stray signs, spaces, names inside names.
    std::string soup() {
        static const char* const extra[] = {"(", ")", "(", ")", " ", "-", "E", "e", ",", "1", "x", "2", "0"};
        std::string s;
        for (int i = pick(10); i >= 0; --i)
            s += pick(2) ? (pick(2) ? pickFrom(kFunctions) : pickFrom(kInfix)) : pickFrom(extra);
        return s;
    }

    std::mt19937 rng_;
};

const long double kXs[] = {1.5L, 0, -2, 0.5L, 90, -1e-5L, 1e300L, -7.5L, 1e4000L, 3.14159265358979L};

TEST(Differential, CompiledEvaluationMatchesTheTextWalk) {
    FormulaGenerator generator(20261206);
    AngleMode angles;
    TMathParser parser(true, u',', &angles);
    parser.SetConstant("a", 2.5L);
    parser.SetConstant("b", -3);
    parser.AddOperator("#", OperandSet::LeftRight, userMinus);
    int failures = 0;
    int successes = 0;
    for (int n = 0; n < 3000; ++n) {
        const QString text = generator.next();
        angles.DegreeMode = static_cast<std::uint8_t>(n % 2);
        if (n == 1500) parser.SetConstant("c", 4);  // a new name: compiled forms must follow
        TCompiledFormula compiled = parser.Compile(text);
        constexpr size_t kCount = sizeof kXs / sizeof kXs[0];
        long double ys[kCount];
        bool ok[kCount];
        compiled.EvaluateBatch(kXs, ys, ok, kCount);
        for (size_t i = 0; i < kCount; ++i) {
            parser.SetConstant("x", kXs[i]);
            const Outcome reference = referenceOutcome(parser, compiled.Text());
            const std::string where =
                text.toStdString().append(" at x=").append(std::to_string(static_cast<double>(kXs[i])));
            ASSERT_EQ(fastOutcome(parser, text), reference) << where;
            ASSERT_EQ(outcomeOf([&] { return compiled.Evaluate(kXs[i]); }), reference) << where;
            ASSERT_EQ(triedOutcome(parser, compiled, kXs[i]), reference) << where;
            ASSERT_EQ(ok[i], reference.ok) << where << " (batch)";
            ASSERT_EQ(ys[i], reference.ok ? reference.value : 0) << where << " (batch)";
            ASSERT_TRUE(!reference.ok || std::isfinite(reference.value)) << where;
            (reference.ok ? successes : failures)++;
        }
    }
    // The generator must exercise both sides, or the comparison says little.
    EXPECT_GT(successes, 3000);
    EXPECT_GT(failures, 3000);
}

// The double batch screens points for the plotter: wherever it answers, the 80-bit evaluation
// must succeed too and agree closely; where the two could disagree it must not answer.
TEST(Differential, DoubleBatchAnswersOnlyWhereItAgrees) {
    FormulaGenerator generator(777);
    AngleMode angles;
    TMathParser parser(true, u',', &angles);
    parser.SetConstant("a", 2.5L);
    parser.SetConstant("b", -3);
    constexpr size_t kCount = sizeof kXs / sizeof kXs[0];
    double xs[kCount];
    for (size_t i = 0; i < kCount; ++i) xs[i] = static_cast<double>(kXs[i]);
    int answered = 0;
    for (int n = 0; n < 3000; ++n) {
        const QString text = generator.next();
        angles.DegreeMode = static_cast<std::uint8_t>(n % 2);
        TCompiledFormula compiled = parser.Compile(text);
        double ys[kCount];
        bool ok[kCount];
        compiled.EvaluateBatchDouble(xs, ys, ok, kCount);
        for (size_t i = 0; i < kCount; ++i) {
            if (!ok[i]) continue;
            parser.SetConstant("x", xs[i]);  // the point the double batch saw
            const Outcome reference = referenceOutcome(parser, compiled.Text());
            const std::string where = text.toStdString().append(" at x=").append(std::to_string(xs[i]));
            ASSERT_TRUE(reference.ok) << where;
            const double exact = static_cast<double>(reference.value);
            EXPECT_LE(std::fabs(ys[i] - exact), 1e-9 * (1 + std::fabs(exact))) << where;
            ++answered;
        }
    }
    EXPECT_GT(answered, 3000);
}

TEST(Differential, DoubleBatchLeavesDomainEdgesTo80Bit) {
    struct Case {
        const char* formula;
        double x;
        bool answers;
    } const cases[] = {
        {"x^2-3", 2, true},
        {"floor(x)", 2, false},
        {"floor(x)", 2.5, true},
        {"round(x)", 0.5, false},
        {"sqrt(x)", 0, false},
        {"sqrt(x)", 1e-20, false},
        {"1/(x-1)", 1, false},
        {"arcsin(x)", 1, false},
        {"arcsin(x)", 0.5, true},
        {"ln(x)", -1, false},
        {"xmod3", 4.5, false},
        {"(x)exp", 800, false},
        {"tan(x)", 1.5707963267949, false},
        {"sin(x)", 1e6, false},
        {"(-2)^x", 3, false},
    };
    TMathParser parser;
    for (const Case& c : cases) {
        TCompiledFormula f = parser.Compile(c.formula);
        double y = 0;
        bool ok = false;
        f.EvaluateBatchDouble(&c.x, &y, &ok, 1);
        EXPECT_EQ(ok, c.answers) << c.formula << " at " << c.x;
    }
}

}  // namespace
