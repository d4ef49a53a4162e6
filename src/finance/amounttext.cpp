#include "finance/amounttext.h"

#include "core/numtext.h"

long double CleanAmountText(const QString& text) {
    QString cleaned;
    cleaned.reserve(text.size());
    for (QChar ch : text) {
        if ((ch >= u'0' && ch <= u'9') || ch == u',' || ch == u'-') cleaned.append(ch);
    }
    try {
        return numtext::strToFloat(cleaned);
    } catch (const numtext::ConversionError&) {
        // The user never saw the cleaned text; the message names what was typed.
        throw numtext::ConversionError(numtext::invalidFloatMessage(text));
    }
}

bool holdsNumber(const QString& text, bool integer) {
    const QString t = text.trimmed();
    if (t.isEmpty() || QStringLiteral("+-,eE").contains(t.back())) return false;
    try {
        if (integer) numtext::strToInt(t);
        else numtext::strToFloat(t);
        return true;
    } catch (const numtext::ConversionError&) {
        return false;
    }
}
