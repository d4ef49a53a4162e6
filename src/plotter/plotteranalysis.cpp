// Hold mode, the intersection search with its range, and the commands of the surface's
// context menu that do not draw by hand.
#include "core/calculator.h"
#include "core/numtext.h"
#include "parser/mathparser.h"
#include "plotter/plotter.h"

#include <cmath>
#include <cstring>
#include <optional>

namespace {

// The main window's caption while the search works; restored however the search ends.
class SearchCaption : public SearchProgress {
public:
    SearchCaption(Calculator& calc, PlotterWindowHooks& window) : calc_(calc), window_(window), before_(calc.Caption) {
        calc_.Caption = before_ + QStringLiteral(" - Schnittpunkte werden gesucht ...");
        window_.setBusy(true);
    }
    ~SearchCaption() override {
        calc_.Caption = before_;
        window_.setBusy(false);
    }
    void refining(int intersection, int phase) override {
        calc_.Caption =
            before_ + QStringLiteral(" -  Berechne Schnittpunkt %1 - Phase %2 von 15").arg(intersection).arg(phase);
    }

private:
    Calculator& calc_;
    PlotterWindowHooks& window_;
    QString before_;
};

QString bitsOf(long double v) {
    char bytes[10];
    std::memcpy(bytes, &v, sizeof bytes);
    return QString::fromLatin1(QByteArray(bytes, sizeof bytes).toHex());
}

}  // namespace

void Plotter::HaltenClick(bool down) {
    if (!down) {
        releaseHold();
        return;
    }
    HoldMode = true;
    HaltenCaption = QStringLiteral("Gehalten");
    const QString formula = source_->currentFormula();
    if (FunctionView) {
        TermLabelsVisible = true;
        Term1Label = formula;
        Term2Label.clear();
        SnPVisible = true;
        SnPHint = QStringLiteral("Schnittpunkt berechnen");
        SearchItemVisible = true;
        RangeMenuVisible = true;
    }
    source_->putFormulaFirst(formula);
    PlotSequence.clear();
    GraphFormulas.clear();
    if (!formula.isEmpty()) {
        PlotSequence.append(formula);
        GraphFormulas.append(formula);
    }
    source_->setConstantsEnabled(false);
    GitterEnabled = false;
    ScaleEnabled = false;
}

void Plotter::releaseHold() {
    HoldMode = false;
    HaltenCaption = QStringLiteral("Erhalten");
    TermLabelsVisible = false;
    SnPVisible = false;
    SnPChecked = false;
    SnPCaption = QStringLiteral("SP");
    SearchItemVisible = RangeMenuVisible = false;
    Take1Visible = Take2Visible = Mark1Visible = Mark2Visible = false;
    Result1Visible = Result2Visible = false;
    source_->setConstantsEnabled(true);
    GitterEnabled = true;
    ScaleEnabled = true;
}

void Plotter::SnPClick(bool checked) {
    SnPChecked = checked;
    if (HoldMode) DrawGraph();
}

void Plotter::SchnittpunktBerechnen() {
    cancelPlacements();
    SnPClick(!SnPChecked);
}

void Plotter::searchIntersections(const long double constants[3], const bool used[3]) {
    TermLabelsVisible = true;
    Term1Label = Term1;
    Term2Label = Term2;
    Result2Visible = false;
    const bool free = SearchRange == Frei;
    const long double start = free ? SearchStart : SearchStart * ScaleRange;
    const long double end = free ? SearchEnd : SearchEnd * ScaleRange;
    const QString current = source_->currentFormula();
    const bool parallelTest = !current.contains(QStringLiteral("log")) && !current.contains(QStringLiteral("ln")) &&
        !current.contains(QStringLiteral("sqrt"));
    QString key = Term1 + u'\n' + Term2 + u'\n' + bitsOf(start) + bitsOf(end) + QString::number(angles_->DegreeMode) +
        (parallelTest ? u'P' : u'-');
    for (int i = 0; i < 3; ++i) key += used[i] ? bitsOf(constants[i]) : QStringLiteral("-");
    if (key != lastSearchKey_) {
        SearchCaption caption(calc_, *window_);
        TMathParser parser(true, u',', angles_);
        static const char* const names[] = {"a", "b", "c"};
        for (int i = 0; i < 3; ++i)
            if (used[i]) parser.SetConstant(QString::fromLatin1(names[i]), constants[i]);
        parser.SetConstant(QStringLiteral("x"), 0);
        TCompiledFormula t1 = parser.Compile(Term1);
        TCompiledFormula t2 = parser.Compile(Term2);
        lastResult_ = Search.Run(t1, t2, start, end, parallelTest, &caption);
        lastSearchKey_ = key;
    }
    showResult(lastResult_);
}

void Plotter::showResult(const IntersectionResult& r) {
    const bool parallel = r.kind == IntersectionResult::Kind::Parallel;
    Intersection1X = parallel ? 0 : r.x1;
    Intersection1Y1 = r.y11;
    Intersection1Y2 = r.y12;
    Intersection2X = r.x2;
    Intersection2Y1 = r.y21;
    Intersection2Y2 = r.y22;
    const IntersectionTexts t = IntersectionSearch::Texts(r);
    SnPCaption = t.caption;
    SnPHint = t.hint;
    Result1 = t.readout1;
    Result1Visible = true;
    Result2 = t.readout2;
    Result2Visible = t.secondShown;
    if (PlotSequence.size() > 1) {
        Take1Visible = Mark1Visible = Term1ItemVisible = Term2ItemVisible = RangeMenuVisible = true;
        Take2Visible = Mark2Visible = t.secondShown;
    }
}

