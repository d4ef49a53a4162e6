#include "trigpanel.h"

#include "core/calculator.h"
#include "core/numtext.h"
#include "panels/trigcompute.h"

#include <algorithm>

TrigPanel::TrigPanel(Calculator& calc, Dialogs& dialogs) : calc_(calc), dialogs_(dialogs) {}

bool TrigPanel::ApplyFunction(int button) {
    if (button < 1 || button > 6) return false;
    if (calc_.NumberFormat != 3) calc_.SetNumberFormat(3);
    calc_.RepeatMode = 0;
    calc_.RepeatCount = 0;
    calc_.Label5 = QStringLiteral("0");
    if (calc_.ActiveField == 2) return false;

    const long double x = numtext::valValue(calc_.Operand1Text);
    const trig::Outcome o = trig::compute(button, x, {Rad, Arc, Hyp, plotter_->plotterVisible()});
    if (!o.message.isEmpty()) {
        dialogs_.message(o.message);
        if (o.view == trig::View::UnitCircle) ShowUnitCircleView();
        return false;
    }

    auto publish = [](const std::optional<long double>& value, long double& target) {
        if (value) target = *value;
    };
    publish(o.angle, TrigAngle);
    publish(o.degrees, TrigDegrees);
    publish(o.sin, TrigSin);
    publish(o.cos, TrigCos);
    publish(o.tan, TrigTan);
    publish(o.cot, TrigCot);
    publish(o.hypY, HypY);
    publish(o.coshY, CoshY);

    calc_.WorkValue = o.result;
    calc_.FormatNumber();
    calc_.Label3 = calc_.FormattedText;
    calc_.Label4 = o.mark4;
    calc_.Label2 = o.mark2;
    calc_.SelectedRadio = 1;
    calc_.ActiveField = 1;
    calc_.PanelFunction = button;
    // The information area shows the operand and the result just written.
    if (o.view == trig::View::Function) ShowFunctionView();
    if (plotter_->plotterVisible()) plotter_->redrawPlotter();
    return true;
}

void TrigPanel::Rerun(int panelFunction) { ApplyFunction(panelFunction); }

void TrigPanel::PressFunctionKey(int key) {
    if (key >= 5 && key <= 8) ApplyFunction(key - 2);
}

void TrigPanel::rerunAngleMode() {
    if (calc_.ActiveField == 4) return;
    const int pf = calc_.PanelFunction;
    ApplyFunction(pf >= 1 && pf <= 6 ? pf : 1);
}

void TrigPanel::SelectGrad() {
    Rad = false;
    rerunAngleMode();
}

void TrigPanel::SelectRad() {
    Rad = true;
    rerunAngleMode();
}

void TrigPanel::ArcClicked(bool checked) {
    Arc = checked;
    const int pf = calc_.PanelFunction;
    if (checked && !Hyp && (pf == 1 || pf == 2)) {
        const long double x = numtext::valValue(calc_.Operand1Text);
        if (x > 1 || x < -1) {
            dialogs_.message(x > 1 ? QString::fromUtf8("Wert darf nicht höher als 1 sein")
                                   : QStringLiteral("Wert darf nicht kleiner als -1 sein"));
            Arc = false;
            return;
        }
    }
    ApplyFunction(pf >= 1 && pf <= 6 ? pf : 1);
}

void TrigPanel::HypClicked(bool checked) {
    Hyp = checked;
    if (calc_.ActiveField == 4) return;
    // Only Sin, Cos and Tan have a hyperbolic form. A check that is refused, or a re-run that
    // applies nothing, leaves the pending function as it was: a Sin made pending while the
    // second operand is typed would take over the next "=".
    const int before = calc_.PanelFunction;
    calc_.PanelFunction = std::clamp(before, 1, 3);
    if (!checked) {
        ShowUnitCircleView();
    } else {
        const long double x = numtext::valValue(calc_.Operand1Text);
        if ((calc_.PanelFunction == 1 || calc_.PanelFunction == 2) && plotter_->plotterVisible() && x > 39.7L) {
            dialogs_.message(QString::fromUtf8("Zahl darf nicht größer als 39.7 sein wenn Graph sichtbar ist"));
            Hyp = false;
            calc_.PanelFunction = before;
            return;
        }
        ShowFunctionView();
        plotter_->prepareHyperbolicPlot();
    }
    if (!ApplyFunction(calc_.PanelFunction)) calc_.PanelFunction = before;
}

bool TrigPanel::PressGraph() {
    if (plotter_->plotterVisible()) {
        HypY = 0;
        CoshY = 0;
        TrigAngle = 0;
        GraphCaption = QStringLiteral("Graph->");
        return false;
    }
    GraphCaption = QStringLiteral("<-Graph");
    return true;
}

void TrigPanel::PanelOpened() {
    calc_.PanelFunction = 0;
    if (plotter_->plotterVisible()) plotter_->redrawPlotter();
}

void TrigPanel::ExtensionClosed() {
    Arc = false;
    Hyp = false;
    CircularEnabled = true;  // an unchecked "Hyp" never leaves the circular buttons off
}

void TrigPanel::ShowFunctionView() {
    CircularEnabled = false;
    plotter_->showFunctionView();
}

void TrigPanel::ShowUnitCircleView() {
    Hyp = false;
    CircularEnabled = true;
    plotter_->showUnitCircleView();
}
