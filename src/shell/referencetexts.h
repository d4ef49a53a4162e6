#pragma once
// The texts of the "Hilfe" menu's reference boxes.
#include <QString>

class QFontMetricsF;

// The six lines under the program name in the about box.
QString aboutDescription();
// "Version 0.1": the version the build was given.
QString aboutVersion();

// The table of metric prefixes. Blanks set by `metrics` (the box's font) put the symbols in one
// column and right-align the factors, as far as whole blanks allow; lines end in carriage returns.
QString metricPrefixesText(const QFontMetricsF& metrics);
