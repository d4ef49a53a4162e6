#include "appcontext.h"

#include "tform1.h"

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
}

AppContext::~AppContext() = default;
