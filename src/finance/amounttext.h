#pragma once
#include <QString>

// Reads an amount the way the financial window accepts it: when the text holds a point, every
// point is taken as a thousands separator and dropped; then everything but digits, commas and
// minus signs is dropped, and the rest is read with the comma as decimal separator.
// Throws numtext::ConversionError naming the text as typed.
long double CleanAmountText(const QString& text);

// Whether a field being typed into holds a number yet: not while it is empty or ends in a sign, a comma or an
// exponent mark ("-", "1,"), nor when it cannot be read. `integer` asks for a whole number.
bool holdsNumber(const QString& text, bool integer = false);