void Plotter::ResetPlotter() {
    MarkRequest1 = MarkRequest2 = false;
    cancelPlacements();
    Intersection1X = Intersection2X = 0;
    Intersection1Y1 = Intersection1Y2 = Intersection2Y1 = Intersection2Y2 = 0;
    Result1.clear();
    Result2 = QStringLiteral("0");
    Result1Visible = Result2Visible = false;
    SnPCaption = QStringLiteral("SP");
    Take1Visible = Take2Visible = Mark1Visible = Mark2Visible = false;
    Term2ItemVisible = false;
    lastSearchKey_.clear();
}

void Plotter::SelectSearchRange(RangeChoice choice) {
    cancelPlacements();
    static const long double starts[] = {-1, -2, -3, -1, 0};
    static const long double ends[] = {1, 2, 3, 0, 1};
    if (choice == Frei) return;  // the range dialog sets it
    SearchRange = choice;
    SearchStart = starts[choice];
    SearchEnd = ends[choice];
    DrawGraph();
}

QString Plotter::BereichAnfang() const {
    return numtext::floatToStr(SearchRange == Frei ? SearchStart : SearchStart * ScaleRange);
}

QString Plotter::BereichEnde() const {
    return numtext::floatToStr(SearchRange == Frei ? SearchEnd : SearchEnd * ScaleRange);
}

bool Plotter::BereichOk(const QString& anfang, const QString& ende) {
    long double start = 0, end = 0;
    try {
        start = numtext::strToFloat(anfang);
        if (!std::isfinite(start)) throw numtext::ConversionError(numtext::invalidFloatMessage(anfang));
        end = numtext::strToFloat(ende);
        if (!std::isfinite(end)) throw numtext::ConversionError(numtext::invalidFloatMessage(ende));
    } catch (const numtext::ConversionError& error) {
        dialogs_.message(error.message());
        return false;
    }
    if (start >= end) {
        dialogs_.message(QStringLiteral("Der Anfang muss kleiner als das Ende sein."));
        return false;
    }
    if (end - start > 1200) {
        dialogs_.message(QString::fromUtf8("Der Suchbereich darf höchstens 1.200 breit sein."));
        return false;
    }
    SearchStart = start;
    SearchEnd = end;
    SearchRange = Frei;
    DrawGraph();
    return true;
}

void Plotter::XPunktBeschriften() {
    cancelPlacements();
    if (calc_.Label1.isEmpty()) {
        dialogs_.message(QStringLiteral("Erst einen X-Wert eingeben im Eingabefeld!"));
        return;
    }
    PlaceXPoint = true;
    DrawGraph();
    DragCursor = true;
}

void Plotter::XWertLoeschen() {
    cancelPlacements();
    calc_.SaveCalculatorState();
    backup();
    calc_.Operand1Text.clear();
    calc_.Label1.clear();
    calc_.Label4.clear();
    calc_.RepeatCount = 0;
    calc_.OperatorClass = 0;
    calc_.ActiveField = 1;
    calc_.SelectedRadio = 1;
    DrawGraph();
}

void Plotter::Term1Schreiben() {
    cancelPlacements();
    PlaceTerm1 = true;
    DragCursor = true;
}

void Plotter::Term2Schreiben() {
    cancelPlacements();
    PlaceTerm2 = true;
    DragCursor = true;
}

void Plotter::XWertUebernehmen(int intersection) {
    cancelPlacements();
    calc_.SaveCalculatorState();
    calc_.WorkValue = intersection == 2 ? Intersection2X : Intersection1X;
    calc_.FormatNumber();
    calc_.Label1 = calc_.FormattedText;
    calc_.Operand1Text = numtext::str(calc_.WorkValue);
}

void Plotter::SchnittpunktMarkieren(int intersection) {
    cancelPlacements();
    backup();
    (intersection == 2 ? MarkRequest2 : MarkRequest1) = true;
    DrawGraph();
    (intersection == 2 ? PlaceMarker2 : PlaceMarker1) = true;
    DragCursor = true;
}

void Plotter::Kommentar() {
    cancelPlacements();
    const std::optional<QString> answer =
        dialogs_.input(QStringLiteral("Kommentar"), QStringLiteral("Kommentar eingeben ..."), CommentText);
    if (!answer) return;  // cancelled: nothing waits for the mouse
    CommentText = *answer;
    PlaceComment = true;
    DragCursor = true;
}

void Plotter::GitterNeuZeichnen() {
    cancelPlacements();
    RedrawGridOnly = true;
    DrawGraph();
    RedrawGridOnly = false;
}

void Plotter::GraphLoeschen() {
    cancelPlacements();
    if (HoldMode) releaseHold();
    Image1.fill(Qt::white);
    source_->clearFormula();
    DrawGraph();
    CheckedTool = NoTool;
}
