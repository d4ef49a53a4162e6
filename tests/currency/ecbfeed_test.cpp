// Reading the ECB's feed: what is taken, what is skipped and which answers are refused whole.
#include "currency/ecbfeed.h"
#include "ecbfixture.h"

#include <gtest/gtest.h>

namespace {

// "2024-05-17 USD=1.0856 CHF=0.9781", or "refused".
std::string summary(const QByteArray& xml) {
    const std::optional<EcbFeed> feed = ecbfeed::parse(xml);
    if (!feed) return "refused";
    QString text = feed->date.toString(Qt::ISODate);
    for (const EcbRate& rate : feed->rates) {
        text += QStringLiteral(" %1=%2").arg(rate.code, rate.rateText);
        if (QString::number(double(rate.value)) != rate.rateText) text += QStringLiteral("(value differs)");
    }
    return text.toStdString();
}

QByteArray paddedTo(qsizetype size) {
    QByteArray xml = ecbFixture();
    xml.insert(xml.indexOf("<gesmes:Envelope"), "<!--" + QByteArray(size - xml.size() - 8, 'x') + "-->\n");
    return xml;
}

}  // namespace

TEST(EcbFeed, TakesTheFirstDayAndSkipsWhatIsNoRate) {
    const QByteArray usd = "<Cube currency='USD' rate='1.0856'/>";
    const struct {
        const char* name;
        QByteArray xml;
        std::string expected;
    } cases[] = {
        {"the daily feed", ecbFixture(), "2024-05-17 USD=1.0856 CHF=0.9781"},
        {"other prefixes",
         "<e:Envelope xmlns:e='urn:e'><c:Cube xmlns:c='urn:c'><c:Cube time='2024-05-17'>"
         "<c:Cube currency='USD' rate=' 1.0856 '/></c:Cube></c:Cube></e:Envelope>",
         "2024-05-17 USD=1.0856"},
        {"bad codes and rates",
         ecbFeedXml("<Cube currency='usd' rate='1'/><Cube currency='US' rate='1'/><Cube currency='USDX' rate='1'/>"
                    "<Cube currency='U$D' rate='1'/><Cube currency='JPY' rate='0'/><Cube currency='GBP' rate='-1'/>"
                    "<Cube currency='SEK' rate='11,5'/><Cube currency='NOK' rate=''/><Cube currency='PLN'/>"
                    "<Cube currency='HUF' rate='1e9999'/><Cube currency='ISK' rate='150x'/>" +
                    usd + "<Cube currency='USD' rate='2'/>"),
         "2024-05-17 USD=1.0856"},
        {"history feed: newest day only",
         "<Envelope><Cube><Cube time='2024-05-17'>" + usd +
             "</Cube><Cube time='2024-05-16'><Cube currency='CHF' rate='0.98'/></Cube></Cube></Envelope>",
         "2024-05-17 USD=1.0856"},
        {"rates outside a day", "<Envelope><Cube>" + usd + "<Cube time='2024-05-17'/></Cube></Envelope>", "refused"},
        {"no date", "<Envelope><Cube><Cube>" + usd + "</Cube></Cube></Envelope>", "refused"},
        {"unreadable date", ecbFeedXml(usd, "17.05.2024"), "refused"},
        {"no rate", ecbFeedXml("<Cube currency='JPY' rate='0'/>"), "refused"},
        {"maintenance page", "<html><body><h1>Wartung</h1></body></html>", "refused"},
        {"not XML", "Hallo\r\n\x80\x01", "refused"},
        {"empty", "", "refused"},
        {"cut off", ecbFixture().left(ecbFixture().indexOf("CHF")), "refused"},
        {"just under the cap", paddedTo(ecbfeed::MaxBytes), "2024-05-17 USD=1.0856 CHF=0.9781"},
        {"over the cap", paddedTo(ecbfeed::MaxBytes + 1), "refused"},
    };
    for (const auto& c : cases) EXPECT_EQ(summary(c.xml), c.expected) << c.name;
    EXPECT_EQ(paddedTo(ecbfeed::MaxBytes).size(), ecbfeed::MaxBytes);
}
