// The trigonometry panel's pictures: the unit circle with the construction of the last circular
// function, or the curve of the last hyperbolic function, and the readouts beside them.
#include "core/calculator.h"
#include "core/numtext.h"
#include "plotter/plotcanvas.h"
#include "plotter/plotter.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

const QColor kRed(255, 0, 0);
const QColor kTooltip(255, 255, 225);  // the tooltip background the pie sector is filled with

// Str(v:15:8): fixed point, 8 decimals, right-aligned in 15 characters.
QString str15(long double v) { return QString::asprintf("%15.8Lf", v + 0.0L); }

// A ratio's readout; a divisor of 0 has no value.
QString ratio(long double numerator, long double divisor) {
    return divisor == 0 ? QStringLiteral("    ~") : str15(numerator / divisor);
}

QPen pen(const QColor& colour, int width = 1, Qt::PenStyle style = Qt::SolidLine) {
    QPen p(colour, width, style);
    p.setCapStyle(Qt::FlatCap);
    return p;
}

void line(QPainter& p, const QPen& style, QPoint from, QPoint to) {
    p.setPen(style);
    p.drawLine(from, to);
}

// The dotted line of the computed value and its legend in the lower left corner.
void legend(QPainter& p) {
    line(p, pen(Qt::black, 1, Qt::DotLine), {4, Plotter::H - 6}, {46, Plotter::H - 6});
    p.setPen(Qt::black);
    p.drawText(QPoint(48, Plotter::H - 14 + 11), QStringLiteral(" =  rechnerischer Wert"));
}

}  // namespace

void Plotter::updateTrigReadouts() {
    TrigReadouts[0] = str15(TrigSin);
    TrigReadouts[1] = str15(TrigCos);
    TrigReadouts[2] = ratio(TrigSin, TrigCos);
    TrigReadouts[3] = ratio(TrigCos, TrigSin);
    TrigReadouts[4] = ratio(1, TrigCos);
    TrigReadouts[5] = ratio(1, TrigSin);
    const long double whole = std::clamp(std::trunc(TrigDegrees), -2e9L, 2e9L);
    AnglePeriods = AngleRest = 0;
    if (whole > 360 || whole < -360) {
        AnglePeriods = static_cast<int>(std::trunc(std::clamp(TrigDegrees, -2e9L, 2e9L) / 360));
        AngleRest = static_cast<int>(whole - AnglePeriods * 360.0L);
    }
    if (calc_.PanelFunction == 0) {
        Edit2 = QStringLiteral("~");
    } else if (calc_.ActiveField != 4) {
        const long double operand = Arc ? numtext::valValue(calc_.Operand1Text) : calc_.WorkValue;
        const long double length = numtext::valValue(Edit1) * operand;
        Edit2 = std::isfinite(length) ? numtext::formatG(length) : QStringLiteral("~");
    }
}

void Plotter::drawTrigPicture() {
    updateTrigReadouts();
    const int pf = calc_.PanelFunction;
    if (HyperbolicView) {
        XCaption = calc_.Label4 + QStringLiteral(" =");
        FxCaption = calc_.Label2 + QStringLiteral(" =");
        XValue = calc_.Label1;
        FxValue = calc_.Label3;
    }
    if (Hyp && pf >= 1 && pf <= 3) {
        PlotCanvas canvas(Image1);
        drawHyperbola(canvas);
    } else if (!HoldMode) {
        PlotCanvas canvas(Image1);
        drawUnitCircle(canvas);
    }
}

