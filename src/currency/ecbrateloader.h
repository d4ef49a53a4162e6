#pragma once
// Fetches the ECB's reference-rate feed from an address without blocking the event loop, with a
// time limit and a size cap, and answers with the feed or with the reason in German.
#include "currency/ecbfeed.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

class EcbRateLoader : public QObject {
    Q_OBJECT
public:
    static constexpr int DefaultTimeoutMs = 15000;
    static const QString NoConnectionReason;
    static const QString SecureConnectionReason;
    // "Zeitüberschreitung nach 15 Sekunden": names the limit that was really waited.
    static QString timeoutReason(int timeoutMs);
    static QString serverErrorReason(int httpStatus);

    explicit EcbRateLoader(QObject* parent = nullptr);
    ~EcbRateLoader() override;

    // The whole download, from the request to the last byte; taken by the next load.
    void setTimeoutMs(int timeoutMs) { timeoutMs_ = timeoutMs; }
    int timeoutMs() const { return timeoutMs_; }

    // Starts the download; false, and nothing happens, while one is running. The network
    // access is set up on the first call, so a run that never loads rates never pays for it.
    bool load(const QUrl& url);
    // Stops a running download without an answer.
    void abort();
    bool busy() const { return reply_ != nullptr; }

signals:
    void loaded(const EcbFeed& feed);
    void failed(const QString& reason);

private:
    void readAvailable();
    void replyFinished();
    QString errorReason() const;
    // Ends the download and returns what it read; the reply is gone afterwards, so a receiver of
    // the answer may load again at once.
    QByteArray stop();
    void fail(const QString& reason);

    QNetworkAccessManager* manager_ = nullptr;
    QNetworkReply* reply_ = nullptr;
    QTimer deadline_;
    QByteArray data_;
    int timeoutMs_ = DefaultTimeoutMs;
};
