// Loading the ECB's rates from a local test server in place of the ECB: the answers a server can
// give, the question before anything changes, the converter after "Ja", and the event loop
// running on while the server takes its time.
#include "converterfixture.h"
#include "core/numtext.h"
#include "currency/ecbrateupdater.h"
#include "ecbfixture.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace {

QCoreApplication& application() {
    static int argc = 1;
    static char name[] = "currency_network_tests";
    static char* argv[] = {name, nullptr};
    static auto* app = new QCoreApplication(argc, argv);  // never destroyed, see support/testapplication.h
    return *app;
}

// Answers every request on 127.0.0.1 as told: with `answer`, or not at all while `holding`.
class TestServer : public QObject {
public:
    QByteArray answer;
    bool holding = false;
    int requests = 0;
    QTcpSocket* held = nullptr;

    TestServer() {
        server_.listen(QHostAddress::LocalHost);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* socket = server_.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
                if (socket->property("seen").toBool()) return;
                socket->setProperty("seen", true);
                ++requests;
                if (holding) held = socket;
                else reply(socket);
            });
        });
    }
    QUrl url(const char* scheme = "http") const {
        return QUrl(QStringLiteral("%1://127.0.0.1:%2/eurofxref-daily.xml").arg(scheme).arg(server_.serverPort()));
    }
    void reply(QTcpSocket* socket) {
        socket->write(answer);
        socket->disconnectFromHost();
    }
    void close() { server_.close(); }

private:
    QTcpServer server_;
};

QByteArray http(const QByteArray& status, const QByteArray& body) {
    return "HTTP/1.1 " + status + "\r\nContent-Type: text/xml\r\nContent-Length: " + QByteArray::number(body.size()) +
        "\r\nConnection: close\r\n\r\n" + body;
}

// Runs the event loop, looking every few milliseconds, until `done` holds; the guard only keeps a
// broken build from hanging.
template <class Done>
void runUntil(Done done) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) loop.quit();
    });
    QTimer::singleShot(30000, &loop, [&] {
        ADD_FAILURE() << "waited in vain";
        loop.quit();
    });
    poll.start(5);
    if (!done()) loop.exec();
}

void waitUntilIdle(const EcbRateUpdater& updater) {
    runUntil([&] { return !updater.busy(); });
}

}  // namespace

class EcbRateUpdaterTest : public ConverterTest {
public:
    QCoreApplication& app = application();
    TestServer server;
    EcbRateUpdater updater{conv, dialogs};
    QStringList busyStates;
    int replaced = 0;

    EcbRateUpdaterTest() {
        updater.setSource(server.url());
        QObject::connect(&updater, &EcbRateUpdater::busyChanged, [this](bool b) { busyStates << (b ? "an" : "aus"); });
        QObject::connect(&updater, &EcbRateUpdater::ratesReplaced, [this] { ++replaced; });
        server.answer = http("200 OK", ecbFixture());
    }
};

TEST_F(EcbRateUpdaterTest, JaReplacesTheRatesAndRefreshesTheConverter) {
    conv.SelectCurrency(3);  // "$, USDollar"
    updater.request();
    EXPECT_TRUE(updater.busy());
    waitUntilIdle(updater);
    EXPECT_EQ(dialogs.shown,
              QStringList{"EZB-Referenzkurse vom 17.05.2024 übernehmen?\n$: 1.612 → 1.0856\n"
                          "CHF: 1.646 → 0.9781\nNicht in den EZB-Kursen: DM, FRF, Kr, PLZ"});
    EXPECT_EQ(conv.Rates, (QStringList{"1.0", "1.95583", "6.55957", "1.0856", "0.9781", "121.882", "3.598"}));
    EXPECT_EQ((QStringList{conv.Edit4, conv.Label3}), (QStringList{"1.0856", "$, USDollar"}));
    EXPECT_EQ(conv.CurrentRate, numtext::valValue(u"1.0856"));
    EXPECT_EQ(busyStates, (QStringList{"an", "aus"}));
    EXPECT_EQ(replaced, 1);
}

