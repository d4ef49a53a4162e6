#include "finance/financedate.h"

#include "core/numtext.h"

#include <QStringList>
#include <cmath>

namespace financedate {

QString format(const QDate& date) { return date.toString(QStringLiteral("dd.MM.yyyy")); }

namespace {

bool readDigits(const QString& part, int minLength, int maxLength, int& value) {
    if (part.size() < minLength || part.size() > maxLength) return false;
    value = 0;
    for (QChar ch : part) {
        if (ch < u'0' || ch > u'9') return false;
        value = value * 10 + (ch.unicode() - u'0');
    }
    return true;
}

}  // namespace

QDate parse(const QString& text, int currentYear) {
    const QStringList parts = text.trimmed().split(u'.');
    int day = 0;
    int month = 0;
    int year = 0;
    const bool readable = parts.size() == 3 && readDigits(parts[0], 1, 2, day) && readDigits(parts[1], 1, 2, month) &&
        readDigits(parts[2], 1, 4, year) && parts[2].size() != 3;
    if (!readable) throw numtext::ConversionError(numtext::invalidDateMessage(text));
    if (parts[2].size() <= 2) {
        const int windowStart = currentYear - 50;
        year += windowStart - windowStart % 100;
        if (year < windowStart) year += 100;
    }
    const QDate date(year, month, day);
    if (!date.isValid() || year < 1) throw numtext::ConversionError(numtext::invalidDateMessage(text));
    return date;
}

QDate addMonths(const QDate& date, int months) {
    // QDate::addMonths clamps to the last day of a shorter month, which is the rule we need.
    return date.addMonths(months);
}

}  // namespace financedate

int MonthIndex(const QDate& date, const QDate& start) {
    const long double days = static_cast<long double>(date.toJulianDay() - start.toJulianDay());
    // nearbyint rounds half to even in the default rounding mode, as the runtime's Round does.
    return static_cast<int>(std::nearbyint(days / 30.45L));
}
