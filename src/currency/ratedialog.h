#pragma once
// The rate dialog's state and commands: a copy of the converter's currency names, the chosen
// currency, its rate field and the button states. TForm4 renders from here after every command.
// A rate taken over goes straight into the converter's list, which then refreshes as after a
// currency selection; nothing is stored until the main window closes.
#include <QString>
#include <QStringList>

class CurrencyConverter;
class Dialogs;

class RateDialog {
public:
    static const QString NoCurrencyMessage;
    static const QString BaseRateMessage;

    RateDialog(CurrencyConverter& converter, Dialogs& dialogs);

    // ---- What the dialog shows ----
    QStringList Names;     // ComboBox1
    int ChosenIndex = -1;  // ComboBox1's item index; -1 nothing chosen
    QString Edit1;         // the rate field
    bool Edit1ReadOnly = true;
    bool SpeedButton2Enabled = false;  // "Übernehmen"
    bool SpeedButton4Enabled = true;   // "EZB-Kurse laden"
    QString Label4;                    // what the loading of reference rates is doing
    bool FocusRate = false;            // the rate field takes the focus with its text selected; the view resets it

    // ---- Commands ----
    // The dialog is shown: the converter's names, nothing chosen.
    void Open();
    void ChooseCurrency(int index);
    void EditRate();                       // SpeedButton1 "Kurs bearbeiten"
    void RateEdited(const QString& text);  // any change of the editable rate field
    // SpeedButton2 "Übernehmen". True when the converter's list changed.
    bool TakeOver();
    // The converter's list may have changed: its names again, the chosen currency kept by name,
    // its rate shown again unless the user is typing one.
    void RefreshFromConverter();
    void SetEcbLoading(bool loading);

private:
    void showChosenRate();
    bool refuse(const QString& message);

    CurrencyConverter& converter_;
    Dialogs& dialogs_;
};
