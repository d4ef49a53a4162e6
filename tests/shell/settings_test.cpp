// Kalkulo.ini across a start and a shutdown of the main window: first run, restart, defaults,
// unreadable files, failing writes and the ways the window closes. Each test runs in a folder of
// its own, which is also the working directory, as the program's is.
#include "core/settingsfile.h"
#include "shell/settingssession.h"
#include "shell/terminationsignals.h"
#include "shell/tform1.h"
#include "support/scripteddialogs.h"
#include "support/testapplication.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>
#include <memory>

namespace {

// A commit whose last step fails, as on a full disk.
class FailingFile : public SettingsFile {
public:
    using SettingsFile::SettingsFile;

protected:
    bool replaceFile(const QString&, const QString&, QString& reason) override {
        reason = QStringLiteral("kein Platz auf dem Datenträger");
        return false;
    }
};

class FailingSession : public SettingsSession {
public:
    using SettingsSession::SettingsSession;

protected:
    std::unique_ptr<SettingsFile> openFile(const QString& path) override { return std::make_unique<FailingFile>(path); }
};

// One run of Kalkulo: engines, window and settings, started in the test's folder.
struct KalkuloRun {
    ScriptedDialogs dialogs;
    Engines engines{dialogs};
    TForm1 window{engines};
    std::unique_ptr<SettingsSession> session;

    explicit KalkuloRun(bool failingDisk = false) {
        session = failingDisk ? std::make_unique<FailingSession>(engines, window, dialogs, IniPath())
                              : std::make_unique<SettingsSession>(engines, window, dialogs, IniPath());
        session->start();
        window.show();
    }
    QString label(const char* name) const { return window.findChild<QLabel*>(name)->text(); }
    bool shown(const char* name) const {
        const auto* widget = window.findChild<QWidget*>(name);
        return widget && widget->isVisible();
    }
    bool checked(const char* name) const { return window.findChild<QAction*>(name)->isChecked(); }
    // 12 + 5 =
    void twelvePlusFive() {
        for (QPushButton* key : {window.Button1, window.Button2, window.Button14, window.Button5, window.Button16})
            QTest::mouseClick(key, Qt::LeftButton);
    }
    QStringList tapeLines() const {
        QStringList lines;
        for (int i = 0; i < engines.tape.LineCount(); ++i) lines << engines.tape.Line(i).trimmed();
        return lines;
    }
};

class SettingsSessionTest : public ::testing::Test {
protected:
    TestApplicationFirst appFirst;
    QTemporaryDir folder;
    QString previous = QDir::currentPath();

    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        QDir::setCurrent(folder.path());
    }
    void TearDown() override { QDir::setCurrent(previous); }

