#include "currency/ecbupdate.h"

#include "core/numtext.h"

#include <cmath>

namespace {

const QString Euro = QStringLiteral("EUR");

QString dateText(const QDate& date) { return date.toString(QStringLiteral("dd.MM.yyyy")); }

QString missingLine(const QStringList& missing) {
    return QStringLiteral("Nicht in den EZB-Kursen: ") + missing.join(QStringLiteral(", "));
}

// Units of a currency per euro, as text and value; the euro itself is 1.
struct PerEuro {
    QString text;
    long double value = 0;
};

std::optional<PerEuro> perEuro(const EcbFeed& feed, const QString& code) {
    if (code == Euro) return PerEuro{QStringLiteral("1"), 1};
    if (const EcbRate* rate = feed.find(code)) return PerEuro{rate->rateText, rate->value};
    return std::nullopt;
}

// Rate texts of the list are "%g" texts with a decimal point.
QString pointText(long double value) { return numtext::formatG(value).replace(u',', u'.'); }

// A rate that already reads as the new number stays as it is written ("1.08560" for "1.0856").
bool sameRate(const QString& oldText, const QString& newText) {
    if (oldText == newText) return true;
    const numtext::ValResult old = numtext::val(oldText);
    return !oldText.isEmpty() && old.code == 0 && !old.overflow && old.value == numtext::valValue(newText);
}

}  // namespace

QString ecbupdate::codeFor(const QString& abbreviation) {
    const QString code = abbreviation.trimmed().toUpper();
    if (code == u"$") return QStringLiteral("USD");
    if (code == u"£") return QStringLiteral("GBP");
    if (code == u"€") return Euro;
    return ecbfeed::isCurrencyCode(code) ? code : QString();
}

EcbUpdatePlan ecbupdate::plan(const QStringList& names, const QStringList& rates, const EcbFeed& feed) {
    EcbUpdatePlan result;
    result.date = feed.date;
    const QString baseName = names.value(0).section(u',', 0, 0).trimmed();
    const QString baseCode = codeFor(baseName);
    const std::optional<PerEuro> base = perEuro(feed, baseCode);
    if (!base) {
        result.refusal = QStringLiteral(
                             "Die Basiswährung \"%1\" ist nicht in den EZB-Referenzkursen enthalten. "
                             "Die Kurse bleiben unverändert.")
                             .arg(names.isEmpty() ? QString() : baseName);
        return result;
    }
    const bool euroBase = baseCode == Euro;
    for (int i = 1; i < names.size(); ++i) {
        QString abbreviation = names[i].section(u',', 0, 0).trimmed();
        if (abbreviation.isEmpty()) abbreviation = names[i].trimmed();
        const std::optional<PerEuro> rate = perEuro(feed, codeFor(abbreviation));
        if (!rate) {
            result.missing.append(abbreviation);
            continue;
        }
        // Two extreme rates of a hand-made feed can divide to nothing or beyond any number: such an
        // entry is treated as missing rather than stored as a rate no one can convert with.
        const long double crossRate = rate->value / base->value;
        if (!euroBase && !(std::isfinite(crossRate) && crossRate > 0)) {
            result.missing.append(abbreviation);
            continue;
        }
        ++result.matched;
        const QString newRate = euroBase ? rate->text : pointText(crossRate);
        const QString oldRate = rates.value(i);
        if (!sameRate(oldRate, newRate)) result.changes.push_back({i, abbreviation, oldRate, newRate});
    }
    return result;
}

QString EcbUpdatePlan::question() const {
    QStringList lines{QStringLiteral("EZB-Referenzkurse vom %1 übernehmen?").arg(dateText(date))};
    for (const EcbRateChange& change : changes) {
        const QString old = change.oldRate.isEmpty() ? QStringLiteral("(kein Kurs)") : change.oldRate;
        lines.append(QStringLiteral("%1: %2 → %3").arg(change.abbreviation, old, change.newRate));
    }
    if (!missing.isEmpty()) lines.append(missingLine(missing));
    return lines.join(u'\n');
}

QString EcbUpdatePlan::unchangedMessage() const {
    if (!refusal.isEmpty()) return refusal;
    QString text = matched > 0
        ? QStringLiteral("Die Kurse entsprechen bereits den EZB-Referenzkursen vom %1.")
        : QStringLiteral("Keine Währung der Liste ist in den EZB-Referenzkursen vom %1 enthalten.");
    text = text.arg(dateText(date));
    if (!missing.isEmpty()) text += u'\n' + missingLine(missing);
    return text;
}

void ecbupdate::apply(const EcbUpdatePlan& plan, QStringList& rates) {
    for (const EcbRateChange& change : plan.changes) {
        while (rates.size() <= change.index) rates.append(QStringLiteral("0"));
        rates[change.index] = change.newRate;
    }
}
