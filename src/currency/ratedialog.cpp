#include "currency/ratedialog.h"

#include "core/dialogs.h"
#include "core/normalize.h"
#include "core/numtext.h"
#include "currency/currencyconverter.h"
#include "currency/ecbrateupdater.h"

#include <cmath>

const QString RateDialog::NoCurrencyMessage = QStringLiteral("Bitte zuerst eine Währung wählen.");
const QString RateDialog::BaseRateMessage =
    QStringLiteral("Die Grundwährung hat immer den Kurs 1; ihr Kurs kann nicht bearbeitet werden.");

RateDialog::RateDialog(CurrencyConverter& converter, Dialogs& dialogs) : converter_(converter), dialogs_(dialogs) {}

void RateDialog::Open() {
    Names = converter_.Names;
    ChosenIndex = -1;
    showChosenRate();
}

void RateDialog::ChooseCurrency(int index) {
    ChosenIndex = index >= 0 && index < Names.size() ? index : -1;
    showChosenRate();
}

// Read-only and white, the chosen currency's rate, nothing to take over.
void RateDialog::showChosenRate() {
    Edit1 = converter_.Rates.value(ChosenIndex);
    Edit1ReadOnly = true;
    SpeedButton2Enabled = false;
}

bool RateDialog::refuse(const QString& message) {
    dialogs_.message(message);
    return false;
}

void RateDialog::EditRate() {
    RefreshFromConverter();
    if (ChosenIndex < 0) {
        refuse(NoCurrencyMessage);
        return;
    }
    // Every rate counts units per one unit of entry 0; that one is 1 by definition.
    if (ChosenIndex == 0) {
        refuse(BaseRateMessage);
        return;
    }
    Edit1ReadOnly = false;
    FocusRate = true;
}

// A rate is always written with a point: a lone point is its decimal point, whatever the
// calculator's display format says about points.
void RateDialog::RateEdited(const QString& text) {
    if (Edit1ReadOnly) return;
    Edit1 = NormalizeNumberText(text, 0, 0);
    SpeedButton2Enabled = !Edit1.isEmpty();
}

bool RateDialog::TakeOver() {
    // The converter's list may have changed under the open dialog: the rate goes to the
    // currency of that name, wherever it stands now.
    RefreshFromConverter();
    if (ChosenIndex < 0) return refuse(NoCurrencyMessage);
    if (ChosenIndex == 0) return refuse(BaseRateMessage);
    const numtext::ValResult rate = numtext::val(Edit1);
    if (rate.code != 0 || !std::isfinite(rate.value) || !(rate.value > 0))
        return refuse(CurrencyConverter::RateAboveZeroMessage);
    while (converter_.Rates.size() <= ChosenIndex) converter_.Rates.append(QStringLiteral("0"));
    converter_.Rates[ChosenIndex] = Edit1;
    // An entry being edited in the converter keeps what the user typed there.
    if (converter_.ListEditMode == 0) converter_.SelectCurrency(converter_.SelectedIndex);
    Edit1ReadOnly = true;
    SpeedButton2Enabled = false;
    return true;
}

void RateDialog::RefreshFromConverter() {
    const QString chosen = Names.value(ChosenIndex);
    const QStringList& now = converter_.Names;
    int index = -1;
    if (ChosenIndex >= 0)
        index = now.value(ChosenIndex) == chosen ? ChosenIndex : static_cast<int>(now.indexOf(chosen));
    Names = now;
    ChosenIndex = index;
    if (Edit1ReadOnly || index < 0) showChosenRate();
}

void RateDialog::SetEcbLoading(bool loading) {
    SpeedButton4Enabled = !loading;
    Label4 = loading ? EcbRateUpdater::LoadingText : QString();
}
