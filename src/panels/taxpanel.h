#pragma once
// The tax panel's engine: for the last result of the calculator, the amount with the chosen tax
// added ("Nach Steuer") and the amount without the tax it contains ("Vor Steuer"); the tax
// computation onto the Tape, either amount into the first field, and the user's list of taxes.
#include <QString>
#include <QStringList>

class Calculator;
class ConverterHooks;
class Dialogs;

class TaxPanel {
public:
    // The system beep after a new entry; the window sounds it.
    class Beeper {
    public:
        virtual ~Beeper() = default;
        virtual void beep() = 0;
    };

    TaxPanel(Calculator& calc, Dialogs& dialogs);
    // The currency converter's direction picks the currency text of the Tape lines; nullptr: none.
    void setConverterHooks(const ConverterHooks* hooks) { converter_ = hooks; }
    void setBeeper(Beeper* beeper) { beeper_ = beeper; }

    // ---- The list (kept in the settings file) ----
    QStringList TaxNames{QStringLiteral("MwSt"), QStringLiteral("Ust")};  // ComboBox1 items
    QStringList TaxRates{QStringLiteral("19"), QStringLiteral("19")};     // percentages, decimal comma
    int TaxIndex = 0;                                                     // selected entry, -1 none
    bool VST = false;  // "VSt": the amount contains the tax; "NSt" (tax added) otherwise

    // ---- Fields ----
    QString Edit3;  // percentage of the selected tax
    QString Edit4;  // "Vor Steuer", empty when there is no amount to show
    QString Edit2;  // "Nach Steuer"

    // ---- Computed ----
    long double TaxAmount = 0;  // the last amount handed over; a tax change shows it at the new rate
    long double TaxPercent = 0, TaxFactor = 100;
    long double GrossAmount = 0, NetAmount = 0, TaxAdded = 0, TaxContained = 0;

    // ---- Commands from the calculator (never ask, never throw) ----
    // After every "=" result: the amounts of `WorkValue`.
    void RecomputeTax();
    // After an undo: the amounts of the restored first operand, at the rate in use.
    void RecomputeTaxFromOperand();
    // At start: select entry 0 when nothing is selected and show the selected tax's figures.
    void Refresh();

    // ---- User commands ----
    void SelectTax(int index);               // ComboBox1 changed
    void SelectMode(bool vst);               // VST / NST
    void Edit3Changed(const QString& text);  // a typed "." becomes ","
    void Edit3Entered();                     // the field takes the keys
    void Edit3Left();                        // leaving it, or Enter: the rate is stored
    void TakeOver();                         // SpeedButton1
    void WriteToTape();                      // SpeedButton2
    void EditEntry();                        // "Eintrag bearbeiten"
    void DeleteEntry();                      // "Eintrag löschen"
    void NewEntry();                         // "Neuer Eintrag"

private:
    bool hasSelection() const { return TaxIndex >= 0 && TaxIndex < TaxNames.size(); }
    void padRates(const QString& with);
    void selectionChanged(bool reportErrors);
    bool recompute(long double amount, bool reportErrors);
    void computeAmounts();
    void clearAmounts();
    QString currencyText() const;

    Calculator& calc_;
    Dialogs& dialogs_;
    const ConverterHooks* converter_ = nullptr;
    Beeper* beeper_ = nullptr;
    bool editingRate_ = false;
};
