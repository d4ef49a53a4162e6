#pragma once
// "Kurse aktualisieren": the web pages window on the exchange-rate pages with the rate dialog
// TForm4 on top of it. The dialog is made with the main window and kept until it goes; while it
// is shown, its list follows the converter's panel, and a rate it takes over shows in the panel
// and the calculator's display at once.
#include <QObject>

class CurrencyConverter;
class Dialogs;
class TForm1;
class TForm4;
class WebWindow;

class RateUpdate : public QObject {
    Q_OBJECT
public:
    // Adds nothing to the menus: the main window's item asks through ratesUpdateRequested().
    RateUpdate(CurrencyConverter& converter, Dialogs& dialogs, TForm1& window, WebWindow& web);

    TForm4& dialog() { return *dialog_; }
    void ShowRatePages();

private:
    TForm1& window_;
    WebWindow& web_;
    TForm4* dialog_;  // owned by the main window
};
