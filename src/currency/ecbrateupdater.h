#pragma once
// "EZB-Kurse laden": fetches the ECB's reference rates, shows which rates of the currency list
// they change, and on "Ja" replaces them and lets the converter show the new rate at once.
// The rate dialog calls it and renders `busy()`; everything the user reads goes through Dialogs.
#include "currency/ecbrateloader.h"
#include "currency/ecbupdate.h"

#include <QObject>
#include <QUrl>

class CurrencyConverter;
class Dialogs;
class IniFile;

class EcbRateUpdater : public QObject {
    Q_OBJECT
public:
    static const QString LoadingText;  // what the dialog shows while the rates are on their way
    static QUrl defaultSource();
    // "KursQuelle" of section "Config" when it holds an address or a file path, else the ECB's
    // daily feed. The key is only read: a hand-made entry is the only way to set it.
    static QUrl sourceFrom(const IniFile& ini);
    // The message for a failed download, with the loader's reason.
    static QString failureMessage(const QString& reason);

    EcbRateUpdater(CurrencyConverter& converter, Dialogs& dialogs, QObject* parent = nullptr);

    void setSource(QUrl url) { source_ = std::move(url); }
    QUrl source() const { return source_; }
    void setTimeoutMs(int timeoutMs) { loader_.setTimeoutMs(timeoutMs); }

    // Starts loading; ignored while a load or its question is under way.
    void request();
    // Stops a running download quietly (the dialog closes); the list stays as it is.
    void abort();
    bool busy() const { return busy_; }

signals:
    void busyChanged(bool busy);
    void ratesReplaced();

private:
    void offer(const EcbFeed& feed);
    void report(const QString& reason);
    void setBusy(bool busy);

    CurrencyConverter& converter_;
    Dialogs& dialogs_;
    EcbRateLoader loader_;
    QUrl source_ = defaultSource();
    bool busy_ = false;
};
