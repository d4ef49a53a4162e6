// "Kurse aktualisieren" in the main window: the web pages window on the exchange-rate pages,
// sized and placed for it, with the rate dialog on top; the dialog and the converter's panel
// follow each other while both are shown.
#include "currency/ecbfixture.h"
#include "fakebrowser.h"
#include "mainwindowfixture.h"
#include "shell/rateupdate.h"
#include "shell/webpages.h"
#include "shell/webwindow.h"

#include "currency/views/converteredit.h"
#include "currency/views/tform4.h"

#include <QAction>
#include <QDeadlineTimer>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QToolButton>

namespace {

// A page that is still on its way: nothing completes.
class SlowBrowser : public FakeBrowser {
public:
    using FakeBrowser::FakeBrowser;
    void navigate(const QUrl& address) override { calls << QStringLiteral("navigate ") + address.toString(); }
};

class SlowBrowserFactory : public WebBrowserFactory {
public:
    SlowBrowser* browser = nullptr;
    WebBrowserView* createBrowser(QWidget* parent) override { return browser = new SlowBrowser(parent); }
};

class RateUpdateTest : public MainWindowFixture {
protected:
    QTemporaryDir start;
    SlowBrowserFactory slow;
    FakeBrowserFactory fast;
    WebWindow web{dialogs, window, start.path(), start.filePath(QStringLiteral("Kalkulo.ini")),
                  QStringLiteral("/nicht/da/kalkulo_webbrowser.so")};
    RateUpdate rates{engines.converter, dialogs, window, web, start.filePath(QStringLiteral("Kalkulo.ini"))};

    RateUpdateTest() { web.setBrowserFactory(&slow); }
    ~RateUpdateTest() override { delete web.form(); }

    void writeIni(const QByteArray& text) {
        QFile file(start.filePath(QStringLiteral("Kalkulo.ini")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QSize screen() const { return QGuiApplication::primaryScreen()->size(); }
};

}  // namespace

TEST_F(RateUpdateTest, TheMenuItemOpensTheRatePagesLoadingWithTheDialogOnTop) {
    QAction* item = window.Kurseaktualisieren1;
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->objectName(), "Kurseaktualisieren1");
    EXPECT_EQ(item->text(), "Kurse aktualisieren");
    EXPECT_TRUE(window.Waehr2->associatedObjects().contains(item->associatedObjects().value(0)))
        << "in the menu of \"Zweitwährung automatisch einfügen\"";

    item->trigger();
    TForm3* pages = web.form();
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->windowTitle(), "Kalkulo | Umrechnen / Kurse  - Seite wird geladen!");
    EXPECT_TRUE(pages->RadioButton1->isChecked());
    EXPECT_EQ(slow.browser->calls, QStringList{"navigate " + WebPages::builtInLists()[0][0]});
    EXPECT_EQ(pages->size(), QSize(screen().width() - 10, screen().height() - 40));
    EXPECT_EQ(pages->pos(), QPoint(0, 0));

    TForm4& dialog = rates.dialog();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.ComboBox1->count(), engines.converter.Names.size());
    EXPECT_EQ(dialog.ComboBox1->currentIndex(), -1);
    EXPECT_FALSE(window.StayOnTop1->isChecked()) << "the main window stays as it was";
    EXPECT_FALSE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(dialogs.shown.isEmpty());

    slow.browser->listener->documentCompleted(WebPages::builtInLists()[0][0]);
    pages->render();
    EXPECT_EQ(pages->windowTitle(), "Kalkulo | Umrechnen / Kurse");
}

