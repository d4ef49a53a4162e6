// Renders the plotter panel in telling states to PNG files, for a look by eye:
// snapshot_plotter <output folder>
#include "tools/printingdialogs.h"
#include "core/calculator.h"
#include "parser/degreemode.h"
#include "plotter/plotter.h"
#include "plotter/views/tframe2.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

namespace {


// The function panel as far as the plotter sees it.
struct Panel : PlotterFunctionSource {
    QString formula;
    QStringList history;
    QString currentFormula() const override { return formula; }
    int historyIndex(const QString& f) const override { return static_cast<int>(history.indexOf(f)); }
};

bool save(QWidget& widget, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    if (!widget.grab().save(path)) {
        std::fprintf(stderr, "Kann %s nicht schreiben\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "Aufruf: snapshot_plotter <Ausgabeordner>\n");
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) return 1;

    PrintingDialogs dialogs;
    Calculator calc(dialogs);
    Panel panel;
    Plotter plotter(calc, dialogs);
    plotter.setFunctionSource(&panel);
    TFrame2 frame(plotter);
    frame.show();
    bool ok = save(frame, folder, QStringLiteral("plotter_trigonometry_labels.png"));

    calc.PanelFunction = 7;
    calc.Operand1Text = calc.Label1 = QStringLiteral("2");
    plotter.ShowFunctionLabels();
    plotter.ShowValues(QStringLiteral("2"), QStringLiteral("4"));
    panel.formula = QStringLiteral("x^2");
    plotter.DrawGraph();
    frame.render();
    ok = save(frame, folder, QStringLiteral("plotter_x2_scale5.png")) && ok;

    panel.formula = QStringLiteral("tan(x)");
    plotter.Gitter2 = true;
    plotter.ComboBox1Change(9);  // "10"
    frame.render();
    ok = save(frame, folder, QStringLiteral("plotter_tan_scale10.png")) && ok;

    panel.formula = QStringLiteral("sin(x)");
    plotter.Gitter2 = false;
    plotter.ScaleIndex = 3;  // "4"
    plotter.GradRadClick(true);
    calc.Operand1Text = calc.Label1 = QStringLiteral("90");
    plotter.DrawGraph();
    frame.render();
    ok = save(frame, folder, QStringLiteral("plotter_degrees_scale4.png")) && ok;
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
    ok = save(frame, folder, QStringLiteral("plotter_hold_colours.png")) && ok;
    DegreeMode = 0;
    return ok ? 0 : 1;
}
