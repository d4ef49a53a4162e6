#pragma once
// The runtime's number texts, as every part of Kalkulo shows and stores numbers:
// Str at width 23, Val with the position where reading stopped, Format "%m.dn" and "%g"
// with German separators, and the conversions that raise the runtime's German error.
#include <QString>
#include <QStringView>
#include <stdexcept>

namespace numtext {

// A text that cannot be read as a number or date. Carries the German runtime message;
// one handler at the command boundary shows it.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString& message);
    QString message() const { return message_; }

private:
    QString message_;
};

// Str(v:23): " 1.50000000000000E+0001" — blank or '-', 15 significant digits, 4-digit exponent.
QString str(long double v);

struct ValResult {
    long double value = 0;  // value of the longest readable prefix (0 when nothing is readable)
    int code = 0;           // 0 when the whole text was read, else the 1-based position of the first bad character
    bool overflow = false;  // the number is beyond the 80-bit range (value 0, code 1)
};
// Val: point as decimal separator, leading blanks skipped, optional sign and exponent.
ValResult val(QStringView text);
inline long double valValue(QStringView text) { return val(text).value; }

// Format("%width.decimalsn"): thousands points, decimal comma, rounded half away from zero,
// padded with blanks on the left to at least width characters.
QString formatN(long double v, int width, int decimals);

// Format("%g"): at most 15 significant digits, trailing zeros removed, no grouping,
// scientific ("1,5E20", "1E-6") when the integer part has more than 15 digits or |v| < 0,00001.
QString formatG(long double v);

// FloatToStr: the shortest general text (same rules as "%g").
inline QString floatToStr(long double v) { return formatG(v); }

// StrToFloat / StrToInt with the German locale (decimal comma); throw ConversionError.
long double strToFloat(const QString& text);
int strToInt(const QString& text);

// The German runtime messages, for callers that check before they convert.
QString invalidFloatMessage(const QString& text);
QString invalidIntegerMessage(const QString& text);
QString invalidDateMessage(const QString& text);

}  // namespace numtext