TEST_F(EcbRateUpdaterTest, NeinKeepsEveryRate) {
    dialogs.yesNo = {false};
    updater.request();
    waitUntilIdle(updater);
    EXPECT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(conv.Rates[3], "1.612");
    EXPECT_EQ(replaced, 0);
}

TEST_F(EcbRateUpdaterTest, FailuresSayWhyAndChangeNothing) {
    // Announces ten megabytes; the cap, not the server's end, must stop it.
    const QByteArray huge =
        "HTTP/1.1 200 OK\r\nContent-Length: 10485760\r\n\r\n" + ecbFixture() + QByteArray(1100000, ' ');
    const struct {
        const char* name;
        QByteArray answer;
        const char* scheme;
        bool portClosed, silent;
        QString reason;
    } cases[] = {
        {"not found", http("404 Not Found", "<html>Nicht gefunden</html>"), "http", false, false,
         "der Server meldet Fehler 404"},
        {"maintenance page", http("200 OK", "<html><body>Wartung</body></html>"), "http", false, false,
         "die Antwort enthält keine gültigen Referenzkurse"},
        {"endless answer", huge, "http", false, false, "die Antwort enthält keine gültigen Referenzkurse"},
        {"silent server", {}, "http", false, true, "Zeitüberschreitung nach 0,3 Sekunden"},
        {"closed port", {}, "http", true, false, "keine Verbindung zum Server, bitte die Internetverbindung prüfen"},
        {"plain answer to https", http("200 OK", ecbFixture()), "https", false, false,
         "die sichere Verbindung ist fehlgeschlagen"},
    };
    for (const auto& c : cases) {
        if (c.scheme == std::string("https") && !QSslSocket::supportsSsl()) {
            ADD_FAILURE() << "no TLS support in this Qt";
            continue;
        }
        ConverterRig rig;
        TestServer local;
        local.answer = c.answer;
        local.holding = c.silent;
        EcbRateUpdater loading{rig.conv, rig.dialogs};
        loading.setSource(local.url(c.scheme));
        if (c.silent) loading.setTimeoutMs(300);
        if (c.portClosed) local.close();
        loading.request();
        waitUntilIdle(loading);
        EXPECT_EQ(rig.dialogs.shown, QStringList{EcbRateUpdater::failureMessage(c.reason)}) << c.name;
        EXPECT_EQ(rig.conv.Rates, conv.Rates) << c.name;
    }
}

TEST_F(EcbRateUpdaterTest, TheEventLoopRunsOnWhileTheServerHoldsTheAnswer) {
    server.holding = true;
    updater.request();
    runUntil([&] { return server.held != nullptr; });  // timers fire while the request is under way
    EXPECT_TRUE(updater.busy());
    updater.request();  // ignored while loading
    server.reply(server.held);
    waitUntilIdle(updater);
    EXPECT_EQ(server.requests, 1);
    EXPECT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(replaced, 1);
}

TEST_F(EcbRateUpdaterTest, AbortStopsQuietly) {
    server.holding = true;
    updater.request();
    runUntil([&] { return server.held != nullptr; });
    bool gone = false;
    QObject::connect(server.held, &QTcpSocket::disconnected, [&] { gone = true; });
    updater.abort();
    EXPECT_FALSE(updater.busy());
    runUntil([&] { return gone; });  // the server has seen the connection go: no answer can come any more
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(busyStates, (QStringList{"an", "aus"}));
    EXPECT_EQ(conv.Rates[3], "1.612");
}

TEST_F(EcbRateUpdaterTest, RatesWaitWhileAnEntryIsBeingEdited) {
    conv.SelectCurrency(3);
    conv.PressEditEntry();
    conv.RateTextEdited("1.7");
    updater.request();
    waitUntilIdle(updater);
    EXPECT_EQ(dialogs.shown,
              QStringList{"Bitte zuerst die Eingabe in der Währungsliste speichern oder abbrechen. "
                          "Die Kurse bleiben unverändert."});
    conv.PressEditEntry();  // the user's edit is saved as typed
    EXPECT_EQ(conv.Rates[3], "1.7");
}
