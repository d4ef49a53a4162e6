#include "shell/rateupdate.h"

#include "currency/views/tform4.h"
#include "shell/tform1.h"
#include "shell/webwindow.h"

RateUpdate::RateUpdate(CurrencyConverter& converter, Dialogs& dialogs, TForm1& window, WebWindow& web)
    : QObject(&window), window_(window), web_(web), dialog_(new TForm4(converter, dialogs, &window)) {
    connect(&window_, &TForm1::ratesUpdateRequested, this, &RateUpdate::ShowRatePages);
    connect(dialog_, &TForm4::converterChanged, &window_, [this] { window_.render(); });
    connect(&window_, &TForm1::converterChanged, dialog_, [this] {
        if (dialog_->isVisible()) dialog_->refreshFromConverter();
    });
}

// The dialog shows last, so that it stands on top of the pages.
void RateUpdate::ShowRatePages() {
    web_.OpenRatePages();
    dialog_->Open();
}
