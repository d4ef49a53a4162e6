// Formula evaluation: our compiled evaluator against muParser and against the same formula
// written by hand with long double, per x over a plotter-like sweep of 401 points, and the
// cost of parsing plus the first evaluation. Compare the "time_per_x" and "Time" columns.
#include "parser/mathparser.h"

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

struct Formula {
    const char* ours;
    const char* muparser;
    long double (*hand)(long double x);  // in the order our split computes it
};

const Formula kFormulas[] = {
    {"x^2-3", "x^2-3", [](long double x) { return x * x - 3; }},
    {"sin(x)^2+cos(x)*x", "sin(x)^2+cos(x)*x",
     [](long double x) {
         const long double s = std::sin(x);
         return s * s + std::cos(x) * x;
     }},
    {"sqrt(abs(x))+ln(x^2+1)", "sqrt(abs(x))+ln(x^2+1)",
     [](long double x) { return std::sqrt(std::fabs(x)) + std::log(x * x + 1); }},
    {"(x+1)*(x-1)/(x^2+2)", "(x+1)*(x-1)/(x^2+2)", [](long double x) { return (x + 1) * ((x - 1) / (x * x + 2)); }},
};

constexpr int kPoints = 401;

std::vector<long double> sweep() {
    std::vector<long double> xs(kPoints);
    for (int i = 0; i < kPoints; ++i) xs[i] = (i - 200) / 20.0L + 0.025L;
    return xs;
}

void perX(benchmark::State& state) {
    // Seconds per x value: "6.1n" reads 6,1 ns.
    state.counters["time_per_x"] =
        benchmark::Counter(kPoints, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.SetLabel(kFormulas[state.range(0)].ours);
}

void BM_HandWritten(benchmark::State& state) {
    const Formula& f = kFormulas[state.range(0)];
    const std::vector<long double> xs = sweep();
    std::vector<long double> ys(kPoints);
    for (auto _ : state) {
        for (int i = 0; i < kPoints; ++i) ys[i] = f.hand(xs[i]);
        benchmark::DoNotOptimize(ys.data());
        benchmark::ClobberMemory();
    }
    perX(state);
}

void BM_OursBatch(benchmark::State& state) {
    TMathParser parser;
    TCompiledFormula f = parser.Compile(kFormulas[state.range(0)].ours);
    const std::vector<long double> xs = sweep();
    std::vector<long double> ys(kPoints);
    std::unique_ptr<bool[]> ok(new bool[kPoints]);
    for (auto _ : state) {
        f.EvaluateBatch(xs.data(), ys.data(), ok.get(), kPoints);
        benchmark::DoNotOptimize(ys.data());
        benchmark::ClobberMemory();
    }
    perX(state);
}

// The double batch that screens the intersection search's points.
void BM_OursBatchDouble(benchmark::State& state) {
    TMathParser parser;
    TCompiledFormula f = parser.Compile(kFormulas[state.range(0)].ours);
    const std::vector<long double> sweep80 = sweep();
    const std::vector<double> xs(sweep80.begin(), sweep80.end());
    std::vector<double> ys(kPoints);
    std::unique_ptr<bool[]> ok(new bool[kPoints]);
    for (auto _ : state) {
        f.EvaluateBatchDouble(xs.data(), ys.data(), ok.get(), kPoints);
        benchmark::DoNotOptimize(ys.data());
        benchmark::ClobberMemory();
    }
    perX(state);
}

void BM_OursCompiled(benchmark::State& state) {
    TMathParser parser;
    TCompiledFormula f = parser.Compile(kFormulas[state.range(0)].ours);
    const std::vector<long double> xs = sweep();
    std::vector<long double> ys(kPoints);
    for (auto _ : state) {
        for (int i = 0; i < kPoints; ++i) f.TryEvaluate(xs[i], ys[i]);
        benchmark::DoNotOptimize(ys.data());
        benchmark::ClobberMemory();
    }
    perX(state);
}

// The simplest calling pattern: set "x", evaluate the text (compiled once, then cached), or
// walk the text every time with the reference evaluator.
template <long double (TMathParser::*evaluate)(const QString&)>
void BM_OursByText(benchmark::State& state) {
    TMathParser parser;
    const QString text = kFormulas[state.range(0)].ours;
    const QString x = QStringLiteral("x");
    const std::vector<long double> xs = sweep();
    std::vector<long double> ys(kPoints);
    for (auto _ : state) {
        for (int i = 0; i < kPoints; ++i) {
            parser.SetConstant(x, xs[i]);
            ys[i] = (parser.*evaluate)(text);
        }
        benchmark::DoNotOptimize(ys.data());
        benchmark::ClobberMemory();
    }
    perX(state);
}
void BM_OursEvaluate(benchmark::State& state) { BM_OursByText<&TMathParser::Evaluate>(state); }
void BM_OursReference(benchmark::State& state) { BM_OursByText<&TMathParser::EvaluateReference>(state); }

void BM_MuParser(benchmark::State& state) {
    mu::Parser parser;
    double x = 0;
    parser.DefineVar("x", &x);
    parser.SetExpr(kFormulas[state.range(0)].muparser);
    const std::vector<long double> xs = sweep();
    std::vector<double> ys(kPoints);
    for (auto _ : state) {
        for (int i = 0; i < kPoints; ++i) {
            x = static_cast<double>(xs[i]);
            ys[i] = parser.Eval();
        }
        benchmark::DoNotOptimize(ys.data());
        benchmark::ClobberMemory();
    }
    perX(state);
}

// Setting up a parser alone: subtract it from the next one to see parse + first evaluation.
void BM_OursNewParser(benchmark::State& state) {
    for (auto _ : state) {
        TMathParser parser;
        benchmark::DoNotOptimize(parser.Operators().data());
    }
}

// Parse + first evaluation on a new parser (as the function panel does per click).
void BM_OursNewParserFirstEvaluation(benchmark::State& state) {
    const QString text = kFormulas[state.range(0)].ours;
    for (auto _ : state) {
        TMathParser parser;
        parser.SetConstant(QStringLiteral("x"), 1.5L);
        benchmark::DoNotOptimize(parser.Evaluate(text));
    }
    state.SetLabel(kFormulas[state.range(0)].ours);
}

void BM_MuParserFirstEvaluation(benchmark::State& state) {
    for (auto _ : state) {
        mu::Parser parser;
        double x = 1.5;
        parser.DefineVar("x", &x);
        parser.SetExpr(kFormulas[state.range(0)].muparser);
        benchmark::DoNotOptimize(parser.Eval());
    }
    state.SetLabel(kFormulas[state.range(0)].ours);
}

}  // namespace

BENCHMARK(BM_HandWritten)->DenseRange(0, 3);
BENCHMARK(BM_OursBatch)->DenseRange(0, 3);
BENCHMARK(BM_OursBatchDouble)->DenseRange(0, 3);
BENCHMARK(BM_OursCompiled)->DenseRange(0, 3);
BENCHMARK(BM_OursEvaluate)->DenseRange(0, 3);
BENCHMARK(BM_MuParser)->DenseRange(0, 3);
BENCHMARK(BM_OursReference)->DenseRange(0, 3);
BENCHMARK(BM_OursNewParser);
BENCHMARK(BM_OursNewParserFirstEvaluation)->DenseRange(0, 3);
BENCHMARK(BM_MuParserFirstEvaluation)->DenseRange(0, 3);

BENCHMARK_MAIN();
