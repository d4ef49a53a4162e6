// The web pages window driven through a fake browser: lists, groups, navigation counters,
// list editing, help, failures and the settings written on close.
#include "fakebrowser.h"
#include "shell/tform3.h"
#include "shell/webbrowsermodule.h"
#include "support/scripteddialogs.h"
#include "support/testapplication.h"

#include "core/inifile.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class WebWindowTest : public ::testing::Test {
protected:
    TestApplicationFirst appFirst;
    ScriptedDialogs dialogs;
    FakeBrowserFactory factory;
    QTemporaryDir start, program;
    QPointer<TForm3> form;

    ~WebWindowTest() override { delete form; }

    QString iniPath() const { return start.filePath(QStringLiteral("Kalkulo.ini")); }
    void writeIni(const QByteArray& text) {
        QFile file(iniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    void writeHelp(const QString& folder) {
        QFile file(QDir(folder).filePath(QStringLiteral("hilfe.htm")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<html><body id=\"Finanz\"></body></html>");
    }
    IniFile savedIni() const {
        QFile file(iniPath());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return IniFile::parse(file.readAll());
    }
    TForm3& open(int group = 1, bool withBrowser = true) {
        WebWindowSetup setup;
        setup.startDirectory = start.path();
        setup.programDirectory = program.path();
        setup.iniPath = iniPath();
        form = new TForm3(dialogs, withBrowser ? &factory : nullptr, setup, group);
        form->OpenGroup(group);
        form->show();
        return *form;
    }
    FakeBrowser& browser() { return *factory.browser; }
    WebPages& pages() { return form->pages(); }
    void type(int group, const QString& text) {
        QComboBox* combo = group == 1 ? form->ComboBox1 : group == 2 ? form->ComboBox2 : form->ComboBox3;
        combo->setEditText(text);
    }
    void visit(const QString& address) {
        type(3, address);
        form->RadioButton3->click();
        type(3, address);
        form->Button1->click();
    }
};

TEST_F(WebWindowTest, OpensAtTheTopLeftWithTheControlsAsNamed) {
    open();
    EXPECT_EQ(form->pos(), QPoint(0, 0));
    EXPECT_EQ(form->size(), QSize(800, 578));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Kalkulo | Umrechnen / Kurse"));
    EXPECT_TRUE(form->RadioButton1->isChecked());
    EXPECT_TRUE(form->ComboBox1->isVisible());
    EXPECT_FALSE(form->ComboBox2->isVisible());
    EXPECT_EQ(form->ComboBox1->currentText(), WebPages::builtInLists()[0][0]);
    EXPECT_EQ(form->StatusBar1->currentMessage(), QStringLiteral("Powered by Microsoft Internet Explorer"));
    struct Row {
        const char* name;
        const char* hint;
        bool enabled;
    };
    const Row rows[] = {
        {"SpeedButton1", "Zurück", false},
        {"SpeedButton2", "Forwärts", false},
        {"SpeedButton3", "Stop", false},
        {"SpeedButton5", "Neu Laden", false},
        {"SpeedButton8", "Hilfedatei anzeigen", true},
        {"SpeedButton4", "Homepage von Kalkulo", true},
        {"SpeedButton9", "Datei öffnen", true},
        {"SpeedButton7", "Eintrag löschen", true},
        {"SpeedButton6", "Neuen Eintrag speichern", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto* button = form->findChild<QToolButton*>(QString::fromLatin1(row.name));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(row.hint));
        EXPECT_EQ(button->isEnabled(), row.enabled);
    }
    EXPECT_EQ(form->SpeedButton4->text(), QStringLiteral("Home"));
    EXPECT_EQ(form->Button1->text(), QStringLiteral("Seite aufrufen"));
    EXPECT_EQ(form->RadioButton3->text(), QStringLiteral("Suchmaschinen / Sonstiges"));
    EXPECT_NE(form->findChild<QWidget*>(QStringLiteral("IE")), nullptr);
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(WebWindowTest, SettingsShapeTheWindowAndItsLists) {
    writeIni(
        "[Config]\r\nForm3Width=640\r\nForm3Height=90\r\n[Seiten]\r\n0=http://a.example/\r\n2=http://c.example/\r\n"
        "[Seiten3]\r\n0=http://s.example/\r\n1=\r\n");
    open(2);
    EXPECT_EQ(form->width(), 640);
    EXPECT_EQ(form->height(), QGuiApplication::primaryScreen()->availableSize().height() - 30);
    EXPECT_EQ(pages().Entries[0], QStringList{QStringLiteral("http://a.example/")});
    EXPECT_EQ(pages().Entries[1], WebPages::builtInLists()[1]) << "no section keeps the built-in list";
    EXPECT_EQ(pages().Entries[2], (QStringList{QStringLiteral("http://s.example/"), QString()}));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Kalkulo | Mathematik"));
    EXPECT_EQ(form->ComboBox2->currentText(), WebPages::builtInLists()[1][0]);
}

TEST_F(WebWindowTest, ClosingWritesTheSizeAndEveryListAndKeepsOtherKeys) {
    writeIni("[Config]\r\nDezimal=4\r\n[Seiten]\r\n0=alt\r\n1=alt2\r\n");
    open();
    form->resize(700, 500);
    pages().Entries[0] = WebPages::builtInLists()[0];
    form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull()) << "the window is destroyed when it closes";
    const IniFile ini = savedIni();
    EXPECT_EQ(ini.readInteger(u"Config", u"Form3Width", 0), 700);
    EXPECT_EQ(ini.readInteger(u"Config", u"Form3Height", 0), 500);
    EXPECT_EQ(ini.readInteger(u"Config", u"Dezimal", 0), 4);
    const auto builtIn = WebPages::builtInLists();
    EXPECT_EQ(ini.readList(u"Seiten"), builtIn[0]);
    EXPECT_EQ(ini.readList(u"Seiten2"), builtIn[1]);
    EXPECT_EQ(ini.readList(u"Seiten2").size(), 4);
    EXPECT_TRUE(ini.readList(u"Seiten2").contains(QString()));
    EXPECT_EQ(ini.readList(u"Seiten3"), builtIn[2]);
    EXPECT_TRUE(dialogs.shown.isEmpty());

    open();  // a new window reads what the last one wrote
    EXPECT_EQ(form->size(), QSize(700, 500));
    EXPECT_EQ(pages().HistoryDepth, 0);
}

TEST_F(WebWindowTest, BackAndForwardFollowTheCounters) {
    open(3);
    for (const char* page : {"http://one.example/", "http://two.example/", "http://three.example/"})
        visit(QString::fromLatin1(page));
    EXPECT_EQ(pages().HistoryDepth, 3);
    EXPECT_TRUE(form->SpeedButton1->isEnabled());
    EXPECT_FALSE(form->SpeedButton2->isEnabled());
    EXPECT_TRUE(form->SpeedButton5->isEnabled());
    EXPECT_TRUE(form->SpeedButton3->isEnabled()) << "stop is enabled by every progress report";

    form->SpeedButton1->click();
    EXPECT_TRUE(form->SpeedButton1->isEnabled());
    EXPECT_TRUE(form->SpeedButton2->isEnabled());
    EXPECT_EQ(form->ComboBox3->currentText(), QStringLiteral("http://two.example/"));
    form->SpeedButton1->click();
    EXPECT_FALSE(form->SpeedButton1->isEnabled()) << "back twice after three pages";
    EXPECT_EQ(pages().ForwardSteps, 2);

    form->SpeedButton2->click();
    EXPECT_TRUE(form->SpeedButton1->isEnabled()) << "forward enables back";
    EXPECT_TRUE(form->SpeedButton2->isEnabled());
    form->SpeedButton2->click();
    EXPECT_FALSE(form->SpeedButton2->isEnabled()) << "no forward step left";

    form->SpeedButton1->click();
    visit(QStringLiteral("http://four.example/"));
    EXPECT_FALSE(form->SpeedButton2->isEnabled()) << "a new page ends the way forward";
    EXPECT_EQ(pages().ForwardSteps, 0);
}

TEST_F(WebWindowTest, ResizingKeepsAUsableSize) {
    open();
    form->resize(150, 400);
    EXPECT_EQ(form->size(), QSize(200, 400));
    form->resize(500, 40);
    EXPECT_EQ(form->size(), QSize(500, 400)) << "a height below 50 restores the last height";
    form->resize(900, 300);
    EXPECT_EQ(form->ComboBox1->geometry().right() + 1, 900 - 20);
    EXPECT_EQ(form->IE->width(), 900);
    EXPECT_GT(form->IE->height(), 150);
    EXPECT_LE(form->IE->geometry().bottom(), form->StatusBar1->geometry().top());
}

TEST_F(WebWindowTest, EditingTheAddressLists) {
    open(2);
    const qsizetype before = pages().Entries[1].size();
    type(2, WebPages::builtInLists()[1][0]);
    form->SpeedButton6->click();
    EXPECT_EQ(pages().Entries[1].size(), before) << "no duplicate";
    type(2, QStringLiteral("http://neu.example/"));
    form->SpeedButton6->click();
    EXPECT_EQ(pages().Entries[1].last(), QStringLiteral("http://neu.example/"));
    EXPECT_EQ(form->ComboBox2->count(), before + 1);

    dialogs.yesNo = {false};
    form->SpeedButton7->click();
    EXPECT_EQ(dialogs.last(), QStringLiteral("Eintrag löschen?"));
    EXPECT_EQ(pages().Entries[1].size(), before + 1) << "No keeps it";
    dialogs.yesNo = {true};
    form->SpeedButton7->click();
    EXPECT_FALSE(pages().Entries[1].contains(QStringLiteral("http://neu.example/")));

    dialogs.shown.clear();
    type(2, QStringLiteral("nur getippt"));
    form->SpeedButton7->click();
    EXPECT_TRUE(dialogs.shown.isEmpty()) << "typed text is no entry: nothing to delete";
    EXPECT_EQ(pages().Entries[1].size(), before);
}

TEST_F(WebWindowTest, OpeningAFileUsesItsFolderAsItIs) {
    QDir(start.path()).mkpath(QStringLiteral("mit Blank #1 100%"));
    const QString file = start.filePath(QStringLiteral("mit Blank #1 100%/seite.htm"));
    QFile(file).open(QIODevice::WriteOnly);
    open();
    form->ShowHelp(QString());  // no group selected now
    dialogs.fileNames = {file};
    form->SpeedButton9->click();
    EXPECT_TRUE(form->RadioButton2->isChecked()) << "no group selected: group 2";
    EXPECT_EQ(browser().calls.last(), QStringLiteral("navigate ") + QUrl::fromLocalFile(file).toString());
    EXPECT_EQ(QUrl(browser().history.last()).toLocalFile(), file);
    EXPECT_EQ(WebPages::openFilters().size(), 3);
    EXPECT_TRUE(WebPages::openFilters()[0].startsWith(QStringLiteral("HTML-Dateien (*.htm/html)")));
}

TEST_F(WebWindowTest, HelpShowsTheLocalPageWithItsAnchor) {
    writeHelp(program.path());
    open();
    form->ShowHelp(QStringLiteral("#Funktionen"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Kalkulo | Hilfe"));
    EXPECT_FALSE(form->RadioButton1->isChecked() || form->RadioButton2->isChecked() || form->RadioButton3->isChecked());
    QUrl reached(browser().history.last());
    EXPECT_EQ(reached.fragment(), QStringLiteral("Funktionen"));
    EXPECT_EQ(reached.toLocalFile(), QDir(program.path()).filePath(QStringLiteral("hilfe.htm")))
        << "without a copy in the start directory, the program's";
    EXPECT_FALSE(form->RadioButton3->isChecked()) << "a local page selects no group";

    writeHelp(start.path());
    form->SpeedButton8->click();
    EXPECT_EQ(QUrl(browser().history.last()).toLocalFile(), QDir(start.path()).filePath(QStringLiteral("hilfe.htm")));
    EXPECT_TRUE(form->ComboBox3->isVisible());
    EXPECT_EQ(form->ComboBox3->currentText(), QDir(start.path()).filePath(QStringLiteral("hilfe.htm")));

    visit(QStringLiteral("http://weiter.example/"));
    EXPECT_TRUE(form->RadioButton3->isChecked()) << "leaving the local pages selects group 3";
}

TEST_F(WebWindowTest, FailuresAreToldInWords) {
    open();
    form->ShowHelp(QString());
    EXPECT_TRUE(browser().notice.contains(QStringLiteral("Die Hilfedatei hilfe.htm wurde nicht gefunden.")));

    browser().failing << QStringLiteral("http://nirgends.example/");
    form->RadioButton1->click();
    type(1, QStringLiteral("http://nirgends.example/"));
    form->Button1->click();
    EXPECT_TRUE(dialogs.shown.isEmpty()) << "no modal box for a page that cannot load";
    for (const QString& part :
         {QStringLiteral("Fehler, eventuell kein DFÜ-Netzwerk"), QStringLiteral("http://nirgends.example/"),
          QStringLiteral("Der Name des Servers wurde nicht gefunden.")}) {
        EXPECT_TRUE(browser().notice.contains(part)) << part.toStdString();
        EXPECT_TRUE(form->StatusBar1->currentMessage().contains(part)) << part.toStdString();
    }

    type(1, QStringLiteral("   "));
    form->Button1->click();
    EXPECT_EQ(dialogs.last(), QStringLiteral("Fehler, eventuell kein DFÜ-Netzwerk")) << "no address at all";
}

TEST_F(WebWindowTest, StopAndReloadNeedAPage) {
    open(1, false);
    EXPECT_EQ(dialogs.last(), TForm3::noBrowserMessage(1));
    pages().Stop();
    EXPECT_EQ(dialogs.last(), QStringLiteral("Keine Seite geladen"));
    dialogs.shown.clear();
    pages().Reload();
    EXPECT_EQ(dialogs.last(), QStringLiteral("Keine Seite geladen"));
}

TEST_F(WebWindowTest, WithoutABrowserTheWindowStaysOpenWithItsLists) {
    struct Row {
        int group;
        const char* ending;
    };
    for (const Row& row : {Row{1, "um diese Funktion zu benutzen!"}, Row{2, "um diese Seite zu benutzen!"},
                           Row{3, "um diese Seite zu benutzen!"}}) {
        SCOPED_TRACE(row.group);
        dialogs.shown.clear();
        open(row.group, false);
        ASSERT_EQ(dialogs.shown.size(), 1);
        EXPECT_TRUE(dialogs.shown[0].startsWith(QStringLiteral("Der MS Internet Explorer ab Version 3\rmuß auf dem")));
        EXPECT_TRUE(dialogs.shown[0].endsWith(QString::fromUtf8(row.ending)));
        EXPECT_TRUE(form->isVisible());
        form->Button1->click();  // nothing to show pages in, nothing breaks
        EXPECT_EQ(dialogs.shown.size(), 1);
        delete form;
    }
}

TEST_F(WebWindowTest, StatusBarShowsStatusAndProgress) {
    open();
    struct Row {
        int current, maximum;
        const char* status;
    };
    const Row rows[] = {{30, 100, "30 von 100"},
                        {-1, 100, "Powered by Microsoft Intenet Explorer"},
                        {5, 0, "Powered by Microsoft Intenet Explorer"}};
    for (const Row& row : rows) {
        browser().listener->progressChanged(row.current, row.maximum);
        EXPECT_EQ(form->StatusBar1->currentMessage(), QString::fromLatin1(row.status));
    }
    browser().listener->statusTextChanged(QStringLiteral("http://link.example/"));
    EXPECT_EQ(form->StatusBar1->currentMessage(), QStringLiteral("http://link.example/"));
}

TEST_F(WebWindowTest, GroupsAndTheLexicon) {
    open();
    const char* captions[] = {"Kalkulo | Umrechnen / Kurse", "Kalkulo | Mathematik", "Kalkulo | Suche"};
    QRadioButton* radios[] = {form->RadioButton1, form->RadioButton2, form->RadioButton3};
    QComboBox* lists[] = {form->ComboBox1, form->ComboBox2, form->ComboBox3};
    for (int g = 0; g < 3; ++g) {
        radios[g]->click();
        EXPECT_EQ(form->windowTitle(), QString::fromLatin1(captions[g]));
        for (int other = 0; other < 3; ++other) EXPECT_EQ(lists[other]->isVisible(), other == g);
        EXPECT_EQ(lists[g]->currentText(), WebPages::builtInLists()[g][0]);
    }
    form->OnlineLexikon();
    EXPECT_TRUE(form->RadioButton2->isChecked());
    EXPECT_EQ(browser().history.last(), WebPages::LexiconAddress);
    EXPECT_EQ(pages().Texts[2], WebPages::LexiconAddress);
    EXPECT_TRUE(WebPages::builtInLists()[1].contains(WebPages::LexiconAddress));
}

TEST(WebBrowserModuleTest, AMissingModuleGivesNoBrowserAndSaysWhy) {
    WebBrowserModule module(QStringLiteral("/nicht/da/kalkulo_webbrowser.so"));
    EXPECT_EQ(module.factory(), nullptr);
    EXPECT_TRUE(module.errorString().contains(QStringLiteral("/nicht/da")));
    EXPECT_EQ(module.factory(), nullptr) << "asked once only";
}

}  // namespace
