// Renders the plotter panel in telling states to PNG files, for a look by eye:
// snapshot_plotter <output folder>
#include "tools/snapshotsupport.h"
#include "tools/printingdialogs.h"
#include "core/calculator.h"
#include "core/numtext.h"
#include "plotter/plotter.h"
#include "plotter/views/tframe2.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <cmath>
#include <numbers>
#include <cstdio>

namespace {

// The function panel as far as the plotter sees it.
struct Panel : PlotterFunctionSource {
    QString formula;
    QStringList history;
    QString currentFormula() const override { return formula; }
    int historyIndex(const QString& f) const override { return static_cast<int>(history.indexOf(f)); }
};

// The comment input answers with the snapshot's comment.
struct SnapshotDialogs : PrintingDialogs {
    std::optional<QString> input(const QString&, const QString&, const QString&) override {
        return QStringLiteral("Zwei Schnittpunkte");
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::optional<QDir> out = snapshotFolder(argc, argv);
    if (!out) return 2;
    const QDir& folder = *out;

    SnapshotDialogs dialogs;
    Calculator calc(dialogs);
    Panel panel;
    Plotter plotter(calc, dialogs);
    plotter.setFunctionSource(&panel);
    TFrame2 frame(plotter);
    frame.show();
    bool ok = saveSnapshot(frame, folder, QStringLiteral("plotter_trigonometry_labels.png"));

    calc.PanelFunction = 7;
    calc.Operand1Text = calc.Label1 = QStringLiteral("2");
    plotter.ShowFunctionLabels();
    plotter.ShowValues(QStringLiteral("2"), QStringLiteral("4"));
    panel.formula = QStringLiteral("x^2");
    plotter.DrawGraph();
    frame.render();
    ok = saveSnapshot(frame, folder, QStringLiteral("plotter_x2_scale5.png")) && ok;

    panel.formula = QStringLiteral("tan(x)");
    plotter.Gitter2 = true;
    plotter.ComboBox1Change(9);  // "10"
    frame.render();
    ok = saveSnapshot(frame, folder, QStringLiteral("plotter_tan_scale10.png")) && ok;

    panel.formula = QStringLiteral("sin(x)");
    plotter.Gitter2 = false;
    plotter.ScaleIndex = 3;  // "4"
    plotter.GradRadClick(true);
    calc.Operand1Text = calc.Label1 = QStringLiteral("90");
    plotter.DrawGraph();
    frame.render();
    ok = saveSnapshot(frame, folder, QStringLiteral("plotter_degrees_scale4.png")) && ok;
    plotter.GradRadClick(false);

    // Hold mode: each new curve in the colour of its place in the history, a marked intersection.
    calc.Operand1Text = calc.Label1 = QString();
    plotter.ScaleIndex = 4;
    const QStringList curves = {"x^2", "x+1", "sqrt(x)", "ln(x)", "1/x", "0-x^2+3", "x^3", "(x)expe", "abs(x)-2"};
    panel.history = curves;
    for (const QString& f : curves) {
        panel.formula = f;
        plotter.RecordFormula(f);
        plotter.DrawGraph();
        plotter.HoldMode = true;
    }
    plotter.Intersection1X = 1.61803398874989L;
    plotter.MarkRequest1 = true;
    plotter.DrawGraph();
    frame.render();
    ok = saveSnapshot(frame, folder, QStringLiteral("plotter_hold_colours.png")) && ok;

    // Hold with "SP": x^2 held, x+2 drawn, both intersections found and the first one marked.
    plotter.HaltenClick(false);
    plotter.ScaleIndex = 4;
    panel.history = {"x^2", "x+2"};
    panel.formula = QStringLiteral("x^2");
    plotter.PlotSequence.clear();
    plotter.RecordFormula(panel.formula);
    plotter.DrawGraph();
    plotter.HaltenClick(true);
    plotter.SnPClick(true);
    panel.formula = QStringLiteral("x+2");
    plotter.RecordFormula(panel.formula);
    plotter.DrawGraph();
    plotter.SchnittpunktMarkieren(1);
    plotter.MouseUp({60, 60});
    frame.render();
    ok = saveSnapshot(frame, folder, QStringLiteral("plotter_hold_sp.png")) && ok;

    // Tools: arrow, both boxes, a comment and an erased stroke.
    plotter.ToolClick(Plotter::Pfeil);
    plotter.MouseDown({250, 330});
    plotter.MouseUp({320, 260});
    plotter.ToolClick(Plotter::BoxGefuellt);
    plotter.MouseDown({40, 300});
    plotter.MouseUp({140, 350});
    plotter.ToolClick(Plotter::BoxRahmen);
    plotter.MouseDown({260, 20});
    plotter.MouseUp({380, 70});
    plotter.Kommentar();
    plotter.MouseUp({270, 40});
    plotter.ToolClick(Plotter::Radieren);
    for (int x = 100; x < 140; ++x) plotter.MouseMove({x, 196}, true);
    frame.render();
    ok = saveSnapshot(frame, folder, QStringLiteral("plotter_tools.png")) && ok;
    plotter.HaltenClick(false);

    // Trigonometric pictures: each construction in each quadrant, four surfaces to a picture.
    calc.PanelFunction = 1;
    plotter.ShowUnitCircleView();
    constexpr long double pi = std::numbers::pi_v<long double>;
    auto publish = [&](long double degrees, int pf) {
        const long double r = degrees * pi / 180;
        plotter.TrigAngle = r;
        plotter.TrigDegrees = degrees;
        plotter.TrigSin = std::sin(r);
        plotter.TrigCos = std::cos(r);
        plotter.TrigTan = plotter.TrigSin / plotter.TrigCos;
        plotter.TrigCot = plotter.TrigCos / plotter.TrigSin;
        calc.PanelFunction = pf;
        calc.WorkValue = pf == 1 ? plotter.TrigSin : plotter.TrigCos;
        plotter.DrawGraph();
    };
    const char* names[] = {"", "sin", "cos", "tan", "cot", "sec", "csc"};
    for (int pf = 1; pf <= 6; ++pf) {
        QImage montage(800, 800, QImage::Format_RGB32);
        QPainter painter(&montage);
        const long double angles[] = {40, 130, 220, 310};
        for (int q = 0; q < 4; ++q) {
            publish(angles[q], pf);
            painter.drawImage((q % 2) * 400, (q / 2) * 400, plotter.Image1);
        }
        painter.end();
        const QString path =
            folder.filePath(QStringLiteral("plotter_circle_%1.png").arg(QString::fromLatin1(names[pf])));
        ok = montage.save(path) && ok;
        std::printf("%s\n", qPrintable(path));
    }
    publish(450, 3);
    frame.render();
    ok = saveSnapshot(frame, folder, QStringLiteral("plotter_circle_tan_450.png")) && ok;

    // Hyperbolic curves with the published point.
    calc.Operand1Text = calc.Label1 = QStringLiteral("1");
    calc.Label4 = QStringLiteral("x");
    plotter.Hyp = true;
    plotter.ShowHyperbolicView();
    plotter.ScaleIndex = 2;  // "3"
    for (int pf = 1; pf <= 3; ++pf) {
        plotter.TrigAngle = 1;
        plotter.HypY = pf == 1 ? std::sinh(1.0L) : std::tanh(1.0L);
        plotter.CoshY = std::cosh(1.0L);
        calc.PanelFunction = pf;
        calc.Label2 = QString::fromLatin1(pf == 1 ? "sinh" : pf == 2 ? "cosh" : "tanh");
        calc.Label3 = numtext::formatG(pf == 2 ? plotter.CoshY : plotter.HypY);
        plotter.DrawGraph();
        frame.render();
        ok = saveSnapshot(frame, folder, QStringLiteral("plotter_%1.png").arg(calc.Label2)) && ok;
    }
    return ok ? 0 : 1;
}
