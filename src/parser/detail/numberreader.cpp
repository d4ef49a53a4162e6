#include "parser/detail/numberreader.h"

#include "parser/detail/builtinoperators.h"

#include <clocale>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace mathparser {

namespace {

locale_t cLocale() {
    static const locale_t loc = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

}  // namespace

bool readNumber(QStringView formula, qsizetype start, qsizetype length, QChar separator, long double& value) {
    const QStringView s = formula.mid(start, length);
    const qsizetype n = s.size();
    qsizetype i = 0;
    while (i < n && s[i] == u' ') ++i;
    std::string ascii;
    ascii.reserve(static_cast<size_t>(n) + 2);
    if (i < n && (s[i] == u'+' || s[i] == u'-')) {
        if (s[i] == u'-') ascii.push_back('-');
        ++i;
    }
    bool digits = false;
    bool point = false;
    while (i < n && isDigit(s[i])) {
        ascii.push_back(static_cast<char>(s[i++].unicode()));
        digits = true;
    }
    if (i < n && s[i] == separator) {
        ascii.push_back('.');
        ++i;
        point = true;
        while (i < n && isDigit(s[i])) {
            ascii.push_back(static_cast<char>(s[i++].unicode()));
            digits = true;
        }
    }
    if (!digits && !point) return false;
    if (!digits) ascii.push_back('0');  // a lone separator reads as 0
    if (i < n && (s[i] == u'E' || s[i] == u'e')) {
        ++i;
        const qsizetype digitsStart = i;
        std::string exponent = "e";
        while (i < n && isDigit(s[i])) exponent.push_back(static_cast<char>(s[i++].unicode()));
        if (i == digitsStart) {
            const qsizetype after = start + length;
            if (i == n && after < formula.size() && (formula[after] == u'+' || formula[after] == u'-')) return false;
        } else {
            ascii += exponent;
        }
    }
    while (i < n && s[i] == u' ') ++i;
    if (i != n) return false;
    const long double v = strtold_l(ascii.c_str(), nullptr, cLocale());
    if (!isFinite(v)) return false;
    value = v;
    return true;
}

}  // namespace mathparser
