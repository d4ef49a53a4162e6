#include "functions/functionpanel.h"

#include "core/calculator.h"
#include "core/dialogs.h"
#include "core/numtext.h"
#include "parser/mathparser.h"

#include <cmath>

FunctionPanel::FunctionPanel(Calculator& calc, Dialogs& dialogs, const AngleMode* angles)
    : calc_(calc), dialogs_(dialogs), angles_(angles) {}

const QStringList& FunctionPanel::OperatorItems() {
    static const QStringList items = {
        "+",      "-",         "*",         "/",         "mod",     "div",     "min",     "max",    "round",
        "floor",  "ceil",      "abs",       "",          "^",       "sqrt",    "(x)expe", "ln",     "(a)log(x)",
        "",       "arcsin(x)", "arccos(x)", "arctan(x)", "sinh(x)", "cosh(x)", "tanh(x)", "sin(x)", "cos(x)",
        "tan(x)", "deg2rad",   "rad2deg",   "",          "pi",      "e"};
    return items;
}

bool FunctionPanel::readConstants(long double values[3], bool used[3]) {
    const QString* inputs[] = {&Edit1, &Edit2, &Edit3};
    try {
        for (int i = 0; i < 3; ++i) {
            used[i] = !inputs[i]->isEmpty();
            if (!used[i]) continue;
            values[i] = numtext::strToFloat(*inputs[i]);
            if (!std::isfinite(values[i])) throw numtext::ConversionError(numtext::invalidFloatMessage(*inputs[i]));
        }
    } catch (const numtext::ConversionError& error) {
        dialogs_.message(error.message());
        return false;
    }
    return true;
}

void FunctionPanel::Button1Click() {
    // Enter in an input, or a click on "f(x)", leaves the input first.
    InputExit();
    ErrorSelStart = -1;
    ErrorSelLength = 0;
    long double constants[3] = {};
    bool used[3] = {};
    // A constant that is not a number changes nothing: checked before the format and the pending "=".
    if (!readConstants(constants, used)) return;
    if (calc_.NumberFormat != 3) calc_.SetNumberFormat(3);
    if (calc_.ActiveField == 2) {
        calc_.SubtotalMode = 1;
        calc_.PressEquals();
    }
    if (CurrentFormula.isEmpty()) CurrentFormula = QStringLiteral("0");

    TMathParser parser(true, u',', angles_);
    parser.SetConstant(QStringLiteral("x"), numtext::valValue(calc_.Operand1Text));
    static const char* const names[] = {"a", "b", "c"};
    for (int i = 0; i < 3; ++i)
        if (used[i]) parser.SetConstant(QString::fromLatin1(names[i]), constants[i]);
    long double result = 0;
    try {
        result = parser.Evaluate(CurrentFormula);
    } catch (const EMathParsing& error) {
        ErrorSelStart = error.ErrorPos - 1;
        ErrorSelLength = error.ErrorLen;
        dialogs_.message(QStringLiteral("FehlerNr.: ") + QString::number(error.ErrorCode) + QStringLiteral(" (") +
                         error.Message + u')');
        // The pending calculation stays as it is: the next "=" must not take the empty second field.
        calc_.ActiveField = 1;
        return;
    }

    calc_.WorkValue = result;
    calc_.FormatNumber();
    calc_.Operand2Text = numtext::str(calc_.WorkValue);
    calc_.Label3 = calc_.FormattedText;
    calc_.Label2 = QStringLiteral("f(x)");
    calc_.Label4 = QStringLiteral("(x)");
    hooks_->showPlotValues(calc_.Label1, calc_.Label3);
    calc_.PanelFunction = 7;

    recordFormula(CurrentFormula);
    if (FormulaHistory.size() > 1) {
        RueckEnabled = true;
        VorEnabled = true;
        hooks_->updatePlotMenu();
    }
    if (hooks_->plotterVisible()) hooks_->drawGraph();
}

void FunctionPanel::recordFormula(const QString& formula) {
    FormulaHistory.removeAll(QString());
    if (!FormulaHistory.contains(formula)) {
        FormulaHistory.append(formula);
        HistoryPos = FormulaHistory.size() - 1;
    }
    hooks_->recordPlottedFormula(formula);
}

QString FunctionPanel::constantsText() const { return Edit1 + u';' + Edit2 + u';' + Edit3; }

void FunctionPanel::SpeedButton1Click() {
    if (CurrentFormula.isEmpty()) return;
    if (!SavedTerms.contains(CurrentFormula)) {
        SavedTerms.append(CurrentFormula);
        FunktionsIndex = SavedTerms.size() - 1;
    }
    // The formula's own constants are overwritten, whichever entry the drop-down has selected.
    const int index = SavedTerms.indexOf(CurrentFormula);
    while (SavedConstants.size() < SavedTerms.size()) SavedConstants.append(QStringLiteral(";;"));
    SavedConstants[index] = constantsText();
}

void FunctionPanel::SpeedButton2Click() {
    if (FunktionsIndex < 0 || FunktionsIndex >= SavedTerms.size()) return;
    if (!dialogs_.askYesNo(QStringLiteral("Term löschen?"))) return;
    if (SavedConstants.size() == SavedTerms.size()) SavedConstants.removeAt(FunktionsIndex);
    SavedTerms.removeAt(FunktionsIndex);
    FunktionsIndex = -1;
}

