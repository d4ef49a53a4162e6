#pragma once
// The function panel's engine: a formula in x with the constants a, b, c is evaluated for the
// calculator's first operand into its second field, saved formulas are kept with their
// constants, and every evaluated formula joins a history to step back and forth through.
// State is public and named as the panel's controls; the view renders from it.
#include "functions/functionpanelhooks.h"

#include "parser/anglemode.h"

#include <QString>
#include <QStringList>

class Calculator;
class Dialogs;

class FunctionPanel {
public:
    // `angles` is the parsers' angle unit, shared with the plotter (nullptr: radians).
    FunctionPanel(Calculator& calc, Dialogs& dialogs, const AngleMode* angles = nullptr);
    // nullptr unwires the plotter.
    void setHooks(FunctionPanelHooks* hooks) { hooks_ = hooks ? hooks : &noHooks_; }

    // The items of the operator list `ComboBox2`; empty items are separators.
    static const QStringList& OperatorItems();

    // ---- Inputs ----
    QString CurrentFormula;       // the formula input `ComboBox1`
    QString Edit1, Edit2, Edit3;  // the constants a, b, c
    int CaretPos = 0;             // caret and selection length of the formula input
    int CaretSel = 0;

    // ---- Saved formulas (settings sections "Terms" and "Konstant") ----
    QStringList SavedTerms = {QStringLiteral("x^2"), QStringLiteral("x^2-3"), QStringLiteral("sin(x)")};
    // One "a;b;c" text per saved formula, always as long as `SavedTerms`; ";;" means none.
    QStringList SavedConstants = {QStringLiteral(";;"), QStringLiteral(";;"), QStringLiteral(";;")};
    int FunktionsIndex = -1;  // the selected saved formula, -1 for none (settings key "FunktionsIndex")

    // ---- History ----
    QStringList FormulaHistory;  // every formula evaluated, once each, in order of first evaluation
    int HistoryPos = 0;
    bool RueckEnabled = false;  // "back"
    bool VorEnabled = false;    // "forward"

    // ---- Plotter button `Button2` ----
    QString Button2Caption = QStringLiteral("Graph ->");
    QString Button2Hint = QStringLiteral("Graph öffnen");

    // After a formula error: the failing part, to be selected in the formula input; -1 for none.
    int ErrorSelStart = -1;
    int ErrorSelLength = 0;

    // ---- Commands ----
    void Button1Click();                        // "f(x)": evaluate into the calculator
    void SpeedButton1Click();                   // save the formula with its constants
    void SpeedButton2Click();                   // delete the selected saved formula, after "Term löschen?"
    void Button2Click();                        // open or close the plotter
    void RueckClick();                          // back through the history
    void VorClick();                            // forward through the history
    void ComboBox1Select(int index);            // a saved formula picked from the drop-down
    void ComboBox1Change(const QString& text);  // the formula text edited or pasted
    void ComboBox2Select(int index);            // an operator inserted at the caret
    // Focus entering and leaving the formula or a constant input.
    void InputEnter();
    void InputExit();
    // "Löschen" while the panel is shown: history and the plotter's formulas are emptied.
    void ResetHistory();

private:
    bool readConstants(long double values[3], bool used[3]);
    void loadConstants(const QString& entry);
    void showHistoryEntry();
    void recordFormula(const QString& formula);
    QString constantsText() const;

    Calculator& calc_;
    Dialogs& dialogs_;
    const AngleMode* angles_;
    FunctionPanelHooks noHooks_;
    FunctionPanelHooks* hooks_ = &noHooks_;
};
