#include "shell/appcontext.h"

#include "shell/tform1.h"

#include "finance/views/tfinanzrechner.h"

#include <QDir>

namespace {
// The values a first start shows: currency format with two decimals, formatted while typing,
// euro as both currencies, the converter with its built-in list.
void applyFirstRunSettings(Engines& engines) {
    Calculator& calc = engines.calculator;
    calc.ApplyDisplaySettings(2, 2, 1, 0);
    calc.InsertSecondCurrency = 1;
    calc.CurrencyCode = QStringLiteral("€");
    calc.SecondCurrencyCode = QStringLiteral("€");
    engines.converter.StartFirstRun();
}
}  // namespace

AppContext::AppContext() {
    applyFirstRunSettings(engines_);
    mainWindow_ = std::make_unique<TForm1>(engines_);
    dialogs_.setParent(mainWindow_.get());
    QObject::connect(mainWindow_.get(), &TForm1::financeRequested, mainWindow_.get(), [this] {
        TFinanzrechner& window = financeWindow();
        window.show();
        window.raise();
        window.activateWindow();
    });
    crashProtection_ = std::make_unique<CrashProtection>(engines_.tape, dialogs_, QDir::currentPath());
    if (crashProtection_->restored() && !engines_.layout.TapeShown) mainWindow_->ToggleTape();
}

TFinanzrechner& AppContext::financeWindow() {
    if (!financeWindow_) financeWindow_ = new TFinanzrechner(engines_.finance, dialogs_, mainWindow_.get());
    return *financeWindow_;
}

AppContext::~AppContext() { crashProtection_->finish(); }  // a normal end leaves no journal
