#include "shell/appcontext.h"

#include "core/settingsfile.h"
#include "shell/rateupdate.h"
#include "shell/settingssession.h"
#include "shell/tform1.h"
#include "shell/webwindow.h"

#include "finance/views/tfinanzrechner.h"

#include <QDir>

AppContext::AppContext() {
    mainWindow_ = std::make_unique<TForm1>(engines_);
    dialogs_.setParent(mainWindow_.get());
    // An open financial window keeps its subsidy parameters and scenario names before the
    // settings are written.
    QObject::connect(mainWindow_.get(), &TForm1::closing, mainWindow_.get(), [this] {
        if (!financeWindow_) return;
        financeWindow_->storeSubsidyParameters();
        financeWindow_->storeScenarioNames();
    });
    settings_ = std::make_unique<SettingsSession>(engines_, *mainWindow_, dialogs_, IniPath());
    settings_->start();
    QObject::connect(mainWindow_.get(), &TForm1::financeRequested, mainWindow_.get(), [this] {
        TFinanzrechner& window = financeWindow();
        window.show();
        window.raise();
        window.activateWindow();
    });
    webWindow_ = new WebWindow(dialogs_, *mainWindow_, QDir::currentPath(), IniPath());
    webWindow_->addMenus();
    rateUpdate_ = new RateUpdate(engines_.converter, dialogs_, *mainWindow_, *webWindow_, IniPath());
    // F1 asks for the page itself, the function panel for its section.
    QObject::connect(mainWindow_.get(), &TForm1::helpRequested, webWindow_, [this](const QString& anchor) {
        webWindow_->ShowHelp(anchor.isEmpty() ? QString() : u'#' + anchor);
    });
    crashProtection_ = std::make_unique<CrashProtection>(engines_.tape, dialogs_, QDir::currentPath());
    if (crashProtection_->restored() && !engines_.layout.TapeShown) mainWindow_->ToggleTape();
}

TFinanzrechner& AppContext::financeWindow() {
    if (!financeWindow_) {
        financeWindow_ = new TFinanzrechner(engines_.finance, dialogs_, mainWindow_.get(),
                                            &settings_->financeSettings(), &engines_.tape);
        QObject::connect(financeWindow_, &TFinanzrechner::helpRequested, webWindow_,
                         [this] { webWindow_->ShowHelp(QStringLiteral("#Finanz")); });
    }
    return *financeWindow_;
}

AppContext::~AppContext() { crashProtection_->finish(); }  // a normal end leaves no journal
