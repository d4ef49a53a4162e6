#include "core/numtext.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace numtext {

ConversionError::ConversionError(const QString& message)
    : std::runtime_error(message.toStdString()), message_(message) {}

QString invalidFloatMessage(const QString& text) {
    return QStringLiteral("'%1' ist kein gültiger Gleitkommawert").arg(text);
}
QString invalidIntegerMessage(const QString& text) {
    return QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text);
}
QString invalidDateMessage(const QString& text) { return QStringLiteral("'%1' ist kein gültiges Datum").arg(text); }

namespace {

// value = 0.digits × 10^exponent; digits carry no trailing zeros and are empty for zero.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

void stripTrailingZeros(Decimal& d) {
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
}

// 18 significant digits are all an 80-bit value holds; rounding happens on this text, not
// on the binary value, so 1,005 (stored as 1,00499999…) shows as 1,01 as a user expects.
Decimal decompose(long double v) {
    Decimal d;
    d.negative = std::signbit(v);
    if (v == 0) return d;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17Le", std::fabs(v));
    const char* p = buf;
    d.digits.push_back(*p++);
    if (*p == '.') ++p;
    while (*p >= '0' && *p <= '9') d.digits.push_back(*p++);
    if (*p == 'e') d.exponent = std::atoi(p + 1) + 1;
    stripTrailingZeros(d);
    return d;
}

// Keep `keep` significant digits, rounding half away from zero.
void roundTo(Decimal& d, int keep) {
    if (keep >= static_cast<int>(d.digits.size())) return;
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    const bool up = d.digits[static_cast<size_t>(keep)] >= '5';
    d.digits.resize(static_cast<size_t>(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[static_cast<size_t>(i)] == '9') d.digits[static_cast<size_t>(i--)] = '0';
        if (i < 0) {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        } else {
            ++d.digits[static_cast<size_t>(i)];
        }
    }
    stripTrailingZeros(d);
}

char digitAt(const Decimal& d, int i) {
    return (i >= 0 && i < static_cast<int>(d.digits.size())) ? d.digits[static_cast<size_t>(i)] : '0';
}

QString nonFinite(long double v) {
    if (std::isnan(v)) return QStringLiteral("NAN");
    return v < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

locale_t cLocale() {
    static locale_t loc = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

}  // namespace

QString str(long double v) {
    if (!std::isfinite(v)) return nonFinite(v).rightJustified(23);
    Decimal d = decompose(v);
    roundTo(d, 15);
    std::string out;
    out.reserve(23);
    out.push_back(d.negative && !d.digits.empty() ? '-' : ' ');
    int exp10 = d.digits.empty() ? 0 : d.exponent - 1;
    out.push_back(digitAt(d, 0));
    out.push_back('.');
    for (int i = 1; i < 15; ++i) out.push_back(digitAt(d, i));
    char tail[16];
    std::snprintf(tail, sizeof tail, "E%c%04d", exp10 < 0 ? '-' : '+', exp10 < 0 ? -exp10 : exp10);
    out += tail;
    return QString::fromLatin1(out.data(), static_cast<qsizetype>(out.size()));
}

ValResult val(QStringView text) {
    ValResult r;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && text[i] == u' ') ++i;
    std::string ascii;
    qsizetype end = i;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-') ascii.push_back('-');
        ++i;
    }
    bool mantissaDigits = false;
    auto isDigit = [&](qsizetype k) { return k < n && text[k] >= u'0' && text[k] <= u'9'; };
    while (isDigit(i)) {
        ascii.push_back(static_cast<char>(text[i++].unicode()));
        mantissaDigits = true;
    }
    if (i < n && text[i] == u'.') {
        ascii.push_back('.');
        ++i;
        while (isDigit(i)) {
            ascii.push_back(static_cast<char>(text[i++].unicode()));
            mantissaDigits = true;
        }
    }
    if (mantissaDigits) {
        end = i;
        if (i < n && (text[i] == u'e' || text[i] == u'E')) {
            qsizetype j = i + 1;
            std::string expo = "e";
            if (j < n && (text[j] == u'+' || text[j] == u'-')) expo.push_back(static_cast<char>(text[j++].unicode()));
            if (isDigit(j)) {
                while (isDigit(j)) expo.push_back(static_cast<char>(text[j++].unicode()));
                ascii += expo;
                end = j;
            }
        }
        const long double value = strtold_l(ascii.c_str(), nullptr, cLocale());
        if (!std::isfinite(value)) {
            r.value = 0;
            r.code = 1;
            r.overflow = true;
            return r;
        }
        r.value = value;
    }
    if (end != n || !mantissaDigits) r.code = static_cast<int>((mantissaDigits ? end : i)) + 1;
    return r;
}