void Plotter::drawHyperbola(PlotCanvas& canvas) {
    if (ScaleIndex < 0 || ScaleIndex >= plotscale::ScaleItems().size()) ScaleIndex = plotscale::StartScaleIndex;
    ScaleRange = plotscale::ScaleItems()[ScaleIndex].toInt();
    PixelsPerUnit = plotscale::PixelsPerUnit(ScaleRange, H);
    AngleFactor = 1;
    drawBackground(canvas);
    if (!HoldMode) drawScale(canvas);
    canvas.SetMaskMode(false);
    const bool coloured = HoldMode && PlotSequence.size() >= 2;
    canvas.SetPen(coloured ? plotscale::HoldColour(source_->historyIndex(source_->currentFormula())) : kRed);
    const int c = H / 2;
    const long double ppu = PixelsPerUnit;
    const int pf = calc_.PanelFunction;
    for (int p = -H / 2; p <= H / 2; ++p) {
        const long double u = p / ppu;
        QPoint point;
        if (pf == 1) point = {c + p, c - PlotCanvas::Pixel(ppu * std::sinh(u))};
        else if (pf == 2) point = {c + PlotCanvas::Pixel(ppu * std::cosh(u)), c + p};  // lying on its side
        else point = {c + p, c - PlotCanvas::Pixel(ppu * std::tanh(u))};
        if (p == -H / 2) canvas.MoveTo(point.x(), point.y());
        else canvas.LineTo(point.x(), point.y());
    }
    const QPoint mark = pf == 2 ? QPoint(c + PlotCanvas::Pixel(ppu * CoshY), c - PlotCanvas::Pixel(ppu * TrigAngle))
                                : QPoint(c + PlotCanvas::Pixel(ppu * TrigAngle), c - PlotCanvas::Pixel(ppu * HypY));
    canvas.SetPen(Qt::black);
    canvas.Line(mark.x() - 10, mark.y(), mark.x() + 10, mark.y());
    canvas.Line(mark.x(), mark.y() - 10, mark.x(), mark.y() + 10);
}

void Plotter::drawUnitCircle(PlotCanvas& canvas) {
    canvas.Fill(Qt::white);
    const int c = H / 2;
    const int R = W / 4;
    const int pf = calc_.PanelFunction;
    QPainter p(&Image1);
    p.setRenderHint(QPainter::Antialiasing, false);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    p.setFont(font);
    if (!Hyp && !FunctionView) {
        // Counter-clockwise from the +x axis over the angle reduced to one turn.
        long double turn = std::fmod(TrigAngle * 180 / std::numbers::pi_v<long double>, 360.0L);
        if (turn < 0) turn += 360;
        p.setPen(Qt::NoPen);
        p.setBrush(kTooltip);
        p.drawPie(QRect(c - R, c - R, 2 * R, 2 * R), 0, static_cast<int>(std::lround(turn * 16)));
        p.setBrush(Qt::NoBrush);
    }
    line(p, pen(Qt::black), {0, c}, {W, c});
    line(p, pen(Qt::black), {c, 0}, {c, H});
    auto text = [&](int x, int y, const QString& s) {
        p.setPen(Qt::black);
        p.drawText(QRect(x, y, 300, 16), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, s);
    };
    text(5, c - 15, QStringLiteral("-x"));
    text(W - 15, c - 15, QStringLiteral("+x"));
    text(c - 15, 5, QStringLiteral("+y"));
    text(c - 15, H - 15, QStringLiteral("-y"));
    text(c - R - 10, c - 15, QStringLiteral("R"));
    if (AnglePeriods != 0) text(c + 15, H - 15, QStringLiteral("%1 Periode(n) + %2°").arg(AnglePeriods).arg(AngleRest));
    p.setPen(pen(Qt::black));
    p.drawEllipse(QPoint(c, c), R, R);
    if (pf == 0) {
        text(15, H - 15, QStringLiteral("Den Winkel eingeben ....  "));
        text(c + 15, H - 15, QString::fromUtf8("..anschließend z.B Sin anklicken"));
    }
    const QPoint point(c + PlotCanvas::Pixel(R * TrigCos), c + PlotCanvas::Pixel(-R * TrigSin));
    line(p, pen(Qt::black, 1, pf >= 3 ? Qt::DotLine : Qt::SolidLine), {c, c}, point);
    line(p, pf == 1 ? pen(kRed, 3) : pen(Qt::black), point, {point.x(), c});   // the sine
    line(p, pf == 2 ? pen(kRed, 3) : pen(Qt::black), {point.x(), c}, {c, c});  // the cosine
    p.end();
    if (pf >= 3 && pf <= 6) drawConstruction(canvas, point);
}

