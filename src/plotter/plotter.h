#pragma once
// The plotter's model and its drawing: the 400 × 400 surface `Image1` with its backup `Image2`,
// the scale, grid and degree settings, the formulas of hold mode, and `DrawGraph`, which
// repaints the surface after every change. The view renders these members and forwards its
// controls to the commands below; the function panel reaches it through the shell.
#include "plotter/functionsource.h"
#include "plotter/plotscale.h"

#include <QImage>
#include <QString>
#include <QStringList>

class Calculator;
class Dialogs;
class PlotCanvas;
class TCompiledFormula;

class Plotter {
public:
    static constexpr int W = 400;
    static constexpr int H = 400;

    Plotter(Calculator& calc, Dialogs& dialogs);
    // nullptr unwires the function panel.
    void setFunctionSource(PlotterFunctionSource* source) { source_ = source ? source : &noSource_; }

    // ---- Surface ----
    QImage Image1;  // the picture
    QImage Image2;  // backup, taken before each change
    bool UndoVisible = false;  // "Letzte Änderung rückgängig"

    // ---- Scale and grid ----
    int ScaleIndex = plotscale::StartScaleIndex;  // selection of the scale list `ComboBox1`
    int ScaleRange = 5;
    int PixelsPerUnit = 40;
    int AngleFactor = 1;  // 90 while the angle functions work in degrees
    bool Gitter = true;
    bool Gitter2 = false;
    bool Gitter2Enabled = true;

    // ---- Degree/radian button `GradRad` ----
    bool GradRadDown = false;
    bool GradRadVisible = false;
    QString GradRadCaption = QStringLiteral("R");
    QString GradRadHint = QStringLiteral("Berechnung in Radianten (Bogenmaß)");

    // ---- Formulas and hold mode ----
    bool HoldMode = false;  // the hold button "Erhalten" is down
    QString Term1, Term2;
    QStringList PlotSequence;   // a new entry whenever the evaluated formula differs from the last
    QStringList GraphFormulas;  // the distinct formulas of the current graph
    QString Term1Label, Term2Label;  // shown beside "Term 1: " and "Term 2: "

    // ---- Drawing flags and the analysis state DrawGraph reads ----
    bool RedrawGridOnly = false;
    bool EvalFailed = false;
    bool EvalResumed = false;
    bool MarkRequest1 = false, MarkRequest2 = false;
    bool PlaceXPoint = false;  // an x-point label waits for the next mouse release
    bool SnPChecked = false;   // "SP": search the intersection of the last two curves
    long double Intersection1X = 0, Intersection2X = 0;
    long double MarkerY = 0;

    // ---- Information area ----
    bool FunctionView = false;  // "x = " / "f(x) = " readouts instead of the trigonometry labels
    QString XValue, FxValue;    // the readouts beside "x = " and "f(x) = "

    // ---- Menu items of the surface that the function panel shows or hides ----
    bool Term2ItemVisible = false;          // "Term 2 schreiben"
    bool IntersectionItemsVisible = false;  // the five intersection items

    // ---- Commands ----
    void DrawGraph();
    void ComboBox1Change(int index);  // scale list
    void GitterClick(bool checked);
    void Gitter2Click(bool checked);
    void GradRadClick(bool down);
    // Set up for the function panel when the plotter opens beside it, or back for trigonometry.
    void ShowFunctionLabels();
    void ShowTrigonometryLabels();

    // ---- What the function panel asks after an evaluation ----
    void ShowValues(const QString& x, const QString& fx);
    // A formula was evaluated: it joins `GraphFormulas` and, when it differs from the last, `PlotSequence`.
    void RecordFormula(const QString& formula);
    // With two or more formulas in the history: "Term 2 schreiben" in hold mode, else the analysis items hide.
    void UpdateAnalysisItems();
    // "Löschen" while the function panel is shown.
    void ResetFormulas();

    // The undo button: the backup goes back onto the surface and the button hides.
    void UndoClick() {
        Image1 = Image2.copy();
        UndoVisible = false;
    }

    // The intersection search of hold mode; it comes with the plotter's analysis tools.
    void SearchIntersections() {}

private:
    bool readConstants(long double values[3], bool used[3]);
    void drawBackground(PlotCanvas& canvas);
    void takeTerms(const QString& formula);
    void updateDegreeButton(const QString& formula);
    void drawScale(PlotCanvas& canvas);
    void drawTick(PlotCanvas& canvas, int tick, int offset, int halfStep, plotscale::Side side);
    void drawCurve(PlotCanvas& canvas, TCompiledFormula& formula, const QString& text);
    void drawMarker(PlotCanvas& canvas, TCompiledFormula& formula);
    void releaseDegreeButton();

    Calculator& calc_;
    Dialogs& dialogs_;
    PlotterFunctionSource noSource_;
    PlotterFunctionSource* source_ = &noSource_;
};
