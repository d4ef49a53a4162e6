#include "currency/ecbrateloader.h"

#include "core/numtext.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <utility>

const QString EcbRateLoader::NoConnectionReason =
    QStringLiteral("keine Verbindung zum Server, bitte die Internetverbindung prüfen");
const QString EcbRateLoader::SecureConnectionReason = QStringLiteral("die sichere Verbindung ist fehlgeschlagen");

QString EcbRateLoader::timeoutReason(int timeoutMs) {
    return QStringLiteral("Zeitüberschreitung nach %1 Sekunden").arg(numtext::formatG(timeoutMs / 1000.0L));
}

QString EcbRateLoader::serverErrorReason(int httpStatus) {
    return QStringLiteral("der Server meldet Fehler %1").arg(httpStatus);
}

EcbRateLoader::EcbRateLoader(QObject* parent) : QObject(parent) {
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, [this] { fail(timeoutReason(deadline_.interval())); });
}

EcbRateLoader::~EcbRateLoader() { abort(); }

bool EcbRateLoader::load(const QUrl& url) {
    if (busy()) return false;
    if (!manager_) manager_ = new QNetworkAccessManager(this);
    data_.clear();
    reply_ = manager_->get(QNetworkRequest(url));
    connect(reply_, &QNetworkReply::readyRead, this, &EcbRateLoader::readAvailable);
    connect(reply_, &QNetworkReply::finished, this, &EcbRateLoader::replyFinished);
    deadline_.start(timeoutMs_);
    return true;
}

void EcbRateLoader::abort() { stop(); }

QByteArray EcbRateLoader::stop() {
    deadline_.stop();
    if (QNetworkReply* reply = std::exchange(reply_, nullptr)) {
        reply->disconnect(this);
        if (reply->isRunning()) reply->abort();
        reply->deleteLater();
    }
    return std::exchange(data_, {});
}

void EcbRateLoader::fail(const QString& reason) {
    stop();
    emit failed(reason);
}

// Read as it arrives, so an endless or huge answer is cut off at the cap instead of filling memory.
void EcbRateLoader::readAvailable() {
    data_ += reply_->readAll();
    if (data_.size() > ecbfeed::MaxBytes) fail(ecbfeed::InvalidAnswerReason);
}

void EcbRateLoader::replyFinished() {
    if (reply_->error() != QNetworkReply::NoError) {
        fail(errorReason());
        return;
    }
    readAvailable();
    if (!reply_) return;  // over the cap
    const std::optional<EcbFeed> feed = ecbfeed::parse(stop());
    if (feed) emit loaded(*feed);
    else emit failed(ecbfeed::InvalidAnswerReason);
}

QString EcbRateLoader::errorReason() const {
    const QVariant status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && status.toInt() >= 400) return serverErrorReason(status.toInt());
    switch (reply_->error()) {
    case QNetworkReply::SslHandshakeFailedError:
    case QNetworkReply::InsecureRedirectError: return SecureConnectionReason;
    // A Qt without TLS support knows no https.
    case QNetworkReply::ProtocolUnknownError:
        return reply_->url().scheme() == u"https" ? SecureConnectionReason : NoConnectionReason;
    case QNetworkReply::TimeoutError: return timeoutReason(timeoutMs_);
    // The server answered, but not in HTTP.
    case QNetworkReply::ProtocolFailure: return ecbfeed::InvalidAnswerReason;
    default: return NoConnectionReason;
    }
}
