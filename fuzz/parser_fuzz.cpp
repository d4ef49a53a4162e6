// Formula texts: evaluating never crashes, never yields an infinite or NaN value, and the
// compiled path agrees with the text walk on value bits and on every error field.
// The first byte picks x and the angle unit; the rest is the formula (UTF-8).
#include "parser/mathparser.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

struct Result {
    bool ok = false;
    long double value = 0;
    int code = 0;
    QString message;
    int pos = 0;
    int len = 0;
};

template <typename F>
Result run(F evaluate) {
    Result r;
    try {
        r.value = evaluate();
        r.ok = true;
    } catch (const EMathParsing& e) {
        r.code = e.ErrorCode;
        r.message = e.Message;
        r.pos = e.ErrorPos;
        r.len = e.ErrorLen;
    }
    return r;
}

bool same(const Result& a, const Result& b) {
    if (a.ok != b.ok) return false;
    if (a.ok) return std::memcmp(&a.value, &b.value, 10) == 0;
    return a.code == b.code && a.message == b.message && a.pos == b.pos && a.len == b.len;
}

const long double kXs[] = {1.5L, 0, -2, 0.5L, 90, -1e-5L, 1e300L, 1e4000L};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const long double x = kXs[data[0] % 8];
    static AngleMode angles;
    angles.DegreeMode = (data[0] & 8) ? 1 : 0;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    static TMathParser parser(true, u',', &angles);  // as the plotter keeps one: its compiled forms are reused
    parser.SetConstant("x", x);
    parser.SetConstant("a", 2.5L);
    const Result reference = run([&] { return parser.EvaluateReference(text); });
    const Result fast = run([&] { return parser.Evaluate(text); });
    TCompiledFormula compiled = parser.Compile(text);
    const Result handle = run([&] { return compiled.Evaluate(x); });
    long double batchValue = 0;
    bool batchOk = false;
    compiled.EvaluateBatch(&x, &batchValue, &batchOk, 1);
    if (reference.ok && !std::isfinite(reference.value)) std::abort();
    if (!same(reference, fast) || !same(reference, handle)) std::abort();
    if (batchOk != reference.ok || (batchOk && std::memcmp(&batchValue, &reference.value, 10) != 0)) std::abort();
    return 0;
}
