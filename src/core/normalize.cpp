#include "core/normalize.h"

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

int exponentMode(const QString& s) {
    const qsizetype e = s.indexOf(u'E');
    if (e >= 1 && e < s.size() - 1 && (s[e + 1] == u'-' || isDigit(s[e + 1]))) return s.contains(u'-') ? 2 : 1;
    return 0;
}

bool allowed(QChar c, int mode) {
    if (isDigit(c) || c == u'.' || c == u'\b') return true;
    if (mode >= 1 && c == u'E') return true;
    return mode == 2 && c == u'-';
}

}  // namespace

QString NormalizeNumberText(const QString& text, int formatWhileTyping, int numberFormat) {
    QString s = text;
    if (s.contains(u'.')) {
        if (s.contains(u',')) {
            QString kept;
            for (QChar c : s)
                if (isDigit(c) || c == u',' || c == u'-') kept.append(c);
            s = kept;
        } else if (formatWhileTyping == 1 && numberFormat == 1) {
            s.remove(u'.');
        }
    }
    const qsizetype comma = s.indexOf(u',');
    if (comma >= 0) s[comma] = u'.';
    const int mode = exponentMode(s);
    const qsizetype minus = s.indexOf(u'-');
    if (minus >= 0 && minus == s.size() - 1) s.remove(minus, 1);

    // Scan from the end; a leading minus stays, and so does a minus that follows no digit
    // (the sign of an exponent).
    for (qsizetype i = s.size() - 1; i >= 0; --i) {
        const QChar c = s[i];
        if (c == u'-') {
            if (i == 0) break;
            if (!isDigit(s[i - 1])) continue;
        }
        if (!allowed(c, mode)) s.remove(i, 1);
    }
    return s;
}