// The function's segment on the tangent lines x = ±R and y = ±R, with the black lines that
// lead to it from the point of the angle.
void Plotter::drawConstruction(PlotCanvas&, QPoint point) {
    const int c = H / 2;
    const int R = W / 4;
    const int pf = calc_.PanelFunction;
    const int tan = PlotCanvas::Pixel(R * std::fabs(TrigTan));
    const int cot = PlotCanvas::Pixel(R * std::fabs(TrigCot));
    const bool sinPositive = TrigSin > 0;
    const bool cosPositive = TrigCos > 0;
    QPainter p(&Image1);
    p.setRenderHint(QPainter::Antialiasing, false);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    p.setFont(font);
    const QPoint centre(c, c);
    if (pf == 3 || pf == 4) {
        const bool tangent = pf == 3;
        const QPoint end =
            tangent ? QPoint(c + R, c - (sinPositive ? tan : -tan)) : QPoint(c + (cosPositive ? cot : -cot), c - R);
        const QPoint foot = tangent ? QPoint(c + R, c) : QPoint(c, c - R);
        // Where the angle's line meets the tangent line when carried on through the centre.
        const bool through = tangent ? !cosPositive : !sinPositive;
        if (through) {
            const QPoint computed = tangent ? QPoint(c + R, c - PlotCanvas::Pixel(R * TrigTan))
                                            : QPoint(c + PlotCanvas::Pixel(R * TrigCot), c - R);
            line(p, pen(Qt::black, 1, Qt::DotLine), point, computed);
            legend(p);
        } else {
            line(p, pen(Qt::black), point, end);
        }
        line(p, pen(kRed, 3), foot, end);
    } else if (pf == 5) {
        const int x = cosPositive ? c + R : c - R;
        const QPoint end(x, c - (sinPositive ? tan : -tan));
        line(p, pen(Qt::black), {x, c}, end);
        line(p, pen(Qt::black), point, end);
        line(p, pen(kRed, 2), centre, end);
    } else if (pf == 6) {
        const int y = sinPositive ? c - R : c + R;
        const QPoint end(c + (cosPositive ? cot : -cot), y);
        line(p, pen(Qt::black), {c, y}, end);
        line(p, pen(Qt::black), point, end);
        line(p, pen(kRed, 2), centre, end);
    }
}

void Plotter::ShowHyperbolicView() {
    FunctionView = false;
    HyperbolicView = true;
    if (ScaleIndex < 0) ScaleIndex = plotscale::StartScaleIndex;
}

void Plotter::ShowUnitCircleView() {
    FunctionView = false;
    HyperbolicView = false;
    Hyp = false;
    // Hidden but down, the hold button would freeze the picture.
    if (HoldMode) releaseHold();
}

void Plotter::PrepareHyperbolicPlot() {
    if (HoldMode) releaseHold();
    GitterEnabled = true;
    ScaleEnabled = true;
    Gitter2Enabled = false;
}

void Plotter::Edit1Change(const QString& text) { Edit1 = QString(text).replace(u',', u'.'); }

void Plotter::Edit1Click() {
    if (calc_.ActiveField != 4) {
        calc_.SavedActiveField = calc_.ActiveField;
        calc_.ActiveField = 4;
    }
    Edit2 = QStringLiteral("Weiter mit Esc / Enter");
}

void Plotter::Button2Click() {
    if (calc_.ActiveField == 4) {
        calc_.ActiveField = calc_.SavedActiveField;
        DrawGraph();
    }
    const QString raw = QString(Edit2).replace(Edit2.indexOf(u','), Edit2.contains(u',') ? 1 : 0, QStringLiteral("."));
    const numtext::ValResult read = numtext::val(raw);
    if (raw.trimmed().isEmpty() || read.code != 0 || !std::isfinite(read.value)) return;  // "~" and hints stay out
    calc_.SaveCalculatorState();
    calc_.Operand1Text = raw;
    calc_.Label1 = Edit2;
    calc_.Label4 = QStringLiteral("=");
    calc_.Label2.clear();
    calc_.Operand2Text.clear();
    calc_.Label3.clear();
    calc_.ActiveField = 3;
    calc_.PanelFunction = 0;
}
