#pragma once
// Owns every engine and window of one running Kalkulo and wires them together.
#include "core/calculator.h"
#include "qtdialogs.h"

#include <memory>

class TForm1;

class AppContext {
public:
    AppContext();
    ~AppContext();

    Calculator& calculator() { return calculator_; }
    TForm1& mainWindow() { return *mainWindow_; }

private:
    QtDialogs dialogs_;
    Calculator calculator_;
    std::unique_ptr<TForm1> mainWindow_;
};
