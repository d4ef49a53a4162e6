#pragma once
// Owns every engine and window of one running Kalkulo and wires them together.
#include "core/calculator.h"
#include "qtdialogs.h"

#include <memory>

class TForm1;
class TFinanzrechner;

class AppContext {
public:
    AppContext();
    ~AppContext();

    Calculator& calculator() { return calculator_; }
    TForm1& mainWindow() { return *mainWindow_; }
    // Built on first use so that start-up never pays for it; it keeps its contents from then on.
    TFinanzrechner& financeWindow();

private:
    QtDialogs dialogs_;
    Calculator calculator_;
    std::unique_ptr<TForm1> mainWindow_;
    TFinanzrechner* financeWindow_ = nullptr;  // owned by the main window
};
