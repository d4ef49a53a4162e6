#pragma once
// The adding-machine calculator: two calculators R1/R2 sharing one display, entry, the four
// operators with two chaining modes, "=", percent, functions, memory, repeat and undo.
// State is public and named as the rest of Kalkulo knows it; windows render from it.
#include "core/calculatorcodes.h"
#include "core/converterhooks.h"
#include "core/dialogs.h"
#include "core/plotterhooks.h"
#include "core/sidepanelhooks.h"
#include "core/tape.h"

#include <QString>
#include <optional>

// One calculator while it is switched off, and the undo snapshot of the one that is on.
struct CalculatorSlot {
    QString Operand1Text, Operand2Text;
    QString Label1, Label2, Label3, Label4;
    QChar PendingOperator = u'0';
    int ActiveField = 1;
    int RepeatCount = 0;
    int EntryState = 0;
    int PercentMode = 0;
    int PanelFunction = 0;
    int RepeatMode = 0;
    int NumberFormat = 0;       // 0: switching leaves the current setting
    int FormatWhileTyping = 0;  // 0: switching leaves the current setting
};

class Calculator {
public:
    explicit Calculator(Dialogs& dialogs, Tape* tape = nullptr);
    void setTape(Tape* tape) { tape_ = tape; }
    // The subsystems that follow the calculator; nullptr unwires one.
    void setSidePanelHooks(SidePanelHooks* hooks) { sidePanels_ = hooks ? hooks : &noSidePanels_; }
    void setConverterHooks(ConverterHooks* hooks) { converter_ = hooks ? hooks : &noConverter_; }
    void setPlotterHooks(PlotterHooks* hooks) { plotter_ = hooks ? hooks : &noPlotter_; }

    // ---- State of the calculator that is on ----
    long double WorkValue = 0;
    QString Operand1Text, Operand2Text, PreviousOperand2Text, FormattedText;
    int ActiveField = 1;  // 1 first field, 2 second field, 3 result shown, 4 an edit field owns the keys
    int SavedActiveField = 0;
    QChar PendingOperator = u'0';
    int OperatorClass = 0;  // 0 multiplicative/none, 1 additive, 2 function
    int EntryState = 0;     // 0, 1, 3 additive chain, 6 percent or π, 7 applied to a result
    int PercentMode = 0;    // 0 "%", 1 "+%", 2 "-%"
    int RepeatMode = 0;     // 0 off, 1 step requested, 2 repeating
    int RepeatCount = 0;
    long double RepeatSum = 0;
    int SubtotalMode = 0;   // 0 total, 1 subtotal line, 2 "Z" line only
    int PanelFunction = 0;  // 1..6 trigonometry, 7 function panel
    bool FirstLineWritten = false;
    long double LastX = 0, LastY = 0;
    bool AskRepeatCount = false;
    QString LastTapeLine;
    QChar LastTapeMark = u'#';
    long double MemoryValue = 0;  // shared by R1 and R2

    // ---- Display settings ----
    int NumberFormat = 3;
    int Decimals = 0;
    int FormatWhileTyping = 1;
    int ChainMode = 0;
    QString CurrencyCode = QStringLiteral("€");
    QString SecondCurrencyCode = QStringLiteral("€");
    QString ConverterCurrencyCode;
    int InsertSecondCurrency = 0;

    // ---- What the window shows ----
    QString Label1 = QStringLiteral("0.0"), Label2, Label3, Label4;
    QString Label5 = QStringLiteral("0");    // repeat counter
    QString Label6 = QStringLiteral("0.0");  // memory
    int SelectedRadio = 1;                   // 1 Radio1, 2 Radio2, 0 neither
    int CalculatorOn = 1;                    // 1 R1, 2 R2
    QString Caption = QStringLiteral("Kalkulo (R1)");
    int SpinValue = 0;  // SpinEdit1
    bool SpinEnabled = false;
    int FormatMenuChecked = 3;  // Formatierung1/2/3 check marks follow the menu, not the slots
    int TypingMenuChecked = 1;  // DForm1/DForm2

    CalculatorSlot Slots[2];
    bool SnapshotUsed = false;
    bool QuitRequested = false;

    // Settings at start: values and check marks, without re-formatting the fields.
    void ApplyDisplaySettings(int numberFormat, int decimals, int formatWhileTyping, int chainMode);

