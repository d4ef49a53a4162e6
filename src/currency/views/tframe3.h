#pragma once
// TFrame3: the currency converter panel below the Tape. A thin view over CurrencyConverter:
// every user event runs one engine command, then the panel re-renders; the main window hears
// through signals that the calculator's display changed or that the focus goes back to "=".
#include <QFrame>

class CurrencyConverter;
class ConverterEdit;
class Dialogs;
class QComboBox;
class QLabel;
class QToolButton;

class TFrame3 : public QFrame {
    Q_OBJECT
public:
    static constexpr int PanelWidth = 250;
    static constexpr int PanelHeight = 190;

    TFrame3(CurrencyConverter& converter, Dialogs& dialogs, QWidget* parent = nullptr);

    // Re-reads the engine; the main window calls it after its own commands, since the calculator
    // hands totals to the converter.
    void render();
    // `ApplyFieldColour`: the amount fields and the name entry.
    void setFieldColour(const QColor& colour);

    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6;
    QComboBox* ComboBox1;
    ConverterEdit *Edit1, *Edit2, *Edit3, *Edit4;
    QToolButton *SpeedButton1, *SpeedButton2, *SpeedButton3, *SpeedButton4, *SpeedButton5;

signals:
    // The calculator's fields or Tape changed: the main window renders its display.
    void calculatorChanged();
    // Keys go back to the calculator.
    void focusEqualsRequested();
    // Ctrl-click on the arrow: the web pages window on its exchange-rate pages.
    void exchangeRatePagesRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void connectAmountField(ConverterEdit* edit, int field);
    void connectEntryFields();
    void applyFocus();
    void showHintIfAsked(ConverterEdit* edit, bool shown);
    template <class Command>
    void run(Command command);

    CurrencyConverter& converter_;
    Dialogs& dialogs_;
    QColor fieldColour_;
};
