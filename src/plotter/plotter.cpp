#include "plotter/plotter.h"

#include "core/calculator.h"
#include "core/numtext.h"
#include "parser/mathparser.h"
#include "plotter/plotcanvas.h"

#include <QDir>
#include <cmath>
#include <numbers>

namespace {
const QColor kGridColour(239, 239, 239);
const QColor kScaleColour(128, 128, 128);
constexpr long double kPi = std::numbers::pi_v<long double>;

bool oppositeSigns(long double a, long double b) { return (a < 0 && b > 0) || (a > 0 && b < 0); }
}  // namespace

Plotter::Plotter(Calculator& calc, Dialogs& dialogs, AngleMode* angles)
    : Image1(W, H, QImage::Format_RGB32),
      Image2(W, H, QImage::Format_RGB32),
      StartDirectory(QDir::currentPath()),
      calc_(calc),
      dialogs_(dialogs),
      angles_(angles ? angles : &ownAngles_) {
    Image1.fill(Qt::white);
    Image2.fill(Qt::white);
}

void Plotter::DrawGraph() {
    if (calc_.PanelFunction != 7) {
        drawTrigPicture();
        return;
    }
    const QString formula = source_->currentFormula();
    long double constants[3] = {};
    bool used[3] = {};
    // A constant that is not a number stops the drawing before anything is erased.
    if (!readConstants(constants, used)) return;

    PlotCanvas canvas(Image1);
    drawBackground(canvas);
    takeTerms(formula);
    updateDegreeButton(formula);
    if (!HoldMode || RedrawGridOnly) drawScale(canvas);
    if (RedrawGridOnly) return;

    Image2 = Image1.copy();
    UndoVisible = true;
    const bool coloured = HoldMode && PlotSequence.size() >= 2;
    canvas.SetPen(coloured ? plotscale::HoldColour(source_->historyIndex(formula)) : QColor(255, 0, 0));

    TMathParser parser(true, u',', angles_);
    if (!formula.isEmpty()) {
        static const char* const names[] = {"a", "b", "c"};
        for (int i = 0; i < 3; ++i)
            if (used[i]) parser.SetConstant(QString::fromLatin1(names[i]), constants[i]);
    }
    parser.SetConstant(QStringLiteral("x"), 0);
    TCompiledFormula compiled = parser.Compile(formula);
    drawCurve(canvas, compiled, formula);
    if (!formula.isEmpty()) drawMarker(canvas, compiled);  // nothing to mark without a curve

    if (!MarkRequest1 && !MarkRequest2 && !PlaceXPoint && HoldMode && PlotSequence.size() >= 2 && SnPChecked)
        searchIntersections(constants, used);
    MarkRequest1 = false;
    MarkRequest2 = false;
}

bool Plotter::readConstants(long double values[3], bool used[3]) {
    try {
        for (int i = 0; i < 3; ++i) {
            const QString text = source_->constantText(i);
            used[i] = !text.isEmpty();
            if (!used[i]) continue;
            values[i] = numtext::strToFloat(text);
            if (!std::isfinite(values[i])) throw numtext::ConversionError(numtext::invalidFloatMessage(text));
        }
    } catch (const numtext::ConversionError& error) {
        dialogs_.message(error.message());
        return false;
    }
    return true;
}

void Plotter::drawBackground(PlotCanvas& canvas) {
    const int c = H / 2;
    if (RedrawGridOnly) {
        canvas.SetPen(kScaleColour);
    } else if (HoldMode) {
        return;
    } else {
        canvas.Fill(Qt::white);
        canvas.SetPen(Qt::black);
    }
    canvas.Line(0, c, W, c);
    canvas.Line(c, 0, c, H);
}

void Plotter::takeTerms(const QString& formula) {
    if (ScaleIndex < 0 || ScaleIndex >= plotscale::ScaleItems().size()) ScaleIndex = plotscale::StartScaleIndex;
    ScaleRange = plotscale::ScaleItems()[ScaleIndex].toInt();
    PixelsPerUnit = plotscale::PixelsPerUnit(ScaleRange, H);
    Term1 = formula;
    if (!HoldMode) Term2.clear();
    if (HoldMode && PlotSequence.size() >= 2) {
        Term1 = PlotSequence[PlotSequence.size() - 2];
        Term2 = PlotSequence.last();
        Term1Label = Term1;
        Term2Label = Term2;
    }
}

