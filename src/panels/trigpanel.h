#pragma once
// The trigonometry panel's engine: applies a circular function, its inverse or a hyperbolic
// function to the first operand and shows the result in the second field, without touching the
// pending calculation; publishes the angle and the function values the plotter draws from.
#include "panels/trigplotterhooks.h"

#include <QString>

class Calculator;
class Dialogs;

class TrigPanel {
public:
    TrigPanel(Calculator& calc, Dialogs& dialogs);
    // nullptr: no plotter.
    void setPlotterHooks(TrigPlotterHooks* hooks) { plotter_ = hooks ? hooks : &noPlotter_; }

    // ---- Published to the plotter ----
    long double TrigAngle = 0;    // radians; the x coordinate on a hyperbolic curve
    long double TrigDegrees = 0;  // the argument in degrees (forward functions)
    long double TrigSin = 0, TrigCos = 0, TrigTan = 0, TrigCot = 0;
    long double HypY = 0;   // y on the sinh or tanh curve
    long double CoshY = 0;  // y on the cosh curve

    // ---- Controls ----
    bool Rad = false;  // RadioButton2 "Rad"; RadioButton1 "Grad" otherwise
    bool Arc = false;
    bool Hyp = false;
    // "Grad", "Rad", "Cot", "Sec", "Csc": off while the plotter shows a hyperbolic curve.
    bool CircularEnabled = true;
    QString GraphCaption = QStringLiteral("Graph->");  // Button7, "<-Graph" while the plotter is shown

    // ---- Commands ----
    // Button1 "Sin" … Button6 "Csc"; false when nothing was applied (second operand being typed,
    // or refused). Runs whether or not the button is enabled or the panel shown (F5–F8 press them).
    bool ApplyFunction(int button);
    // The calculator re-runs the function of `PanelFunction` on a new first operand.
    void Rerun(int panelFunction);
    // F5, F6, F7, F8: "Tan", "Cot", "Sec", "Csc".
    void PressFunctionKey(int key);
    // RadioButton1/RadioButton2 clicked.
    void SelectGrad();
    void SelectRad();
    // The user clicked "Arc" or "Hyp" into the given state.
    void ArcClicked(bool checked);
    void HypClicked(bool checked);
    // Button7: the panel's half. true when the plotter is to be shown, false when hidden.
    bool PressGraph();
    // The panel is opened by panel switching.
    void PanelOpened();
    // The extension area closes: "Hyp" and "Arc" unchecked, nothing re-run.
    void ExtensionClosed();

    void ShowFunctionView();
    void ShowUnitCircleView();

private:
    void rerunAngleMode();

    Calculator& calc_;
    Dialogs& dialogs_;
    TrigPlotterHooks noPlotter_;
    TrigPlotterHooks* plotter_ = &noPlotter_;
};