QString formatN(long double v, int width, int decimals) {
    if (!std::isfinite(v)) return nonFinite(v).rightJustified(width);
    if (decimals < 0) decimals = 0;
    Decimal d = decompose(v);
    roundTo(d, d.exponent + decimals);
    QString digitsBefore;
    if (d.digits.empty() || d.exponent <= 0) {
        digitsBefore = QStringLiteral("0");
    } else {
        for (int i = 0; i < d.exponent; ++i) digitsBefore.append(QLatin1Char(digitAt(d, i)));
    }
    QString out;
    if (d.negative && !d.digits.empty()) out.append(u'-');
    const qsizetype len = digitsBefore.size();
    for (qsizetype i = 0; i < len; ++i) {
        if (i > 0 && (len - i) % 3 == 0) out.append(u'.');
        out.append(digitsBefore[i]);
    }
    if (decimals > 0) {
        out.append(u',');
        for (int i = 0; i < decimals; ++i) out.append(QLatin1Char(digitAt(d, d.exponent + i)));
    }
    return out.rightJustified(width);
}

QString formatG(long double v) {
    if (!std::isfinite(v)) return nonFinite(v);
    Decimal d = decompose(v);
    roundTo(d, 15);
    if (d.digits.empty()) return QStringLiteral("0");
    QString out;
    if (d.negative) out.append(u'-');
    const int digitCount = static_cast<int>(d.digits.size());
    if (d.exponent > 15 || d.exponent < -4) {
        out.append(QLatin1Char(d.digits[0]));
        if (digitCount > 1) {
            out.append(u',');
            out.append(QLatin1String(d.digits.data() + 1, digitCount - 1));
        }
        out.append(u'E');
        out.append(QString::number(d.exponent - 1));
    } else if (d.exponent <= 0) {
        out.append(QStringLiteral("0,"));
        out.append(QString(-d.exponent, u'0'));
        out.append(QLatin1String(d.digits.data(), digitCount));
    } else {
        for (int i = 0; i < d.exponent; ++i) out.append(QLatin1Char(digitAt(d, i)));
        if (digitCount > d.exponent) {
            out.append(u',');
            out.append(QLatin1String(d.digits.data() + d.exponent, digitCount - d.exponent));
        }
    }
    return out;
}

long double strToFloat(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.contains(u'.')) throw ConversionError(invalidFloatMessage(text));
    QString raw = trimmed;
    raw.replace(u',', u'.');
    const ValResult r = val(raw);
    if (r.code != 0) throw ConversionError(invalidFloatMessage(text));
    return r.value;
}

int strToInt(const QString& text) {
    QStringView t(text);
    qsizetype i = 0;
    while (i < t.size() && t[i] == u' ') ++i;
    t = t.mid(i);
    bool negative = false;
    if (!t.isEmpty() && (t[0] == u'-' || t[0] == u'+')) {
        negative = t[0] == u'-';
        t = t.mid(1);
    }
    int base = 10;
    if (!t.isEmpty() && t[0] == u'$') {
        base = 16;
        t = t.mid(1);
    }
    bool ok = !t.isEmpty() && t[0] != u'+' && t[0] != u'-' && t[0] != u' ';
    qlonglong value = ok ? t.toLongLong(&ok, base) : 0;
    if (ok && negative) value = -value;
    if (!ok || value < INT32_MIN || value > INT32_MAX) throw ConversionError(invalidIntegerMessage(text));
    return static_cast<int>(value);
}

}  // namespace numtext
