#pragma once
// TForm4 "Umrechnungskurse aktualisieren": the rate dialog, made at start and kept. A thin view
// over RateDialog; it stays on top of the other windows while shown. The loading of reference
// rates is not its business: it asks for it with ecbRatesRequested() and shows what
// setEcbLoading() tells it.
#include "currency/ratedialog.h"

#include <QDialog>

class CurrencyConverter;
class Dialogs;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TForm4 : public QDialog {
    Q_OBJECT
public:
    static constexpr int DialogWidth = 380;
    static constexpr int DialogHeight = 214;

    TForm4(CurrencyConverter& converter, Dialogs& dialogs, QWidget* parent = nullptr);

    RateDialog& state() { return state_; }
    // Shows the dialog with the converter's names, nothing chosen.
    void Open();
    // The converter's list changed: its names again, the chosen currency kept by name.
    void refreshFromConverter();
    // True while reference rates load: their button off, Label4 says so.
    void setEcbLoading(bool loading);
    void render();

    QLabel *Label1, *Label2, *Label3, *Label4;
    QComboBox* ComboBox1;
    QLineEdit* Edit1;
    QPushButton *SpeedButton1, *SpeedButton2, *SpeedButton3, *SpeedButton4;

signals:
    void ecbRatesRequested();
    // A rate was taken over: the converter's panel and the calculator's display show it.
    void converterChanged();
    // The dialog went away, by "Schließen" or otherwise.
    void closed();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void buildControls();
    template <class Command>
    void run(Command command);

    RateDialog state_;
    bool rendering_ = false;
};
