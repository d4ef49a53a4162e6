#include "currency/ecbrateupdater.h"

#include "core/dialogs.h"
#include "core/inifile.h"
#include "currency/currencyconverter.h"

const QString EcbRateUpdater::LoadingText = QStringLiteral("Lade EZB-Kurse …");

QUrl EcbRateUpdater::defaultSource() {
    return QUrl(QStringLiteral("https://www.ecb.europa.eu/stats/eurofxref/eurofxref-daily.xml"));
}

QUrl EcbRateUpdater::sourceFrom(const IniFile& ini) {
    const QString text = ini.readString(u"Config", u"KursQuelle", QString()).trimmed();
    const QUrl url = text.isEmpty() ? QUrl() : QUrl::fromUserInput(text);
    return url.isValid() ? url : defaultSource();
}

QString EcbRateUpdater::failureMessage(const QString& reason) {
    return QStringLiteral("Die EZB-Kurse konnten nicht geladen werden: %1. Die Kurse bleiben unverändert.").arg(reason);
}

EcbRateUpdater::EcbRateUpdater(CurrencyConverter& converter, Dialogs& dialogs, QObject* parent)
    : QObject(parent), converter_(converter), dialogs_(dialogs) {
    connect(&loader_, &EcbRateLoader::loaded, this, &EcbRateUpdater::offer);
    connect(&loader_, &EcbRateLoader::failed, this, &EcbRateUpdater::report);
}

void EcbRateUpdater::request() {
    if (busy_) return;
    setBusy(true);
    loader_.load(source_);
}

void EcbRateUpdater::abort() {
    loader_.abort();
    setBusy(false);
}

void EcbRateUpdater::setBusy(bool busy) {
    if (busy_ == busy) return;
    busy_ = busy;
    emit busyChanged(busy);
}

// The plan is made from the list as it is when the rates arrive: the user may have changed it
// in the converter panel while they were loading.
void EcbRateUpdater::offer(const EcbFeed& feed) {
    if (converter_.ListEditMode != 0) {
        dialogs_.message(
            QStringLiteral("Bitte zuerst die Eingabe in der Währungsliste speichern oder abbrechen. "
                           "Die Kurse bleiben unverändert."));
        setBusy(false);
        return;
    }
    const EcbUpdatePlan plan = ecbupdate::plan(converter_.Names, converter_.Rates, feed);
    if (!plan.needsQuestion()) {
        dialogs_.message(plan.unchangedMessage());
        setBusy(false);
        return;
    }
    const bool accepted = dialogs_.askYesNo(plan.question());
    if (accepted) {
        ecbupdate::apply(plan, converter_.Rates);
        converter_.SelectCurrency(converter_.SelectedIndex);
    }
    setBusy(false);
    if (accepted) emit ratesReplaced();
}

void EcbRateUpdater::report(const QString& reason) {
    dialogs_.message(failureMessage(reason));
    setBusy(false);
}
