#pragma once
// Owns every engine and window of one running Kalkulo and wires them together.
#include "shell/crashprotection.h"
#include "shell/engines.h"
#include "shell/qtdialogs.h"

#include <memory>

class TForm1;
class TFinanzrechner;
class RateUpdate;
class SettingsSession;
class WebWindow;

class AppContext {
public:
    AppContext();
    ~AppContext();

    Engines& engines() { return engines_; }
    Calculator& calculator() { return engines_.calculator; }
    TForm1& mainWindow() { return *mainWindow_; }
    // Built on first use so that start-up never pays for it; it keeps its contents from then on.
    TFinanzrechner& financeWindow();
    // Kalkulo.ini of the working directory, read when the context is built.
    SettingsSession& settings() { return *settings_; }
    // The "Internet" and "Hilfe" menus; ShowHelp("#Funktionen") serves the function panel.
    WebWindow& webWindow() { return *webWindow_; }
    CrashProtection& crashProtection() { return *crashProtection_; }
    // "Kurse aktualisieren" and the rate dialog TForm4.
    RateUpdate& rateUpdate() { return *rateUpdate_; }

private:
    QtDialogs dialogs_;
    Engines engines_{dialogs_};
    std::unique_ptr<TForm1> mainWindow_;
    std::unique_ptr<SettingsSession> settings_;
    TFinanzrechner* financeWindow_ = nullptr;  // owned by the main window
    WebWindow* webWindow_ = nullptr;           // owned by the main window
    RateUpdate* rateUpdate_ = nullptr;         // owned by the main window
    std::unique_ptr<CrashProtection> crashProtection_;
};
