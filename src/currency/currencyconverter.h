#pragma once
// The currency converter below the Tape: converts an amount between the base currency (entry 0
// of the list) and one selected currency, live while the user types, hands results to the
// calculator, chains typed amounts with pad + and -, and keeps the list of currencies and rates.
// It follows the calculator through ConverterHooks: totals in currency format come back here
// converted, and the second-currency Tape line reads the amounts shown here.
//
// State is public and named as the rest of Kalkulo knows it; TFrame3 renders from it. The texts
// of the panel's controls live here too, because the commands decide them.
#include "core/converterhooks.h"

#include <QString>
#include <QStringList>

class Calculator;
class Dialogs;

class CurrencyConverter : public ConverterHooks {
public:
    // Where the keyboard focus goes after a command; the view applies it and resets it.
    enum class FocusTarget { None, Equals, Edit1, Edit2, Edit3, Edit4 };
    // The two amount fields; `Edit2` holds the base currency, `Edit3` the selected one.
    enum class AmountField { Left = 2, Right = 3 };

    static const QString NoValidRateMessage;
    static const QString BothFieldsMessage;
    static const QString AbbreviationMessage;
    static const QString RateAboveZeroMessage;
    static const QString AmountHint;

    CurrencyConverter(Calculator& calculator, Dialogs& dialogs);

    // ---- The currency list (`ComboBox1` names, `ListBox1` rates, same length) ----
    QStringList Names;
    QStringList Rates;
    int SelectedIndex = -1;  // ComboBox1's item index; -1 nothing selected

    // ---- State of the panel ----
    int ConverterDirection = 2;  // 2 left → right, 1 right → left; 4/3 the same, reading the raw text once
    long double CurrentRate = 0;
    QString LeftRawText, RightRawText;
    QString ConverterResultText;  // raw point text of the last converted amount
    int ConverterChain = 0;       // 0 off, 2 first amount being handed over, 1 running
    int ListEditMode = 0;         // 0 normal, 1 adding, 2 editing
    int SavedNumberFormat = 0;
    QString& TargetCurrencyCode;  // the calculator's ConverterCurrencyCode
    bool Visible = false;         // the panel is shown below the Tape (the main window sets it)

    // ---- What the panel shows ----
    QString Label1 = QStringLiteral("Währung "), Label2 = QStringLiteral("Kurs");
    QString Label3, Label6;                // selected and base currency names
    QString Label4 = QStringLiteral("→");  // direction arrow
    QString Edit1, Edit2 = QStringLiteral("1"), Edit3 = QStringLiteral("1"), Edit4;
    bool Edit4ReadOnly = true;
    bool EntryEditorShown = false;  // Edit1 and Label5 in place of ComboBox1
    bool Edit2HintShown = false, Edit3HintShown = false;
    bool SpeedButton2Down = false, SpeedButton4Down = false;
    bool SpeedButton2Enabled = true, SpeedButton4Enabled = true;
    QString SpeedButton2Hint = QStringLiteral("Neuer Eintrag");
    QString SpeedButton3Hint = QStringLiteral("Eintrag löschen");
    QString SpeedButton4Hint = QStringLiteral("Eintrag bearbeiten");
    FocusTarget Focus = FocusTarget::None;

    // ---- Start ----
    // The state of a first run without a settings file: built-in list, direction 1, "DM, De. Mark"
    // selected, both currency codes "€", second-currency Tape line on, converted from "1".
    void StartFirstRun();
    // The state read from the settings file (list, direction and codes already in place): an
    // index outside the list selects entry 0, and so does an empty base code, which then becomes
    // entry 0's abbreviation; then the selection is shown and converted from "1".
    void StartStored(int selectedIndex);

    // ---- Converting ----
    void Convert();
    void ToggleDirection();               // click on the arrow `Label4`
    void SelectCurrency(int index);       // ComboBox1 chosen
    void SelectByDigit(int digit);        // Ctrl+digit: entry 1..9, 0 for entry 10
    void SetDirectionKey(int direction);  // "<" (2) and ">" (1)
    void HandActiveNumber();              // "q": the calculator's active number, converted and back
    // The main window shows or hides the panel; hiding ends a running chain.
    void SetVisible(bool visible);
    // "&Währungsrechner (W)" showing the panel: also currency format, first operand re-shown.
    void ShownByMenu();

    // ---- The amount fields ----
    // Typing: a field's whole new text cleaned to digits and one decimal point ("," counts as
    // decimal comma in pasted German numbers).
    static QString CleanAmountText(const QString& text);
    void AmountPressed(AmountField field);   // mouse button down
    void AmountReleased(AmountField field);  // mouse button up
    // Any key released in the field except pad + and -; `text` is what the field holds now.
    void AmountKeyReleased(AmountField field, const QString& text, bool enter);
    void AmountEnter(AmountField field, const QString& text);               // Enter key down
    void AmountChainKey(AmountField field, const QString& text, QChar op);  // pad + or - down
    void AmountChainKeyReleased(AmountField field);                         // pad + or - up
    // A display field of the calculator dropped on an amount field: 1 `Label1`, 2 `Label3`.
    void DropOnAmount(AmountField field, int sourceField);

    // ---- Results out ----
    void HandResultToCalculator();  // SpeedButton1, Enter outside a chain
    void WriteToTape();             // SpeedButton5

    // ---- Editing the list ----
    void PressNewEntry();     // SpeedButton2: start adding, or save the new entry
    void PressEditEntry();    // SpeedButton4: start editing, or save the changes
    void PressDeleteEntry();  // SpeedButton3: delete the selected entry, or cancel adding/editing
    void EntryFieldEnter();   // Enter in Edit1 or Edit4
    void EntryFieldEscape();  // Esc in Edit1 or Edit4
    void EntryNameEdited(const QString& text) { Edit1 = text; }
    void RateTextEdited(const QString& text);
    void RateFieldClicked();

    // ---- Helpers the view and the calculator share ----
    QString Abbreviation(int index) const;  // the name text before its first comma
    bool RateValid() const;                 // the selected entry's rate reads as a number above 0
    QString& AmountText(AmountField field) { return field == AmountField::Left ? Edit2 : Edit3; }

    // ---- ConverterHooks ----
    bool converterVisible() const override { return Visible; }
    void handToConverter(const QString& rawText) override;
    int converterDirection() const override;
    QString converterFirstAmountText() const override { return Edit2; }
    QString converterSecondAmountText() const override { return Edit3; }
    void stopConverterHints() override;

private:
    long double rateAt(int index) const;
    long double readInput();
    void showResult(long double amount);
    void ensureSelection();
    void showSelection();
    void takeInput();
    void returnInput();
    void endChain();
    bool resultReady();
    void toFirstOperand();
    void toSecondOperand();
    void startListEdit(int mode);
    void saveEntry();
    void endListEdit();
    bool entryAcceptable();

    Calculator& calc_;
    Dialogs& dialogs_;
    int savedDecimals_ = 0;
    int editedIndex_ = 0;
    bool chainEndedByEnter_ = false;
};
