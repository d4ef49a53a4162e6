#include "plotter/trigplotteradapter.h"

#include "panels/trigpanel.h"
#include "plotter/plotter.h"

void TrigPlotterAdapter::publish() {
    plotter_.TrigAngle = panel_.TrigAngle;
    plotter_.TrigDegrees = panel_.TrigDegrees;
    plotter_.TrigSin = panel_.TrigSin;
    plotter_.TrigCos = panel_.TrigCos;
    plotter_.TrigTan = panel_.TrigTan;
    plotter_.TrigCot = panel_.TrigCot;
    plotter_.HypY = panel_.HypY;
    plotter_.CoshY = panel_.CoshY;
    plotter_.Hyp = panel_.Hyp;
    plotter_.Arc = panel_.Arc;
    plotter_.Rad = panel_.Rad;
}

void TrigPlotterAdapter::redrawPlotter() {
    publish();
    plotter_.DrawGraph();
}

void TrigPlotterAdapter::showFunctionView() {
    publish();
    plotter_.ShowHyperbolicView();
}

void TrigPlotterAdapter::showUnitCircleView() {
    plotter_.ShowUnitCircleView();
    publish();
    plotter_.Hyp = false;  // the panel unchecks "Hyp" with this switch
}

void TrigPlotterAdapter::prepareHyperbolicPlot() { plotter_.PrepareHyperbolicPlot(); }