    // ---- Display (number texts) ----
    void FormatNumber();
    void ShowTypedNumber();
    void SaveCalculatorState();
    void SetNumberFormat(int format);
    void SetDecimals(int spinValue);
    void SetFormatWhileTyping(int mode);
    void SetChainMode(int mode);
    void SelectCalculator(int which);
    // Marks of the side panels: cleared when a panel closes; the function panel shows its own.
    void ClearPanelMarks();
    void ShowFunctionMarks();
    void TakeFromOtherCalculator();
    // Puts a value into the active field as every panel does; false when the user keeps a shown result.
    bool PutValue(long double value);
    long double ActiveNumber() const;

    // Ends the keyboard ownership of an edit field (Esc, or "=" pressed while it owns the keys).
    void EndEditField();
    // Mouse on the display: double-click on a field, click on a radio button.
    void FieldDoubleClicked(int field);
    void RadioClicked(int field);

    // ---- Entry, operators and result ----
    void EnterDigit(QChar c);
    void DeleteLastDigit();
    void ChangeSign();
    void PressOperator(QChar op);
    void PressEquals();
    void ClearFields();
    void Quit();

    // ---- Percent, functions, π, memory ----
    void PressPercent();
    void ApplyFunction(QChar code);
    void EnterPi();
    void MemoryClear();
    void MemoryStore();
    void MemoryRecall();
    void MemoryAdd();
    void MemorySubtract();
    void MemoryMultiply();
    void NumberDivideByMemory();
    void MemoryDivideByNumber();

    // ---- Repeat and undo ----
    void Repeat();
    void Undo();
    void FindLastTapeLine();

    // ---- Clipboard and field context menu (the window moves the texts) ----
    int PopupTarget = 0;  // 1 Label1, 2 Label3, 3 the Tape
    // "Kopie": the active number in "%g" form, whatever the display format.
    QString Copy();
    // "Einf.": reads German or point notation; nullopt when the clipboard holds no text.
    void Paste(const std::optional<QString>& clipboardText);
    // Field context menu "Einfügen" and "Löschen" for PopupTarget.
    void PasteIntoTarget(const QString& text);
    void ClearTarget();

    // ---- Stepping the first operand ("i"/"u", wheel with the plotter) ----
    long double StepSize = 0;
    QString StepText;
    void AskStepSize();
    void StepFirstOperand(bool up);

    // ---- Tape writers ----
    void WriteFirstOperandLine();
    void WriteRunningSubtotal();
    void WriteDashLine();

    bool TapeVisible() const { return tape_ && tape_->Visible(); }
    Tape* tape() const { return tape_; }
    QString CalculatorTag() const;

private:
    CalculatorSlot& slotOfCalculatorOn() { return Slots[CalculatorOn - 1]; }
    // What the operator field shows; some rules follow the display rather than PendingOperator.
    bool showsOperator(QChar op) const { return Label2.size() == 1 && Label2[0] == op; }
    // A pending "%" (or the other sign's "+%"/"-%") turns into "+%" or "-%" with the next sign.
    bool percentTakesSign(bool plus) const {
        return showsOperator(u'%') || Label2 == (plus ? QStringLiteral("-%") : QStringLiteral("+%"));
    }
    void setActiveField(int field);
    void rerunPanelAfterFirstOperandChange();
    void recomputeUnitConversionIfPending();
    void leaveEditField();
    void resetRepeat();
    void abandonRepetition();
    bool readPastedNumber(QString text, bool dropPointsEveryTime, long double& value);
    void putIntoField(long double value, bool intoSecondField);
    void loadFields(const CalculatorSlot& slot);
    void storeFields(CalculatorSlot& slot) const;
    void formatAs(int format, int decimals);
    QString normalize(const QString& text) const;
    QString cleanAnswer(const QString& text) const;

    // "=" in its branches
    bool computeOperation(long double x, long double y, long double& result);
    enum class FunctionOutcome { Ok, NoResult, TooLarge };
    FunctionOutcome computeFunction(long double x, long double& result);
    void closeSidePanelFunction();
    void confirmFunctionResult();
    void finishFunction(long double result);
    void finishRepeatStep(long double result, long double y);
    void closeRepetition();
    void normalClose();
    void writeSecondCurrencyLine();
    void writeTotalOrSubtotal(bool resultNegative);

    // Undo in its branches
    void undoCompoundingStep(long double previous);
    void walkBackTape();
    void restoreSnapshot();

    QString functionArgument_;  // base or exponent as the user typed it, for the mark
    Dialogs& dialogs_;
    Tape* tape_ = nullptr;
    SidePanelHooks noSidePanels_;
    ConverterHooks noConverter_;
    PlotterHooks noPlotter_;
    SidePanelHooks* sidePanels_ = &noSidePanels_;
    ConverterHooks* converter_ = &noConverter_;
    PlotterHooks* plotter_ = &noPlotter_;
};