void Plotter::updateDegreeButton(const QString& formula) {
    const bool angles = (formula.contains(QStringLiteral("sin")) || formula.contains(QStringLiteral("cos")) ||
                         formula.contains(QStringLiteral("tan"))) &&
        !formula.contains(QStringLiteral("arc"));
    if (angles) {
        GradRadVisible = true;
    } else {
        if (GradRadDown) releaseDegreeButton();
        GradRadVisible = false;
    }
    AngleFactor = angles_->DegreeMode == 1 ? 90 : 1;
}

void Plotter::releaseDegreeButton() {
    GradRadDown = false;
    angles_->DegreeMode = 0;
    GradRadCaption = QStringLiteral("R");
    GradRadHint = QStringLiteral("Berechnung in Radianten (Bogenmaß)");
}

void Plotter::drawScale(PlotCanvas& canvas) {
    using plotscale::Side;
    // Laid under existing curves without erasing them.
    canvas.SetMaskMode(RedrawGridOnly);
    const plotscale::TickPlan plan = plotscale::Ticks(ScaleRange, PixelsPerUnit);
    for (int i = 1; i <= plan.count; ++i) {
        const int offset = plan.step * i;
        for (Side side : {Side::PositiveY, Side::NegativeY, Side::NegativeX, Side::PositiveX})
            drawTick(canvas, i, offset, plan.step / 2, side);
    }
}

void Plotter::drawTick(PlotCanvas& canvas, int tick, int offset, int halfStep, plotscale::Side side) {
    using plotscale::Side;
    const int c = H / 2;
    const bool xAxis = side == Side::NegativeX || side == Side::PositiveX;
    const int sign = (side == Side::PositiveX || side == Side::NegativeY) ? 1 : -1;  // rows grow downwards
    auto line = [&](int o) {
        const int at = c + sign * o;
        if (xAxis) canvas.Line(at, 0, at, H);
        else canvas.Line(0, at, W, at);
    };
    if (Gitter) {
        canvas.SetPen(kGridColour);
        line(offset);
        if (Gitter2) line(offset - halfStep);
    }
    canvas.SetPen(kScaleColour);
    const int at = c + sign * offset;
    if (xAxis) canvas.Line(at, c - 2, at, c + 2);
    else canvas.Line(c - 2, at, c + 2, at);
    // A label wholly outside the surface would draw nothing.
    if (RedrawGridOnly || offset > c + 30) return;
    canvas.Text(plotscale::LabelPosition(ScaleRange, offset, side, c),
                plotscale::TickLabel(ScaleRange, tick, side, AngleFactor), kScaleColour);
}

void Plotter::drawCurve(PlotCanvas& canvas, TCompiledFormula& formula, const QString& text) {
    EvalFailed = false;
    EvalResumed = false;
    if (text.isEmpty()) return;
    const int c = H / 2;
    const int half = H / 2;
    const long double ppu = PixelsPerUnit;
    const int unitColumns = PlotCanvas::Pixel(ppu / AngleFactor);
    const bool arcsin = text.contains(QStringLiteral("arcsin"));
    const bool arccos = text.contains(QStringLiteral("arccos"));
    const bool tan = text.contains(QStringLiteral("tan"));
    const bool logarithm = text.contains(QStringLiteral("log")) || text.contains(QStringLiteral("ln"));
    const bool root = text.contains(QStringLiteral("sqrt"));
    // Where the inverse sine and cosine begin and end at x = -1 and x = 1.
    const QPoint arcsinLeft(c - unitColumns, c + PlotCanvas::Pixel(ppu * kPi / 2));
    const QPoint arcsinRight(c + unitColumns, c - PlotCanvas::Pixel(ppu * kPi / 2));
    const QPoint arccosLeft(c - unitColumns, c - PlotCanvas::Pixel(ppu * kPi));
    const QPoint arccosRight(c + unitColumns, c);
    if (arcsin) canvas.MoveTo(arcsinLeft.x(), arcsinLeft.y());
    if (arccos) canvas.MoveTo(arccosLeft.x(), arccosLeft.y());

    // x = 0 is never sampled: the curve joins its neighbours across it.
    constexpr int n = H;
    long double xs[n], ys[n];
    bool ok[n];
    for (int i = 0, p = -half; p <= half; ++p) {
        if (p != 0) xs[i++] = static_cast<long double>(p) / ppu * AngleFactor;
    }
    formula.EvaluateBatch(xs, ys, ok, n);

    long double previous = 0;
    for (int i = 0, p = -half; p <= half; ++p) {
        if (p == 0) continue;
        const long double x = xs[i];
        const long double y = ys[i];
        const bool good = ok[i++];
        const int column = c + p;
        if (!good) EvalFailed = true;
        else if (EvalFailed) EvalResumed = true;
        const int row = c - PlotCanvas::Pixel(ppu * y);
        if (!EvalFailed) {
            if (p == -half) {
                canvas.MoveTo(column, row);
            } else if (tan) {
                if (oppositeSigns(previous, y) && std::fabs(previous - y) > 1) {
                    // Across a pole: up to the edge the branch runs to, on from the opposite edge.
                    const bool rising = previous > 0;
                    canvas.LineTo(column - 2, rising ? 0 : H);
                    canvas.MoveTo(column - 1, rising ? H : 0);
                } else {
                    canvas.LineTo(column, row);
                }
            } else if (std::fabs(previous - y) > 100 && oppositeSigns(previous, y)) {
                canvas.MoveTo(column, row);
            } else {
                canvas.LineTo(column, row);
            }
        }
        if (EvalResumed) {
            EvalFailed = false;
            if (arcsin || arccos) {
                const QPoint left = arcsin ? arcsinLeft : arccosLeft;
                const QPoint right = arcsin ? arcsinRight : arccosRight;
                if (x < -1) canvas.MoveTo(left.x(), left.y());
                else if (x > 1) canvas.LineTo(right.x(), right.y());
            } else if (tan) {
                // the pen stays where the branch left off
            } else if (logarithm) {
                canvas.MoveTo(column, H);  // rises from the bottom edge
            } else if (root) {
                canvas.MoveTo(column, c);  // starts on the x axis
            } else {
                canvas.MoveTo(column, row);
            }
            EvalResumed = false;
        }
        if (good) previous = y;
    }
}

