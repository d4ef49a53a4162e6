#pragma once
// The plotter as the trigonometry panel sees it: before each picture the values the panel
// published are copied into the plotter, which keeps its own copy to draw from. Whether the
// plotter is on screen is the main window's knowledge, so the shell derives from this class
// and answers plotterVisible(); it passes the object to TrigPanel::setPlotterHooks.
#include "panels/trigplotterhooks.h"

class Plotter;
class TrigPanel;

class TrigPlotterAdapter : public TrigPlotterHooks {
public:
    TrigPlotterAdapter(Plotter& plotter, const TrigPanel& panel) : plotter_(plotter), panel_(panel) {}

    bool plotterVisible() const override = 0;
    void redrawPlotter() override;
    void showFunctionView() override;
    void showUnitCircleView() override;
    void prepareHyperbolicPlot() override;

    // Copies TrigAngle … CoshY and the "Hyp", "Arc", "Rad" boxes into the plotter.
    void publish();

private:
    Plotter& plotter_;
    const TrigPanel& panel_;
};
