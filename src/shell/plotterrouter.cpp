#include "shell/plotterrouter.h"

#include "core/calculator.h"
#include "functions/functionpanel.h"
#include "panels/trigpanel.h"
#include "plotter/plotter.h"

PlotterRouter::PlotterRouter(Calculator& calc, PanelLayout& layout, Plotter& plotter, TrigPanel& trig,
                             FunctionPanel& functions)
    : calc_(calc),
      layout_(layout),
      plotter_(plotter),
      trig_(trig),
      functions_(functions),
      trigAdapter_(plotter, trig, layout) {}

bool PlotterRouter::plotterVisible() const { return layout_.PlotterShown; }

bool PlotterRouter::plotHoldDown() const { return plotter_.HoldMode; }

void PlotterRouter::plotterTakesKey() { plotter_.PlotterTakesKey(); }

void PlotterRouter::EnterInPlotter() {
    calc_.ActiveField = 1;
    plotter_.PlotterTakesKey();
}

void PlotterRouter::resetPlotter() { plotter_.ResetPlotter(); }

void PlotterRouter::drawGraph() { plotter_.DrawGraph(); }

void PlotterRouter::showPlotValues(const QString& x, const QString& fx) { plotter_.ShowValues(x, fx); }

void PlotterRouter::recordPlottedFormula(const QString& formula) { plotter_.RecordFormula(formula); }

void PlotterRouter::updatePlotMenu() { plotter_.UpdateAnalysisItems(); }

// "Löschen" with the function panel shown: the plotted formulas go, and the constants are typed again.
void PlotterRouter::resetPlottedFormulas() {
    plotter_.ResetFormulas();
    ConstantsEnabled = true;
}

// The function panel's "Graph ->" and "<-Graph": the layout decides, the hooks below follow.
void PlotterRouter::openPlotter() {
    if (!layout_.PlotterShown) layout_.ToggleGraph();
}

void PlotterRouter::closePlotter() {
    if (layout_.PlotterShown) layout_.ToggleGraph();
}

QString PlotterRouter::currentFormula() const { return functions_.CurrentFormula; }

QString PlotterRouter::constantText(int index) const {
    const QString* texts[] = {&functions_.Edit1, &functions_.Edit2, &functions_.Edit3};
    return index >= 0 && index < 3 ? *texts[index] : QString();
}

int PlotterRouter::historyIndex(const QString& formula) const {
    return static_cast<int>(functions_.FormulaHistory.indexOf(formula));
}

void PlotterRouter::evaluateAgain() { functions_.Button1Click(); }

void PlotterRouter::putFormulaFirst(const QString& formula) {
    const auto at = functions_.FormulaHistory.indexOf(formula);
    if (at > 0) functions_.FormulaHistory.swapItemsAt(0, at);
}

void PlotterRouter::clearFormula() { functions_.CurrentFormula.clear(); }

void PlotterRouter::sidePanelOpened(int panel) {
    const bool plotterShown = layout_.PlotterShown;
    switch (static_cast<SidePanelKind>(panel)) {
    case SidePanelKind::Trigonometry:
        plotter_.ShowTrigonometryLabels();
        if (plotterShown) trig_.GraphCaption = QStringLiteral("<-Graph");
        trig_.PanelOpened();  // no function yet; the plotter shows the unit circle
        break;
    case SidePanelKind::Functions:
        plotter_.ShowFunctionLabels();
        if (!plotterShown) break;
        calc_.PanelFunction = 7;
        captionGraphButtons(true);
        if (!functions_.CurrentFormula.isEmpty()) functions_.Button1Click();
        else plotter_.DrawGraph();
        break;
    default: break;
    }
}

// Every route that closes the plotter closes it as the trigonometry panel's "<-Graph" does: the
// published hyperbolic point is forgotten and both graph buttons offer to open it again.
void PlotterRouter::plotterClosing() {
    trig_.PressGraph();
    captionGraphButtons(false);
    plotter_.ShowTrigonometryLabels();
}

void PlotterRouter::plotterOpened() {
    captionGraphButtons(true);
    if (shown(SidePanelKind::Functions)) {
        plotter_.ShowFunctionLabels();
        return;  // the function panel draws its own curve
    }
    plotter_.ShowTrigonometryLabels();
    trigAdapter_.redrawPlotter();
}

void PlotterRouter::extensionClosing() { trig_.ExtensionClosed(); }

void PlotterRouter::captionGraphButtons(bool plotterShown) {
    trig_.GraphCaption = plotterShown ? QStringLiteral("<-Graph") : QStringLiteral("Graph->");
    functions_.Button2Caption = trig_.GraphCaption;
    functions_.Button2Hint = plotterShown ? QStringLiteral("Graph schließen") : QStringLiteral("Graph öffnen");
}
