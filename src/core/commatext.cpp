#include "core/commatext.h"

#include <algorithm>

QStringList splitCommaText(QStringView text) {
    QStringList entries;
    const qsizetype n = text.size();
    qsizetype p = 0;
    const auto skipBlanks = [&] {
        while (p < n && text[p].unicode() <= u' ') ++p;
    };
    skipBlanks();
    while (p < n) {
        QString entry;
        if (text[p] == u'"') {
            for (++p; p < n; ++p) {
                if (text[p] != u'"') entry += text[p];
                else if (p + 1 < n && text[p + 1] == u'"') entry += text[++p];
                else break;
            }
            p = std::min(p + 1, n);  // past the closing quote
        } else {
            const qsizetype start = p;
            while (p < n && text[p].unicode() > u' ' && text[p] != u',') ++p;
            entry = text.sliced(start, p - start).toString();
        }
        entries += entry;
        skipBlanks();
        if (p < n && text[p] == u',') {
            ++p;
            skipBlanks();
        }
    }
    return entries;
}

QString joinCommaText(const QStringList& entries) {
    QString text;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString& entry = entries[i];
        if (i > 0) text += u',';
        const bool quote = entry.isEmpty() || std::any_of(entry.begin(), entry.end(), [](QChar c) {
                               return c.unicode() <= u' ' || c == u',' || c == u'"';
                           });
        if (!quote) {
            text += entry;
            continue;
        }
        text += u'"';
        for (const QChar c : entry) text += c == u'"' ? QStringLiteral("\"\"") : QString(c);
        text += u'"';
    }
    return text;
}
