#pragma once
// The "Internet" and "Hilfe" menus and the web pages window behind them. The window and the
// browser module are created on first use only, so start-up never pays for a web engine.
#include "shell/tform3.h"
#include "shell/webbrowsermodule.h"

#include <QObject>
#include <QPointer>
#include <optional>

class Dialogs;
class TForm1;

class WebWindow : public QObject {
    Q_OBJECT
public:
    // `startDirectory` and `iniPath` as taken at start; `modulePath` is the browser module.
    WebWindow(Dialogs& dialogs, TForm1& mainWindow, QString startDirectory, QString iniPath,
              QString modulePath = WebBrowserModule::ofProgram());

    // Adds the "Internet" and "Hilfe" headings to the main window's menu bar.
    void addMenus();

    // The web pages window on group 1, 2 or 3; created when it does not exist.
    void OpenWebWindow(int group);
    // The help page at `anchor` ("#Finanz", "#Funktionen", or empty for its top).
    void ShowHelp(const QString& anchor = QString());
    void OnlineLexikon();
    // "Kurse aktualisieren": the window on the exchange-rate pages, loading the first of them. A
    // new window nearly fills the screen unless the settings file keeps a size; an open one
    // comes back to the left or top edge when it stands further than 50 pixels from it.
    void OpenRatePages();
    void ShowAbout();
    void ShowMetricPrefixes();

    // The open window, or null.
    TForm3* form() const { return form_; }
    // A browser other than the module's, for tests and snapshots; null: the module's again.
    void setBrowserFactory(WebBrowserFactory* factory) { factory_ = factory; }

private:
    TForm3& open(int group, std::optional<QSize> defaultSize = std::nullopt, const QString& noBrowserText = {});
    WebWindowSetup setup() const;

    Dialogs& dialogs_;
    TForm1& main_;
    QString startDirectory_;
    QString iniPath_;
    WebBrowserModule module_;
    QPointer<TForm3> form_;
    WebBrowserFactory* factory_ = nullptr;
};
