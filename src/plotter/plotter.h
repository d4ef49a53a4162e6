#pragma once
// The plotter's model and its drawing: the 400 × 400 surface `Image1` with its backup `Image2`,
// the scale, grid and degree settings, the formulas of hold mode, and `DrawGraph`, which
// repaints the surface after every change. The view renders these members and forwards its
// controls to the commands below; the function panel reaches it through the shell.
#include "plotter/functionsource.h"
#include "plotter/intersectionsearch.h"
#include "plotter/plotscale.h"

#include "parser/anglemode.h"

#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>

class Calculator;
class Dialogs;
class DocumentLauncher;
class PlotCanvas;
class TCompiledFormula;

// What the plotter asks of its window: the busy cursor while it searches.
class PlotterWindowHooks {
public:
    virtual ~PlotterWindowHooks() = default;
    virtual void setBusy(bool busy) {}
};

class Plotter {
public:
    static constexpr int W = 400;
    static constexpr int H = 400;

    // `angles` is the parsers' angle unit that the degree button sets; without one the plotter keeps its own.
    Plotter(Calculator& calc, Dialogs& dialogs, AngleMode* angles = nullptr);
    const AngleMode& angles() const { return *angles_; }
    // nullptr unwires the function panel.
    void setFunctionSource(PlotterFunctionSource* source) { source_ = source ? source : &noSource_; }
    void setWindowHooks(PlotterWindowHooks* hooks) { window_ = hooks ? hooks : &noWindow_; }
    // Opens the exported document in the word processor; nullptr: export writes the file only.
    void setLauncher(DocumentLauncher* launcher) { launcher_ = launcher; }

    // ---- Surface ----
    QImage Image1;             // the picture
    QImage Image2;             // backup, taken before each change
    bool UndoVisible = false;  // "Letzte Änderung rückgängig"
    QString StartDirectory;    // where the export writes "Temp.fodt": the working directory at start

    // ---- Scale and grid ----
    int ScaleIndex = plotscale::StartScaleIndex;  // selection of the scale list `ComboBox1`
    int ScaleRange = 5;
    int PixelsPerUnit = 40;
    int AngleFactor = 1;  // 90 while the angle functions work in degrees
    bool Gitter = true;
    bool Gitter2 = false;
    bool Gitter2Enabled = true;
    bool GitterEnabled = true;  // the grid boxes and the scale list; off in hold mode
    bool ScaleEnabled = true;

    // ---- Degree/radian button `GradRad` ----
    bool GradRadDown = false;
    bool GradRadVisible = false;
    QString GradRadCaption = QStringLiteral("R");
    QString GradRadHint = QStringLiteral("Berechnung in Radianten (Bogenmaß)");

    // ---- Formulas and hold mode ----
    bool HoldMode = false;  // the hold button `Halten` is down
    QString HaltenCaption = QStringLiteral("Erhalten");
    QString Term1, Term2;
    QStringList PlotSequence;        // a new entry whenever the evaluated formula differs from the last
    QStringList GraphFormulas;       // the distinct formulas of the current graph
    QString Term1Label, Term2Label;  // shown beside "Term 1: " and "Term 2: "
    bool TermLabelsVisible = false;

    // ---- Drawing flags ----
    bool RedrawGridOnly = false;
    bool EvalFailed = false;
    bool EvalResumed = false;
    bool MarkRequest1 = false, MarkRequest2 = false;
    long double MarkerY = 0;

    // ---- Intersection search ----
    enum RangeChoice { Einfach, Doppelt, Dreifach, BisNull, AbNull, Frei };
    RangeChoice SearchRange = Dreifach;  // the checked item of "Bereich für Schnittpunktsuche"
    long double SearchStart = -3, SearchEnd = 3;
    long double Intersection1X = 0, Intersection2X = 0;
    long double Intersection1Y1 = 0, Intersection1Y2 = 0, Intersection2Y1 = 0, Intersection2Y2 = 0;
    bool SnPChecked = false;  // "SP", mirrored by the menu item "Schnittpunkt berechnen"
    bool SnPVisible = false;
    QString SnPCaption = QStringLiteral("SP");
    QString SnPHint = QStringLiteral("Schnittpunkt berechnen");
    QString Result1, Result2;  // the two result labels
    bool Result1Visible = false, Result2Visible = false;
    IntersectionSearch Search;

    // ---- Context menu of `Image1`: visibility of the items that come and go ----
    bool Term2ItemVisible = false;                    // "Term 2 schreiben"
    bool SearchItemVisible = false;                   // "Schnittpunkt berechnen"
    bool RangeMenuVisible = false;                    // "Bereich für Schnittpunktsuche"
    bool Take1Visible = false, Take2Visible = false;  // "X-Wert für Schnittpunkt n übernehmen"
    bool Mark1Visible = false, Mark2Visible = false;  // "Schnittpunkt n Markieren/markieren"
    bool Term1ItemVisible = true;                     // "Term 1 schreiben"

