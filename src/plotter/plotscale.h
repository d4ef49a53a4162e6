#pragma once
// The plotter's scale: pixels per unit, tick spacing and label texts, label positions and the
// curve colours of hold mode. Plain functions of the scale list's number N, so each table can
// be checked on its own and DrawGraph only walks them.
#include <QColor>
#include <QPoint>
#include <QString>
#include <QStringList>

namespace plotscale {

// The scale list (`ComboBox1`), in its order.
const QStringList& ScaleItems();
// The entry selected at start: "5".
inline constexpr int StartScaleIndex = 4;

// (H div 2) div N: 200 for N = 1, 13 for N = 15, 1 for N = 200.
int PixelsPerUnit(int scaleRange, int height = 400);

// Ticks per half axis and the pixel offset of tick i (from 1) for scale N.
struct TickPlan {
    int count = 0;
    int step = 0;  // pixel offset of tick 1; tick i sits at step · i
};
TickPlan Ticks(int scaleRange, int pixelsPerUnit);

enum class Side { PositiveY, NegativeY, NegativeX, PositiveX };

// Label text of tick i on a side: "%5.1n" tenths or fifths at N ≤ 2, whole units above; the
// x axis multiplies by the angle factor (90 in degree mode, where N ≤ 2 switches to "%5.0n").
// Negative sides get "-" in front.
QString TickLabel(int scaleRange, int tick, Side side, int angleFactor);

// Top-left corner of the label of the tick at pixel offset `offset` from the centre `centre`.
QPoint LabelPosition(int scaleRange, int offset, Side side, int centre);

// Curve colour in hold mode for the index of the current formula in `FormulaHistory`
// (-1 when it is not there); red for every index the table does not name.
QColor HoldColour(int historyIndex);

}  // namespace plotscale
