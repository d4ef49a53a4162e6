#pragma once
#include <QString>

// Turns a number text in display form ("-1.234,5", "1,5E20", "12,50 €") into the raw point
// form Val reads ("-1234.5", "1.5E20", "12.50"). Whether a lone point is a thousands point
// depends on how the calculator is showing numbers while typing.
QString NormalizeNumberText(const QString& text, int formatWhileTyping, int numberFormat);