    // ---- Placements, tools and the mouse ----
    bool PlaceMarker1 = false, PlaceMarker2 = false, PlaceTerm1 = false, PlaceTerm2 = false;
    bool PlaceXPoint = false, PlaceComment = false;
    QString CommentText;
    enum Tool { NoTool, Radieren, Pfeil, BoxGefuellt, BoxRahmen };
    Tool CheckedTool = NoTool;
    bool DragCursor = false;  // the drag cursor while a placement waits for the mouse
    QPoint MousePos, DragStart;

    // ---- Information area ----
    bool FunctionView = false;    // "x = " / "f(x) = " readouts of the function panel
    bool HyperbolicView = false;  // the trigonometry panel's hyperbolic readouts (marks, operand, result)
    QString XCaption = QStringLiteral("x = "), FxCaption = QStringLiteral("f(x) = ");
    QString XValue, FxValue;  // the readouts beside them

    // ---- Trigonometric pictures: what the trigonometry panel published ----
    long double TrigAngle = 0, TrigDegrees = 0;
    long double TrigSin = 0, TrigCos = 0, TrigTan = 0, TrigCot = 0;
    long double HypY = 0, CoshY = 0;
    bool Hyp = false, Arc = false, Rad = false;
    int AnglePeriods = 0, AngleRest = 0;
    QString TrigReadouts[6];              // sine, cosine, tangent, cotangent, secant, cosecant
    QString Edit1 = QStringLiteral("1");  // "Bei Radius"
    QString Edit2;                        // the line at that radius

    // ---- Commands of the function picture ----
    void DrawGraph();
    void ComboBox1Change(int index);  // scale list
    void GitterClick(bool checked);
    void Gitter2Click(bool checked);
    void GradRadClick(bool down);
    void HaltenClick(bool down);
    void SnPClick(bool checked);
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

    // ---- What the calculator asks ----
    // Esc or Enter left the radius input: the picture follows.
    void PlotterTakesKey() { DrawGraph(); }
    // "Löschen": requests, placements and results cleared, the search items hidden.
    void ResetPlotter();

    // ---- Context menu of `Image1` ----
    void XPunktBeschriften();
    void XWertLoeschen();
    void Term1Schreiben();
    void Term2Schreiben();
    void SchnittpunktBerechnen();
    void SelectSearchRange(RangeChoice choice);  // all but "Frei definierbar"
    void XWertUebernehmen(int intersection);
    void SchnittpunktMarkieren(int intersection);
    void Kommentar();
    void ToolClick(Tool tool);
    void GitterNeuZeichnen();
    void GraphLoeschen();

    // ---- `TBereich`, opened by "Frei definierbar" ----
    // The range the dialog shows, in x, as shortest float texts.
    QString BereichAnfang() const;
    QString BereichEnde() const;
    // "OK": false (with a message) when the dialog must stay open.
    bool BereichOk(const QString& anfang, const QString& ende);

    // ---- Mouse on the surface ----
    void MouseMove(QPoint pos, bool buttonHeld);
    void MouseDown(QPoint pos);
    void MouseUp(QPoint pos);

    // ---- Buttons ----
    void UndoClick();
    void SaveClick();    // "Graph als Bild speichern"
    void ExportClick();  // "Graph in LibreOffice exportieren"

    // ---- Trigonometric pictures ----
    void ShowHyperbolicView();  // the information area for a hyperbolic function
    void ShowUnitCircleView();  // the six readouts and the radius input; releases hold
    void PrepareHyperbolicPlot();
    void Edit1Change(const QString& text);  // a typed "," becomes "."
    void Edit1Click();                      // the keyboard goes to the radius input
    void Button2Click();                    // "Übern."

    // The text pieces the export types after the picture; "\r" ends a paragraph.
    QStringList ExportPieces() const;

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
    void releaseHold();
    void backup();
    void cancelPlacements();
    void searchIntersections(const long double constants[3], const bool used[3]);
    void showResult(const IntersectionResult& result);
    void placeText(QPoint at);
    void drawShape(QPoint to);
    // Trigonometric pictures.
    void drawTrigPicture();
    void drawUnitCircle(PlotCanvas& canvas);
    void drawConstruction(PlotCanvas& canvas, QPoint point);
    void drawHyperbola(PlotCanvas& canvas);
    void updateTrigReadouts();

    Calculator& calc_;
    Dialogs& dialogs_;
    AngleMode ownAngles_;
    AngleMode* angles_;
    PlotterFunctionSource noSource_;
    PlotterFunctionSource* source_ = &noSource_;
    PlotterWindowHooks noWindow_;
    PlotterWindowHooks* window_ = &noWindow_;
    DocumentLauncher* launcher_ = nullptr;
    // The last search, reused while nothing it depends on changed.
    QString lastSearchKey_;
    IntersectionResult lastResult_;
};