void Plotter::drawMarker(PlotCanvas& canvas, TCompiledFormula& formula) {
    const int c = H / 2;
    const bool requested = MarkRequest1 || MarkRequest2;
    const long double x = MarkRequest1 ? Intersection1X
        : MarkRequest2                 ? Intersection2X
                                       : numtext::valValue(calc_.Operand1Text);
    canvas.SetPen(requested ? QColor(0, 0, 255) : QColor(Qt::black));
    long double y = 0;
    if (formula.TryEvaluate(x, y)) MarkerY = y;
    const int column = c + PlotCanvas::Pixel(PixelsPerUnit * x / AngleFactor);
    const int row = c - PlotCanvas::Pixel(PixelsPerUnit * MarkerY);
    auto cross = [&](int size) {
        canvas.Line(column - size, row, column + size, row);
        canvas.Line(column, row - size, column, row + size);
    };
    if (requested) {
        canvas.Ellipse(column, row, 8);
        cross(8);
    }
    if (!calc_.Label1.isEmpty()) cross(10);
}

void Plotter::ComboBox1Change(int index) {
    if (index < 0 || index >= plotscale::ScaleItems().size()) return;
    ScaleIndex = index;
    ScaleRange = plotscale::ScaleItems()[index].toInt();
    DrawGraph();
}

void Plotter::GitterClick(bool checked) {
    Gitter = checked;
    Gitter2Enabled = checked;
    if (!checked) Gitter2 = false;
    DrawGraph();
}

void Plotter::Gitter2Click(bool checked) {
    Gitter2 = checked && Gitter2Enabled;
    DrawGraph();
}

void Plotter::GradRadClick(bool down) {
    if (down) {
        GradRadDown = true;
        angles_->DegreeMode = 1;
        GradRadCaption = QStringLiteral("G");
        GradRadHint = QStringLiteral("Berechnung in Grad (°)");
    } else {
        releaseDegreeButton();
    }
    source_->evaluateAgain();
}

void Plotter::ShowFunctionLabels() {
    FunctionView = true;
    HyperbolicView = false;
    XCaption = QStringLiteral("x = ");
    FxCaption = QStringLiteral("f(x) = ");
    if (ScaleIndex < 0) ScaleIndex = plotscale::StartScaleIndex;
}

void Plotter::ShowTrigonometryLabels() { FunctionView = false; }

void Plotter::ShowValues(const QString& x, const QString& fx) {
    XValue = x;
    FxValue = fx;
}

void Plotter::RecordFormula(const QString& formula) {
    if (!GraphFormulas.contains(formula)) GraphFormulas.append(formula);
    if (PlotSequence.isEmpty() || PlotSequence.last() != formula) PlotSequence.append(formula);
}

void Plotter::UpdateAnalysisItems() {
    if (HoldMode && PlotSequence.size() > 1) {
        Term2ItemVisible = true;
    } else {
        Term2ItemVisible = false;
        Take1Visible = Take2Visible = false;
        Mark1Visible = Mark2Visible = false;
        SearchItemVisible = false;
    }
}

void Plotter::ResetFormulas() {
    PlotSequence.clear();
    GraphFormulas.clear();
}
