#include "plotter/plotscale.h"

#include "core/numtext.h"

namespace plotscale {

const QStringList& ScaleItems() {
    static const QStringList items = {"1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",   "10",
                                      "12", "15", "20", "25", "30", "40", "50", "60", "100", "200"};
    return items;
}

int PixelsPerUnit(int scaleRange, int height) { return scaleRange > 0 ? (height / 2) / scaleRange : 0; }

TickPlan Ticks(int scaleRange, int pixelsPerUnit) {
    if (scaleRange == 1) return {20, pixelsPerUnit / 10};
    if (scaleRange == 2) return {10, pixelsPerUnit / 5};
    if (scaleRange <= 14) return {15, pixelsPerUnit};
    if (scaleRange <= 49) return {10, pixelsPerUnit * 5};
    if (scaleRange <= 100) return {10, pixelsPerUnit * 10};
    return {10, pixelsPerUnit * 20};
}

QString TickLabel(int scaleRange, int tick, Side side, int angleFactor) {
    const bool xAxis = side == Side::NegativeX || side == Side::PositiveX;
    const int factor = xAxis ? angleFactor : 1;
    QString text;
    if (scaleRange <= 2) {
        const long double value = static_cast<long double>(tick) / (scaleRange == 1 ? 10 : 5) * factor;
        text = numtext::formatN(value, 5, factor == 1 ? 1 : 0);
    } else {
        const int spacing = scaleRange <= 14 ? 1 : scaleRange <= 49 ? 5 : scaleRange <= 100 ? 10 : 20;
        text = QString::number(static_cast<long long>(spacing) * tick * factor);
    }
    return side == Side::NegativeY || side == Side::NegativeX ? u'-' + text : text;
}

QPoint LabelPosition(int scaleRange, int offset, Side side, int centre) {
    const int c = centre;
    switch (side) {
    case Side::PositiveY: return {c + (scaleRange <= 2 ? 1 : 4), c - offset - 5};
    case Side::NegativeY: {
        const int left = scaleRange <= 2 ? 24 : scaleRange <= 10 ? 12 : scaleRange <= 100 ? 18 : 22;
        return {c - left, c + offset - 5};
    }
    case Side::NegativeX: return {c - offset - 6, c - 17};
    case Side::PositiveX: return {c + offset - 6, c + 5};
    }
    return {};
}

QColor HoldColour(int historyIndex) {
    switch (historyIndex) {
    case 1: return {0, 128, 0};     // green
    case 2: return {255, 0, 255};   // fuchsia
    case 3: return {216, 122, 61};  // orange
    case 4: return {128, 0, 0};     // maroon
    case 5: return {0, 255, 255};   // aqua
    case 6: return {128, 0, 128};   // purple
    case 7: return {0, 255, 0};     // lime
    case 8: return {0, 0, 255};     // blue
    default: return {255, 0, 0};    // red: not listed, 0, 9, 10 and beyond
    }
}

}  // namespace plotscale
