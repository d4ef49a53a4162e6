#pragma once
// "Kurse aktualisieren": the web pages window on the exchange-rate pages with the rate dialog
// TForm4 on top of it. The dialog is made when first asked for and kept until the main window
// goes; while it is shown, its list follows the converter's panel, and a rate it takes over shows
// in the panel and the calculator's display at once. Its "EZB-Kurse laden" runs the reference-rate
// download, which closing the dialog aborts.
#include "currency/ecbrateupdater.h"

#include <QObject>
#include <QString>

class CurrencyConverter;
class Dialogs;
class TForm1;
class TForm4;
class WebWindow;

class RateUpdate : public QObject {
    Q_OBJECT
public:
    // Adds nothing to the menus: the main window's item asks through ratesUpdateRequested().
    // `iniPath` is read for the reference-rate address ("KursQuelle") when a download starts.
    RateUpdate(CurrencyConverter& converter, Dialogs& dialogs, TForm1& window, WebWindow& web, QString iniPath);

    TForm4& dialog();
    EcbRateUpdater& referenceRates() { return referenceRates_; }
    void ShowRatePages();

private:
    void loadReferenceRates();

    CurrencyConverter& converter_;
    Dialogs& dialogs_;
    TForm1& window_;
    WebWindow& web_;
    QString iniPath_;
    EcbRateUpdater referenceRates_;
    TForm4* dialog_ = nullptr;  // owned by the main window
};
