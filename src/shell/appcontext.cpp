#include "appcontext.h"

#include "tform1.h"

#include "finance/tfinanzrechner.h"
#include "tape/tframe4.h"

namespace {
// The values a first start shows: currency format with two decimals, formatted while typing,
// euro as both currencies.
void applyFirstRunSettings(Calculator& calc) {
    calc.ApplyDisplaySettings(2, 2, 1, 0);
    calc.InsertSecondCurrency = 1;
    calc.CurrencyCode = QStringLiteral("€");
    calc.SecondCurrencyCode = QStringLiteral("€");
}
}  // namespace

AppContext::AppContext() : calculator_(dialogs_) {
    applyFirstRunSettings(calculator_);
    mainWindow_ = std::make_unique<TForm1>(calculator_, dialogs_);
    dialogs_.setParent(mainWindow_.get());
    calculator_.setTape(&mainWindow_->Frame41->tape());
    mainWindow_->onShowFinance = [this] {
        TFinanzrechner& window = financeWindow();
        window.show();
        window.raise();
        window.activateWindow();
    };
}

TFinanzrechner& AppContext::financeWindow() {
    if (!financeWindow_) financeWindow_ = new TFinanzrechner(dialogs_, mainWindow_.get());
    return *financeWindow_;
}

AppContext::~AppContext() = default;
