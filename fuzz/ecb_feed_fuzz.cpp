// Answers of a rate server: reading never crashes or hangs; a feed that is taken has a date and only
// codes of three capitals with rates that read back as numbers above 0; and every rate the planning
// would write into the currency list, directly or as a cross rate, is such a number too.
#include "core/numtext.h"
#include "currency/ecbfeed.h"
#include "currency/ecbupdate.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

bool positiveNumber(const QString& text) {
    const numtext::ValResult read = numtext::val(text);
    return read.code == 0 && !read.overflow && std::isfinite(read.value) && read.value > 0;
}

void checkPlan(const QStringList& names, const EcbFeed& feed) {
    QStringList rates(names.size(), QStringLiteral("1"));
    const EcbUpdatePlan plan = ecbupdate::plan(names, rates, feed);
    (void)(plan.needsQuestion() ? plan.question() : plan.unchangedMessage());
    ecbupdate::apply(plan, rates);
    check(rates.size() == names.size());
    for (const EcbRateChange& change : plan.changes) check(positiveNumber(rates[change.index]));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto feed = ecbfeed::parse(QByteArrayView(data, static_cast<qsizetype>(size)));
    if (!feed) return 0;
    check(feed->date.isValid() && !feed->rates.empty());
    for (const EcbRate& rate : feed->rates) {
        check(ecbfeed::isCurrencyCode(rate.code) && feed->find(rate.code) == &rate);
        check(positiveNumber(rate.rateText) && numtext::valValue(rate.rateText) == rate.value);
    }
    const QString code = feed->rates.front().code;
    checkPlan({QStringLiteral("€,Euro"), QStringLiteral("$, USDollar"), code + QStringLiteral(",x")}, *feed);
    checkPlan({code + QStringLiteral(",Basis"), QStringLiteral("€,Euro"), QStringLiteral("CHF,Fr.")}, *feed);
    return 0;
}
