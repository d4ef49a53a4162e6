#pragma once
// The "Internet" and "Hilfe" menus and the web pages window behind them. The window and the
// browser module are created on first use only, so start-up never pays for a web engine.
#include "shell/tform3.h"
#include "shell/webbrowsermodule.h"

#include <QObject>
#include <QPointer>

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
    void ShowAbout();
    void ShowMetricPrefixes();

    // The open window, or null.
    TForm3* form() const { return form_; }

private:
    TForm3& open(int group);
    WebWindowSetup setup() const;

    Dialogs& dialogs_;
    TForm1& main_;
    QString startDirectory_;
    QString iniPath_;
    WebBrowserModule module_;
    QPointer<TForm3> form_;
};
