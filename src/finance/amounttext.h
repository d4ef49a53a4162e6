#pragma once
#include <QString>

// Reads an amount the way the financial window accepts it: when the text holds a point, every
// point is taken as a thousands separator and dropped; then everything but digits, commas and
// minus signs is dropped, and the rest is read with the comma as decimal separator.
// Throws numtext::ConversionError naming the text as typed.
long double CleanAmountText(const QString& text);
