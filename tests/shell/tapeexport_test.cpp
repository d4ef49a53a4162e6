// The Tape export in the main window: its two options under "Einstellungen" ▸ "Erweitert", the
// "MS Word" button, and the transfer file gone after shutdown.
#include "core/inifile.h"
#include "mainwindowfixture.h"
#include "tape/documentlauncher.h"
#include "tape/tapeexportsettings.h"
#include "tape/views/tapeedit.h"
#include "tape/views/tapeview.h"
#include "tape/views/tframe4.h"

#include <QAction>
#include <QMenu>
#include <QTemporaryDir>
#include <QToolButton>

namespace {

struct FakeLauncher : DocumentLauncher {
    QStringList opened;
    bool open(const QString& path) override {
        opened << path;
        return true;
    }
};

class TapeExportWindowTest : public MainWindowFixture {
protected:
    QAction* item(const char* name) { return window.findChild<QAction*>(QString::fromLatin1(name)); }
    // Check mark and enabling of both items, e.g. "x+ -+": Textbox1 checked and enabled, Umrandung
    // unchecked and enabled.
    QString items() {
        QString s;
        for (const char* name : {"Textbox1", "Umrandung"}) {
            if (!s.isEmpty()) s += u' ';
            s += item(name)->isChecked() ? u'x' : u'-';
            s += item(name)->isEnabled() ? u'+' : u'0';
        }
        return s;
    }
};

}  // namespace

TEST_F(TapeExportWindowTest, OptionItemsSitUnderAdvancedSettings) {
    for (const auto& [name, text] : {std::pair{"Textbox1", "Tape als Textbox in Word einfügen"},
                                     std::pair{"Umrandung", "Textbox ohne Umrandung"}}) {
        QAction* a = item(name);
        ASSERT_NE(a, nullptr) << name;
        EXPECT_EQ(a->text(), text);
        EXPECT_TRUE(a->isCheckable());
        auto* menu = qobject_cast<QMenu*>(a->parent());
        ASSERT_NE(menu, nullptr) << name;
        EXPECT_EQ(menu->title(), "Erweitert");
        auto* settings = qobject_cast<QMenu*>(menu->parent());
        EXPECT_EQ(settings ? settings->title() : QString(), "&Einstellungen");
    }
}

TEST_F(TapeExportWindowTest, BorderOptionEnabledExactlyWhileTheFrameOptionIsChecked) {
    const struct {
        const char* name;
        QStringList clicks;
        QString items;
    } rows[] = {
        {"start", {}, "-+ -0"},
        {"frame", {"Textbox1"}, "x+ -+"},
        {"frame without border", {"Textbox1", "Umrandung"}, "x+ x+"},
        {"frame off again", {"Textbox1", "Umrandung", "Textbox1"}, "-+ x0"},
    };
    for (const auto& row : rows) {
        engines.tapeExport.TextBox = engines.tapeExport.Umrandung = false;
        window.render();
        for (const QString& name : row.clicks) item(name.toLatin1().constData())->trigger();
        EXPECT_EQ(items(), row.items) << row.name;
        EXPECT_EQ(engines.tapeExport.TextBox, row.items[0] == u'x') << row.name;
        EXPECT_EQ(engines.tapeExport.Umrandung, row.items[3] == u'x') << row.name;
    }
}

TEST_F(TapeExportWindowTest, AStartWithTheFrameOptionOffersTheBorderOption) {
    TapeExportSettings(engines.tapeExport).load(IniFile::parse("[Config]\nTextBox=1\nUmrandung=0\n"), false);
    window.render();
    EXPECT_EQ(items(), "x+ -+");
}

TEST_F(TapeExportWindowTest, MsWordHandsTheTapeOverAndShutdownRemovesTheTransferFile) {
    QTemporaryDir start;
    FakeLauncher launcher;
    engines.tapeExport.StartDirectory = start.path();
    engines.tapeExport.setLauncher(&launcher);
    window.ToggleTape();
    engines.tape.AppendLine(QStringLiteral("12 ^"));
    engines.tape.AppendLine(QStringLiteral("17 T"));
    TapeEdit* edit = window.Frame41->richEdit()->currentEditor();
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(1);
    cursor.setPosition(3, QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);

    auto* button = window.Frame41->findChild<QToolButton*>(QStringLiteral("SpeedButton4"));
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);

    const QString path = QDir(start.path()).absoluteFilePath(QStringLiteral("Temp.fodt"));
    EXPECT_EQ(launcher.opened, QStringList{path});
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.last().toStdString();
    EXPECT_EQ(engines.tape.Text(), "12 ^\n17 T");
    EXPECT_EQ(edit->textCursor().anchor(), 1) << "the selection stays";
    EXPECT_EQ(edit->textCursor().position(), 3);

    window.close();
    EXPECT_FALSE(QFile::exists(path));
}
