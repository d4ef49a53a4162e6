#pragma once
// The European Central Bank's daily reference rates as its XML feed delivers them: one date and,
// for each currency, the units of that currency per one euro, written with a decimal point.
#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <optional>
#include <vector>

struct EcbRate {
    QString code;      // three capitals, "USD"
    QString rateText;  // as the feed writes it, "1.0856"
    long double value = 0;
};

struct EcbFeed {
    QDate date;
    std::vector<EcbRate> rates;  // in feed order, each code once

    const EcbRate* find(QStringView code) const;
};

namespace ecbfeed {

// Larger answers are refused unread: the real feed is a few kilobytes.
inline constexpr qsizetype MaxBytes = 1024 * 1024;

// Why an answer was refused, as the user reads it after "konnten nicht geladen werden: ".
extern const QString InvalidAnswerReason;

// Three capitals, as the feed writes its codes.
bool isCurrencyCode(QStringView code);

// Reads the first day of the feed (the daily feed has one; the history feeds list the newest
// first). Entries whose code is not three capitals or whose rate is not a number above 0 are
// skipped. Nothing when the text is oversize, not well-formed XML, or has no date or no rate.
std::optional<EcbFeed> parse(QByteArrayView xml);

}  // namespace ecbfeed