TEST_F(RateUpdateTest, SizesFromTheSettingsFileAndPlacesNearTheEdges) {
    const struct {
        const char* name;
        QByteArray file;
        QPoint movedTo, placed;
    } cases[] = {
        {"stored size", "[Config]\r\nForm3Width=640\r\nForm3Height=480\r\n", {120, 30}, {0, 30}},
        {"far from both edges", "", {51, 51}, {0, 0}},
        {"near both edges", "", {50, 50}, {50, 50}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeIni(c.file);
        window.Kurseaktualisieren1->trigger();
        ASSERT_NE(web.form(), nullptr);
        if (!c.file.isEmpty()) {
            EXPECT_EQ(web.form()->size(), QSize(640, 480));
        }
        web.form()->move(c.movedTo);
        window.Kurseaktualisieren1->trigger();
        EXPECT_EQ(web.form()->pos(), c.placed);
        EXPECT_EQ(slow.browser->calls.size(), 2) << "each time the first page loads";
        delete web.form();
    }
    writeIni("[Config]\r\nForm3Height=90\r\n");
    window.Kurseaktualisieren1->trigger();
    EXPECT_EQ(web.form()->height(), QGuiApplication::primaryScreen()->availableSize().height() - 30);
}

TEST_F(RateUpdateTest, ALoadedPageAndAMissingBrowserEndTheLoadingCaption) {
    web.setBrowserFactory(&fast);
    window.Kurseaktualisieren1->trigger();
    EXPECT_EQ(web.form()->windowTitle(), "Kalkulo | Umrechnen / Kurse");
    EXPECT_EQ(fast.browser->history, QStringList{WebPages::builtInLists()[0][0]});
    delete web.form();

    web.setBrowserFactory(nullptr);  // the module is missing
    window.Kurseaktualisieren1->trigger();
    EXPECT_EQ(web.form()->windowTitle(), "Kalkulo | Umrechnen / Kurse");
    EXPECT_EQ(dialogs.shown,
              QStringList{"Der MS Internet Explorer ab Version 3\rmuss auf dem Rechner installiert sein "
                          "um diese Funktion zu benutzen!"});
    EXPECT_TRUE(rates.dialog().isVisible());
}

TEST_F(RateUpdateTest, DialogAndConverterPanelFollowEachOther) {
    window.ToggleCurrency();
    ASSERT_NE(window.Frame31, nullptr);
    window.Kurseaktualisieren1->trigger();
    TForm4& dialog = rates.dialog();

    dialog.ComboBox1->setCurrentIndex(4);
    emit dialog.ComboBox1->activated(4);  // CHF
    dialog.SpeedButton1->click();
    dialog.Edit1->setText(QStringLiteral("0,9781"));
    window.Frame31->ComboBox1->setCurrentIndex(2);
    emit window.Frame31->ComboBox1->activated(2);
    dialogs.yesNo = {true};
    window.Frame31->SpeedButton3->click();  // FRF goes from the panel's list
    EXPECT_EQ(dialog.ComboBox1->count(), 6);
    EXPECT_EQ(dialog.ComboBox1->currentText(), "CHF,Schw. Fr.");

    window.Frame31->ComboBox1->setCurrentIndex(3);
    emit window.Frame31->ComboBox1->activated(3);  // CHF in the panel too
    dialog.SpeedButton2->click();
    EXPECT_EQ(engines.converter.Rates[3], "0.9781");
    EXPECT_EQ(window.Frame31->Edit4->text(), "0.9781") << "the panel shows the new rate at once";
}

TEST_F(RateUpdateTest, ReferenceRatesLoadFromTheAddressInTheSettingsFileAndShowInTheDialog) {
    QFile feed(start.filePath(QStringLiteral("kurse.xml")));
    ASSERT_TRUE(feed.open(QIODevice::WriteOnly));
    feed.write(ecbFixture());
    feed.close();
    writeIni("[Config]\r\nKursQuelle=" + feed.fileName().toUtf8() + "\r\n");
    window.Kurseaktualisieren1->trigger();
    TForm4& dialog = rates.dialog();
    dialog.ComboBox1->setCurrentIndex(3);
    emit dialog.ComboBox1->activated(3);  // $

    dialogs.yesNo = {true};
    dialog.SpeedButton4->click();
    EXPECT_FALSE(dialog.SpeedButton4->isEnabled());
    EXPECT_EQ(dialog.Label4->text(), "Lade EZB-Kurse …");
    const QDeadlineTimer guard(10000);  // only against a hang; a file answers at once
    while (rates.referenceRates().busy() && !guard.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);

    ASSERT_FALSE(rates.referenceRates().busy());
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.shown[0].startsWith("EZB-Referenzkurse vom 17.05.2024 übernehmen?"))
        << dialogs.shown[0].toStdString();
    EXPECT_EQ(engines.converter.Rates[3], "1.0856");
    EXPECT_EQ(engines.converter.Rates[4], "0.9781");
    EXPECT_EQ(dialog.Edit1->text(), "1.0856") << "the chosen currency's new rate";
    EXPECT_TRUE(dialog.SpeedButton4->isEnabled());
    EXPECT_EQ(dialog.Label4->text(), "");
}
