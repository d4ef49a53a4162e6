#include "shell/rateupdate.h"

#include "core/settingsfile.h"
#include "currency/views/tform4.h"
#include "shell/tform1.h"
#include "shell/webwindow.h"

RateUpdate::RateUpdate(CurrencyConverter& converter, Dialogs& dialogs, TForm1& window, WebWindow& web, QString iniPath)
    : QObject(&window),
      converter_(converter),
      dialogs_(dialogs),
      window_(window),
      web_(web),
      iniPath_(std::move(iniPath)),
      referenceRates_(converter, dialogs) {
    connect(&window_, &TForm1::ratesUpdateRequested, this, &RateUpdate::ShowRatePages);
    connect(&window_, &TForm1::converterChanged, this, [this] {
        if (dialog_ && dialog_->isVisible()) dialog_->refreshFromConverter();
    });
    connect(&referenceRates_, &EcbRateUpdater::ratesReplaced, this, [this] {
        window_.render();
        if (dialog_) dialog_->refreshFromConverter();
    });
}

// Made on first use, so that start-up does not pay for a dialog most sessions never open.
TForm4& RateUpdate::dialog() {
    if (dialog_) return *dialog_;
    dialog_ = new TForm4(converter_, dialogs_, &window_);
    connect(dialog_, &TForm4::converterChanged, &window_, [this] { window_.render(); });
    connect(dialog_, &TForm4::ecbRatesRequested, this, &RateUpdate::loadReferenceRates);
    connect(dialog_, &TForm4::closed, &referenceRates_, &EcbRateUpdater::abort);
    connect(&referenceRates_, &EcbRateUpdater::busyChanged, dialog_, &TForm4::setEcbLoading);
    return *dialog_;
}

// The dialog shows last, so that it stands on top of the pages.
void RateUpdate::ShowRatePages() {
    web_.OpenRatePages();
    dialog().Open();
}

// A hand-set address in the settings file counts from the next download on, without a restart.
void RateUpdate::loadReferenceRates() {
    const SettingsFile settings(iniPath_);
    referenceRates_.setSource(EcbRateUpdater::sourceFrom(settings.ini));
    referenceRates_.request();
}