    QString iniPath() const { return folder.filePath("Kalkulo.ini"); }
    void writeIni(const QByteArray& bytes) {
        QFile file(iniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray readIni() const {
        QFile file(iniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    IniFile ini() const { return IniFile::parse(readIni()); }
};

TEST_F(SettingsSessionTest, FirstRunStartsInCurrencyFormatAndWritesTheFileOnlyAtShutdown) {
    QFile(folder.filePath("~temp.rtf")).open(QIODevice::WriteOnly);
    KalkuloRun run;
    EXPECT_EQ(run.window.pos(), QPoint(0, 0));
    EXPECT_EQ(run.label("Label1"), "0,00 €");
    EXPECT_EQ(run.engines.calculator.Decimals, 2);
    EXPECT_TRUE(run.checked("Formatierung2"));
    EXPECT_TRUE(run.checked("DForm1"));
    EXPECT_TRUE(run.checked("Graugruen"));
    EXPECT_TRUE(run.checked("Beige"));
    EXPECT_TRUE(run.checked("Waehr2"));
    EXPECT_EQ(run.label("Label8"), "T");
    for (const char* panel : {"Frame11", "Frame61", "Frame71", "Frame41"}) EXPECT_FALSE(run.shown(panel)) << panel;
    EXPECT_FALSE(QFile::exists(iniPath())) << "no file before the first shutdown";
    EXPECT_TRUE(run.dialogs.shown.isEmpty());

    run.window.close();
    const IniFile written = ini();
    EXPECT_EQ(
        written.keys(u"Config"),
        QStringList({"Farbe1",    "FFarben", "Dezimals",  "Background", "Felder",      "nk",          "PosTop",
                     "PosLeft",   "erw",     "tab",       "cIndex1",    "cIndex2",     "Erweitern",   "TextBox",
                     "Umrandung", "Tape",    "KursIndex", "VST",        "SteuerListe", "SteuerIndex", "FunktionsIndex",
                     "Steuern",   "d_form",  "aktiv",     "Syntax",     "w_einf",      "waehr",       "waehr1"}));
    const struct {
        const char* key;
        const char* value;
    } values[] = {{"Farbe1", "0"},    {"Dezimals", "2"}, {"Background", "1"},  {"Felder", "2"},
                  {"nk", "2"},        {"PosTop", "0"},   {"PosLeft", "0"},     {"erw", "0"},
                  {"Erweitern", "0"}, {"Tape", "0"},     {"d_form", "1"},      {"Syntax", "0"},
                  {"w_einf", "1"},    {"waehr", "€"},    {"waehr1", "€"},      {"TextBox", "0"},
                  {"Umrandung", "0"}, {"VST", "0"},      {"SteuerIndex", "0"}, {"FunktionsIndex", "-1"},
                  {"KursIndex", "1"}, {"aktiv", "1"}};
    for (const auto& v : values)
        EXPECT_EQ(written.readString(u"Config", QString::fromLatin1(v.key), "-"), QString::fromUtf8(v.value)) << v.key;
    EXPECT_TRUE(readIni().contains("waehr=\x80\r\n")) << "the euro sign is one Windows-1252 byte";
    EXPECT_EQ(written.readList(u"Waehrung"), run.engines.converter.Names) << "the built-in currencies";
    EXPECT_TRUE(readIni().contains("[Waehrung]\r\n0=\x80,Euro\r\n"));
    EXPECT_EQ(written.readList(u"Kurse").size(), 7);
    EXPECT_FALSE(QFile::exists(folder.filePath("~temp.rtf")));
}

TEST_F(SettingsSessionTest, ARestartBringsBackTapeTaxAreaBlueAndTheFormat) {
    writeIni("[Config]\r\nDezimals=1\r\nnk=3\r\nd_form=1\r\nTape=1\r\nErweitern=1\r\nerw=2\r\nBackground=3\r\n");
    KalkuloRun run;
    EXPECT_TRUE(run.shown("Frame41"));
    EXPECT_TRUE(run.checked("Tape1"));
    EXPECT_TRUE(run.shown("Frame61"));
    EXPECT_TRUE(run.checked("Steuer1"));
    EXPECT_TRUE(run.checked("Whrungsrechner1")) << "the converter sits below the Tape";
    EXPECT_EQ(run.label("Label8"), "S");
    EXPECT_TRUE(run.checked("Blau"));
    EXPECT_TRUE(run.checked("Formatierung1"));
    EXPECT_EQ(run.label("Label1"), "0,000");

    run.twelvePlusFive();
    const QStringList lines = run.tapeLines();
    ASSERT_EQ(lines.size(), 4) << lines.join(" | ").toStdString();
    EXPECT_EQ(lines[0], "12,000 ^");
    EXPECT_EQ(lines[1], "5,000 +");
    EXPECT_TRUE(!lines[2].isEmpty() && lines[2] == QString(lines[2].size(), QChar(0x2014))) << lines[2].toStdString();
    EXPECT_EQ(lines[3], "17,000 T");
    EXPECT_EQ(run.label("Label1"), "17,000");
}

TEST_F(SettingsSessionTest, TheCurrencyListAndItsSelectionSurviveARestart) {
    writeIni(
        "[Config]\r\nKursIndex=1\r\nwaehr1=\r\n[Waehrung]\r\n0=EUR,Euro\r\n1=CHF,Fr.\r\n2=$,Dollar\r\n"
        "[Kurse]\r\n0=1\r\n1=0.9781\r\n");
    {
        KalkuloRun run;
        CurrencyConverter& conv = run.engines.converter;
        EXPECT_EQ(conv.SelectedIndex, 0) << "an empty base code selects entry 0";
        EXPECT_EQ(run.engines.calculator.SecondCurrencyCode, "EUR");
        EXPECT_EQ(conv.Rates, (QStringList{"1", "0.9781", "N/A"}));
        conv.SelectCurrency(2);
        run.window.close();
    }
    const IniFile written = ini();
    EXPECT_EQ(written.readList(u"Waehrung"), (QStringList{"EUR,Euro", "CHF,Fr.", "$,Dollar"}));
    EXPECT_EQ(written.readList(u"Kurse"), (QStringList{"1", "0.9781", "N/A"}));
    EXPECT_EQ(written.readString(u"Config", u"KursIndex", "-"), "2");
    EXPECT_EQ(written.readString(u"Config", u"waehr1", "-"), "EUR");
    KalkuloRun again;
    EXPECT_EQ(again.engines.converter.SelectedIndex, 2);
}

TEST_F(SettingsSessionTest, MissingAndOutOfRangeValuesTakeTheKeysDefaults) {
    const struct {
        const char* name;
        QByteArray file;
    } cases[] = {
        {"empty file", ""},
        {"out of range",
         "[Config]\r\nDezimals=7\r\nBackground=9\r\nFelder=0\r\nerw=5\r\nnk=20\r\nTape=2\r\n"
         "Erweitern=0\r\nd_form=0\r\n"},
    };
    for (const auto& c : cases) {
        writeIni(c.file);
        KalkuloRun run;
        EXPECT_TRUE(run.checked("Formatierung3")) << c.name;
        EXPECT_TRUE(run.checked("DForm2")) << c.name;
        EXPECT_TRUE(run.checked("Gruen")) << c.name;
        EXPECT_TRUE(run.checked("Beige")) << c.name;
        EXPECT_EQ(run.label("Label8"), "T") << c.name;
        EXPECT_FALSE(run.shown("Frame41")) << c.name;
        EXPECT_EQ(run.engines.calculator.CurrencyCode, "DM") << c.name;
        run.twelvePlusFive();
        EXPECT_EQ(run.label("Label1"), "17") << c.name;
        EXPECT_TRUE(run.dialogs.shown.isEmpty()) << c.name;
    }
}

TEST_F(SettingsSessionTest, APositionWhollyOffEveryScreenBecomesTheTopLeftCorner) {
    const struct {
        const char* name;
        QByteArray lines;
        QPoint place;
    } cases[] = {
        {"on the screen", "posTop=40\r\nposLeft=100\r\n", {100, 40}},
        {"partly visible", "posTop=-20\r\nposLeft=-100\r\n", {-100, -20}},
        {"far away", "posTop=-9000\r\nposLeft=20000\r\n", {0, 0}},
    };
    for (const auto& c : cases) {
        writeIni("[Config]\r\n" + c.lines);
        KalkuloRun run;
        EXPECT_EQ(run.window.pos(), c.place) << c.name;
        run.window.close();
        EXPECT_EQ(QPoint(ini().readInteger(u"Config", u"PosLeft", 1), ini().readInteger(u"Config", u"PosTop", 1)),
                  c.place)
            << c.name;
    }
}

TEST_F(SettingsSessionTest, AnUnreadableFileIsReportedOnceAndStaysByteIdentical) {
    const struct {
        const char* name;
        QByteArray bytes;  // empty: a folder takes the file's name
        QString reason;
    } cases[] = {
        {"a folder", {}, "es ist ein Ordner"},
        {"NUL bytes", QByteArray("[Config]\r\nDezimals=1\r\n\0\0", 23), "sie enthält Null-Bytes"},
        {"over 4 MiB", "[Config]\r\nnk=5\r\n" + QByteArray(4 * 1024 * 1024, ';'), "sie ist größer als 4 MiB"},
    };
    for (const auto& c : cases) {
        QFile::remove(iniPath());
        QDir(iniPath()).removeRecursively();
        if (c.bytes.isEmpty()) ASSERT_TRUE(QDir(folder.path()).mkdir("Kalkulo.ini"));
        else writeIni(c.bytes);
        {
            KalkuloRun run;
            EXPECT_EQ(run.dialogs.shown, QStringList({settingsUnreadableMessage(iniPath(), c.reason)})) << c.name;
            EXPECT_EQ(run.label("Label1"), "0,00 €") << c.name << ": first-run values";
            run.window.close();
            EXPECT_EQ(run.dialogs.shown.size(), 1) << c.name;
        }
        EXPECT_EQ(readIni(), c.bytes) << c.name;
    }
}

TEST_F(SettingsSessionTest, AFailingWriteKeepsTheOldFileSaysWhyAndStillCloses) {
    const QByteArray old = "[Config]\r\nnk=4\r\n[Finanzrechner]\r\nx=1\r\n";
    writeIni(old);
    KalkuloRun run(true);
    run.window.close();
    EXPECT_FALSE(run.window.isVisible());
    EXPECT_EQ(run.dialogs.shown, QStringList({settingsNotSavedMessage(iniPath(), "kein Platz auf dem Datenträger")}));
    EXPECT_EQ(readIni(), old);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"Kalkulo.ini"}));
}

TEST_F(SettingsSessionTest, NoKeepsRunningAndWritesNothingWhileASignalClosesWithoutAsking) {
    writeIni("[Config]\r\nTape=1\r\nnk=1\r\n");
    const QByteArray before = readIni();
    KalkuloRun run;
    run.twelvePlusFive();
    run.dialogs.yesNo = {false};
    run.window.close();
    EXPECT_EQ(run.dialogs.last(), "Rechner beenden?");
    EXPECT_TRUE(run.window.isVisible());
    EXPECT_EQ(readIni(), before);

    run.dialogs.shown.clear();
    TerminationSignals termination;
    QSignalSpy received(&termination, &TerminationSignals::received);
    QObject::connect(&termination, &TerminationSignals::received, run.session.get(),
                     &SettingsSession::closeWithoutAsking);
    std::raise(SIGTERM);
    EXPECT_TRUE(received.wait(2000));
    EXPECT_TRUE(run.dialogs.shown.isEmpty()) << "a signal does not ask";
    EXPECT_FALSE(run.window.isVisible());
    EXPECT_EQ(ini().readInteger(u"Config", u"Tape", 0), 1);
}

TEST_F(SettingsSessionTest, TheFinancialWindowsSectionsGoIntoTheSameFile) {
    writeIni("[FoerderNeu]\r\nEdit1=50000\r\n[Scenario A]\r\nkeep=me\r\n");
    KalkuloRun run;
    SettingsSource& finance = run.session->financeSettings();
    EXPECT_TRUE(finance.sectionExists("foerderneu"));
    EXPECT_FALSE(finance.sectionExists("FoerderAlt"));
    EXPECT_EQ(finance.readString("FoerderNeu", "edit1", "-"), "50000");
    finance.writeString("FoerderAlt", "Edit1", "1");
    finance.writeString("FoerderAlt", "Edit1", "2");
    EXPECT_EQ(finance.readString("FoerderAlt", "Edit1", "-"), "2");
    EXPECT_FALSE(readIni().contains("FoerderAlt")) << "written with the shutdown";
    run.window.close();
    EXPECT_EQ(ini().readString(u"FoerderAlt", u"Edit1", "-"), "2");
    EXPECT_EQ(ini().readString(u"Scenario A", u"keep", "-"), "me");
    EXPECT_EQ(ini().readString(u"FoerderNeu", u"Edit1", "-"), "50000");
}

// A saved or deleted scenario reaches the file at once; an erased section's old keys are gone.
TEST_F(SettingsSessionTest, AScenarioCommitWritesItsSectionsAtOnce) {
    writeIni("[Haus]\r\nDarlehen=1\r\nalt=x\r\n[Fremd]\r\nkeep=me\r\n");
    KalkuloRun run;
    SettingsSource& finance = run.session->financeSettings();
    EXPECT_EQ(finance.keys("haus"), (QStringList{"Darlehen", "alt"}));
    finance.eraseSection("Haus");
    EXPECT_FALSE(finance.sectionExists("Haus"));
    EXPECT_EQ(finance.readString("Haus", "alt", "-"), "-");
    finance.writeString("Haus", "Darlehen", "2");
    EXPECT_EQ(finance.keys("Haus"), QStringList{"Darlehen"});
    QString message;
    ASSERT_TRUE(finance.commit(message)) << message.toStdString();
    EXPECT_EQ(ini().readString(u"Haus", u"Darlehen", "-"), "2");
    EXPECT_FALSE(ini().keyExists(u"Haus", u"alt"));
    EXPECT_EQ(ini().readString(u"Fremd", u"keep", "-"), "me");

    QFile::remove(iniPath());
    ASSERT_TRUE(QDir().mkdir(iniPath())) << "a folder where the file was cannot be read";
    EXPECT_FALSE(finance.commit(message));
    EXPECT_TRUE(message.startsWith("Die Einstellungen konnten nicht in")) << message.toStdString();
}

}  // namespace
