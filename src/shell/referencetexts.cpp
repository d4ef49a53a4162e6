#include "shell/referencetexts.h"

#include <QFontMetricsF>
#include <QStringList>
#include <cmath>

#ifndef KALKULO_VERSION
#define KALKULO_VERSION "0"
#endif

namespace {
struct Prefix {
    const char16_t* name;
    const char16_t* symbol;
    const char16_t* factor;
    const char16_t* words;
};

constexpr Prefix kPrefixes[] = {
    {u"Exa", u"E", u"1 000 000 000 000 000 000", u"(1 Trillion)"},
    {u"Peta", u"P", u"1 000 000 000 000 000", u"(1 Billiarde)"},
    {u"Tera", u"T", u"1 000 000 000 000", u"(1 Billion)"},
    {u"Giga", u"G", u"1 000 000 000", u"(1 Milliarde)"},
    {u"Mega", u"M", u"1 000 000", u"(1 Million)"},
    {u"Kilo", u"k", u"1 000", u"(1 Tausend)"},
    {u"Hekto", u"h", u"100", u"(1 Hundert)"},
    {u"Deka", u"da", u"10", u"(zehn)"},
    {u"Dezi", u"d", u"0,1", u"(1 Zehntel)"},
    {u"Zenti", u"c", u"0,01", u"(1 Hundertstel)"},
    {u"Milli", u"m", u"0,001", u"(1 Tausendstel)"},
    {u"Mikro", u"µ", u"0,000 001", u"(1 Millonstel)"},
    {u"Nano", u"n", u"0,000 000 001", u"(1 Milliardstel)"},
    {u"Pico", u"p", u"0,000 000 000 001", u"(1 Billionstel)"},
    {u"Femto", u"f", u"0,000 000 000 000 001", u"(1 Billiardstel)"},
    {u"Atto", u"a", u"0,000 000 000 000 000 001", u"(1 Trillionstel)"},
};

// Blanks that bring a text of width `from` as near to `to` as whole blanks can, at least one.
QString blanksTo(const QFontMetricsF& metrics, qreal from, qreal to) {
    const qreal blank = std::max<qreal>(metrics.horizontalAdvance(u' '), 1);
    return QString(std::max(1, int(std::lround((to - from) / blank))), u' ');
}
}  // namespace

QString aboutDescription() {
    return QStringLiteral(
        "Multifunktionsrechner mit einem virtuellen Papierstreifen,\r\nWährungsumrechnung, Mw-Steuerberechnung, "
        "\r\nUmrechnung von Einheiten, Finanzmodul (Tilgung, Anlage)\r\nInternetanbindung, Funktionsmodul, "
        "Funktionsplotter,\r\nAnzeige der trigonometrischen Funktionen und \r\nvieles mehr ...");
}

QString aboutVersion() { return QStringLiteral("Version ") + QStringLiteral(KALKULO_VERSION); }

QString metricPrefixesText(const QFontMetricsF& metrics) {
    const QString header = QStringLiteral("Präfix    Symbol     Vergrößerung / Verkleinerung");
    // The symbols start under "Symbol"; the factors end one blank after the widest one would.
    const qreal symbolColumn = metrics.horizontalAdvance(QStringLiteral("Präfix    "));
    qreal factorEnd = 0;
    for (const Prefix& p : kPrefixes) {
        const qreal start = symbolColumn +
            std::max(metrics.horizontalAdvance(QString::fromUtf16(p.symbol)),
                     metrics.horizontalAdvance(QStringLiteral("Symbol")));
        factorEnd = std::max(factorEnd,
                             start + metrics.horizontalAdvance(QStringLiteral("     ")) +
                                 metrics.horizontalAdvance(QString::fromUtf16(p.factor)));
    }
    QStringList lines{QStringLiteral("Übersicht der metrischen Vorsilben:"), QString(), header, QString()};
    for (const Prefix& p : kPrefixes) {
        const QString name = QString::fromUtf16(p.name);
        const QString factor = QString::fromUtf16(p.factor);
        QString line = name + blanksTo(metrics, metrics.horizontalAdvance(name), symbolColumn);
        line += QString::fromUtf16(p.symbol);
        line += blanksTo(metrics, metrics.horizontalAdvance(line), factorEnd - metrics.horizontalAdvance(factor));
        line += factor + u' ' + QString::fromUtf16(p.words);
        lines << line;
    }
    return lines.join(u'\r');
}
