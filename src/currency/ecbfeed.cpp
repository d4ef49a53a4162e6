#include "currency/ecbfeed.h"

#include "core/numtext.h"

#include <QXmlStreamReader>
#include <cmath>

const QString ecbfeed::InvalidAnswerReason = QStringLiteral("die Antwort enthält keine gültigen Referenzkurse");

const EcbRate* EcbFeed::find(QStringView code) const {
    for (const EcbRate& rate : rates)
        if (rate.code == code) return &rate;
    return nullptr;
}

bool ecbfeed::isCurrencyCode(QStringView code) {
    if (code.size() != 3) return false;
    for (QChar c : code)
        if (c < u'A' || c > u'Z') return false;
    return true;
}

namespace {

// A rate is read whole, with a point: "1,0856" or "1.0856x" would be a different number.
std::optional<long double> rateValue(QStringView text) {
    if (text.isEmpty()) return std::nullopt;
    const numtext::ValResult read = numtext::val(text);
    if (read.code != 0 || read.overflow || !std::isfinite(read.value) || !(read.value > 0)) return std::nullopt;
    return read.value;
}

// The feed's elements are matched by their local names, so any namespace prefix will do.
// `Cube time` opens a day; `Cube currency rate` inside it is one rate.
class FeedReader {
public:
    explicit FeedReader(QByteArrayView xml) : xml_(QByteArray::fromRawData(xml.data(), xml.size())) {}

    std::optional<EcbFeed> read() {
        int dayDepth = -1, depth = 0;
        bool dayDone = false;
        while (!xml_.atEnd()) {
            const QXmlStreamReader::TokenType token = xml_.readNext();
            if (token == QXmlStreamReader::EndElement) {
                if (depth-- == dayDepth) {
                    dayDone = true;
                    dayDepth = -1;
                }
                continue;
            }
            if (token != QXmlStreamReader::StartElement) continue;
            ++depth;
            if (dayDone || xml_.name() != u"Cube") continue;
            const QXmlStreamAttributes attributes = xml_.attributes();
            if (dayDepth < 0 && attributes.hasAttribute(QLatin1StringView("time"))) {
                dayDepth = depth;
                feed_.date =
                    QDate::fromString(attributes.value(QLatin1StringView("time")).trimmed().toString(), Qt::ISODate);
            } else if (dayDepth >= 0) {
                addRate(attributes.value(QLatin1StringView("currency")).trimmed(),
                        attributes.value(QLatin1StringView("rate")).trimmed());
            }
        }
        if (xml_.hasError() || !feed_.date.isValid() || feed_.rates.empty()) return std::nullopt;
        return std::move(feed_);
    }

private:
    void addRate(QStringView code, QStringView text) {
        if (!ecbfeed::isCurrencyCode(code) || feed_.find(code)) return;
        if (const auto value = rateValue(text)) feed_.rates.push_back({code.toString(), text.toString(), *value});
    }

    QXmlStreamReader xml_;
    EcbFeed feed_;
};

}  // namespace

std::optional<EcbFeed> ecbfeed::parse(QByteArrayView xml) {
    if (xml.size() > MaxBytes) return std::nullopt;
    return FeedReader(xml).read();
}