void FunctionPanel::ComboBox1Select(int index) {
    if (index < 0 || index >= SavedTerms.size()) return;
    FunktionsIndex = index;
    CurrentFormula = SavedTerms[index];
    const bool hold = hooks_->plotHoldDown();
    if (!hold) {
        Edit1.clear();
        Edit2.clear();
        Edit3.clear();
    }
    if (SavedConstants.size() != SavedTerms.size() || SavedConstants[index] == QStringLiteral(";;")) return;
    loadConstants(SavedConstants[index]);
}

void FunctionPanel::loadConstants(const QString& entry) {
    // Split at the first and the last ";": a before, b between, c after.
    const qsizetype first = entry.indexOf(u';');
    const qsizetype last = entry.lastIndexOf(u';');
    QString a = entry, b, c;
    if (first >= 0) {
        a = entry.left(first);
        b = entry.mid(first + 1, last - first - 1);
        if (!entry.endsWith(u' ')) c = entry.mid(last + 1);
    }
    // In hold mode the constants of the held curve stay; only empty inputs are filled.
    const bool hold = hooks_->plotHoldDown();
    QString* fields[] = {&Edit1, &Edit2, &Edit3};
    const QString parts[] = {a, b, c};
    for (int i = 0; i < 3; ++i)
        if (!hold || fields[i]->isEmpty()) *fields[i] = parts[i];
}

void FunctionPanel::ComboBox1Change(const QString& text) {
    QString cleaned = text;
    cleaned.remove(u' ');
    CurrentFormula = cleaned;
    if (FunktionsIndex >= 0 && (FunktionsIndex >= SavedTerms.size() || SavedTerms[FunktionsIndex] != cleaned))
        FunktionsIndex = -1;
    CaretPos = std::min(CaretPos, static_cast<int>(CurrentFormula.size()));
    CaretSel = std::min(CaretSel, static_cast<int>(CurrentFormula.size()) - CaretPos);
}

void FunctionPanel::ComboBox2Select(int index) {
    if (index < 0 || index >= OperatorItems().size()) return;
    const QString item = OperatorItems()[index];
    if (item.isEmpty()) return;
    const int length = static_cast<int>(CurrentFormula.size());
    const int pos = std::clamp(CaretPos, 0, length);
    if (pos == length) {
        CurrentFormula += item;
    } else if (pos == 0 && CaretSel == length) {
        CurrentFormula = item;
    } else {
        CurrentFormula.insert(pos, item);  // a selection is not removed
    }
    if (FunktionsIndex >= 0 && SavedTerms.value(FunktionsIndex) != CurrentFormula) FunktionsIndex = -1;
    // The caret follows the inserted text, so that items picked one after another stay in order.
    CaretPos = (pos == 0 && CaretSel == length ? 0 : pos) + static_cast<int>(item.size());
    CaretSel = 0;
}

void FunctionPanel::showHistoryEntry() {
    const QString formula = FormulaHistory[HistoryPos];
    const int saved = static_cast<int>(SavedTerms.indexOf(formula));
    if (saved >= 0) ComboBox1Select(saved);
    else FunktionsIndex = -1;
    CurrentFormula = formula;
}

void FunctionPanel::RueckClick() {
    if (HistoryPos > 0 && HistoryPos <= FormulaHistory.size()) {
        --HistoryPos;
        showHistoryEntry();
    }
}

void FunctionPanel::VorClick() {
    const int last = static_cast<int>(FormulaHistory.size()) - 1;
    if (HistoryPos > last) HistoryPos = std::max(last, 0);
    if (HistoryPos < last) {
        ++HistoryPos;
        showHistoryEntry();
    }
}

void FunctionPanel::Button2Click() {
    if (!hooks_->plotterVisible()) {
        hooks_->openPlotter();
        Button2Caption = QStringLiteral("<-Graph");
        Button2Hint = QStringLiteral("Graph schließen");
        calc_.PanelFunction = 7;
        if (CurrentFormula.isEmpty()) hooks_->drawGraph();
        else Button1Click();
    } else {
        hooks_->closePlotter();
        Button2Caption = QStringLiteral("Graph->");
        Button2Hint = QStringLiteral("Graph öffnen");
    }
}

void FunctionPanel::InputEnter() {
    if (calc_.ActiveField == 4) return;
    calc_.SavedActiveField = calc_.ActiveField;
    calc_.ActiveField = 4;
}

void FunctionPanel::InputExit() {
    if (calc_.ActiveField != 4) return;
    // As Esc ends an edit field: back to the field the calculator was in, or to the first
    // field while a panel function waits for its "=".
    const int saved = calc_.SavedActiveField;
    calc_.ActiveField = calc_.PanelFunction != 0 || saved == 0 || saved == 4 ? 1 : saved;
}

void FunctionPanel::ResetHistory() {
    FormulaHistory.clear();
    HistoryPos = 0;
    RueckEnabled = false;
    VorEnabled = false;
    hooks_->resetPlottedFormulas();
}
