// Which rates the ECB's reference rates change in the currency list, what the user is asked or
// told, and where the rates come from.
#include "core/inifile.h"
#include "currency/ecbrateloader.h"
#include "currency/ecbrateupdater.h"
#include "currency/ecbupdate.h"
#include "ecbfixture.h"

#include <gtest/gtest.h>

namespace {

const QStringList BuiltInNames = {"€,Euro",        "DM, De. Mark",    "FRF, Fr. Franc", "$, USDollar",
                                  "CHF,Schw. Fr.", "Kr, Isl. Kronen", "PLZ, Pol. Zl."};
const QStringList BuiltInRates = {"1.0", "1.95583", "6.55957", "1.612", "1.646", "121.882", "3.598"};

}  // namespace

TEST(EcbUpdate, PlansQuestionsMessagesAndNewRates) {
    const EcbFeed fixture = *ecbfeed::parse(ecbFixture());
    const EcbFeed tinyFranc =
        *ecbfeed::parse(ecbFeedXml("<Cube currency='USD' rate='1e4000'/><Cube currency='CHF' "
                                   "rate='1e-4000'/>"));
    const EcbFeed hugeFranc =
        *ecbfeed::parse(ecbFeedXml("<Cube currency='USD' rate='1e-4000'/><Cube currency='CHF' "
                                   "rate='1e4000'/>"));
    const EcbFeed withPound =
        *ecbfeed::parse(ecbFeedXml("<Cube currency='USD' rate='1.0856'/><Cube currency='CHF' rate='0.9781'/>"
                                   "<Cube currency='GBP' rate='0.8561'/>"));
    const struct {
        const char* name;
        QStringList names, rates;
        const EcbFeed& feed;
        QString shown;
        QStringList after;
    } cases[] = {
        {"built-in list, euro base: the feed's texts",
         BuiltInNames,
         BuiltInRates,
         fixture,
         "EZB-Referenzkurse vom 17.05.2024 übernehmen?\n$: 1.612 → 1.0856\nCHF: 1.646 → 0.9781\n"
         "Nicht in den EZB-Kursen: DM, FRF, Kr, PLZ",
         {"1.0", "1.95583", "6.55957", "1.0856", "0.9781", "121.882", "3.598"}},
        {"franc base: cross rates, any case, pound and euro signs",
         {"CHF,Schw. Fr.", "€,Euro", " usd , Dollar", "£,Pfund", "EUR,Euro"},
         {"1", "0.9", "1.1", "0.8", "1.02"},
         withPound,
         "EZB-Referenzkurse vom 17.05.2024 übernehmen?\n€: 0.9 → 1.02239034863511\nusd: 1.1 → 1.10990696247827\n"
         "£: 0.8 → 0.875268377466517\nEUR: 1.02 → 1.02239034863511",
         {"1", "1.02239034863511", "1.10990696247827", "0.875268377466517", "1.02239034863511"}},
        {"base not in the feed",
         {"DM, De. Mark", "$, USDollar"},
         {"1", "0.55"},
         fixture,
         "Die Basiswährung \"DM\" ist nicht in den EZB-Referenzkursen enthalten. Die Kurse bleiben unverändert.",
         {"1", "0.55"}},
        {"rates already equal as numbers",
         {"€,Euro", "$,Dollar", "CHF,Franken", "DM,Mark"},
         {"1", "1.08560", "0.9781", "1.95583"},
         fixture,
         "Die Kurse entsprechen bereits den EZB-Referenzkursen vom 17.05.2024.\nNicht in den EZB-Kursen: DM",
         {"1", "1.08560", "0.9781", "1.95583"}},
        {"no entry in the feed",
         {"€,Euro", "DM, De. Mark", "Yen"},
         {"1", "1.95583", "160"},
         fixture,
         "Keine Währung der Liste ist in den EZB-Referenzkursen vom 17.05.2024 enthalten.\n"
         "Nicht in den EZB-Kursen: DM, Yen",
         {"1", "1.95583", "160"}},
        {"cross rates beyond any number are not taken",
         {"CHF,Fr", "$,Dollar"},
         {"1", "1.1"},
         tinyFranc,
         "Keine Währung der Liste ist in den EZB-Referenzkursen vom 17.05.2024 enthalten.\nNicht in den EZB-Kursen: $",
         {"1", "1.1"}},
        {"cross rates that vanish to zero are not taken",
         {"CHF,Fr", "$,Dollar"},
         {"1", "1.1"},
         hugeFranc,
         "Keine Währung der Liste ist in den EZB-Referenzkursen vom 17.05.2024 enthalten.\nNicht in den EZB-Kursen: $",
         {"1", "1.1"}},
        {"rate list shorter than the names",
         {"€,Euro", "DM,Mark", "CHF,Franken"},
         {"1"},
         fixture,
         "EZB-Referenzkurse vom 17.05.2024 übernehmen?\nCHF: (kein Kurs) → 0.9781\nNicht in den EZB-Kursen: DM",
         {"1", "0", "0.9781"}},
    };
    for (const auto& c : cases) {
        const EcbUpdatePlan plan = ecbupdate::plan(c.names, c.rates, c.feed);
        EXPECT_EQ(plan.needsQuestion() ? plan.question() : plan.unchangedMessage(), c.shown) << c.name;
        QStringList rates = c.rates;
        ecbupdate::apply(plan, rates);
        EXPECT_EQ(rates, c.after) << c.name;
    }
}

TEST(EcbUpdate, SourceIsTheDailyFeedUnlessTheSettingsNameAnother) {
    const struct {
        const char* name;
        QByteArray ini;
        QString url;
    } cases[] = {
        {"no key", "[Config]\r\nKursIndex=1\r\n", "https://www.ecb.europa.eu/stats/eurofxref/eurofxref-daily.xml"},
        {"empty key", "[Config]\r\nKursQuelle=  \r\n", "https://www.ecb.europa.eu/stats/eurofxref/eurofxref-daily.xml"},
        {"an address", "[config]\r\nkursquelle=http://intranet.local/kurse.xml\r\n", "http://intranet.local/kurse.xml"},
        {"a file", "[Config]\r\nKursQuelle=/srv/kurse/eurofxref.xml\r\n", "file:///srv/kurse/eurofxref.xml"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EcbRateUpdater::sourceFrom(IniFile::parse(c.ini)).toString(), c.url) << c.name;
}

TEST(EcbUpdate, TheTimeoutMessageNamesTheRealLimit) {
    EXPECT_EQ(EcbRateLoader::timeoutReason(EcbRateLoader().timeoutMs()), "Zeitüberschreitung nach 15 Sekunden");
}
