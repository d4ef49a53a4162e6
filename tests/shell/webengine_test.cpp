// The real browser module: it loads, shows the local help page without a network, and tells a
// page that cannot load in its own notice.
#include "shell/tform3.h"
#include "shell/webbrowsermodule.h"
#include "shell/webbrowserplugin.h"
#include "support/scripteddialogs.h"
#include "support/testapplication.h"

#include <QCoreApplication>
#include <QDir>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <unistd.h>
#include <QFile>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {
// The program does not share OpenGL contexts (under X that would create one at start-up); the
// module must work without.

bool webEngineMapped() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngine");
}

class RealBrowserTest : public ::testing::Test {
protected:
    TestApplicationFirst appFirst;
    ScriptedDialogs dialogs;
    QTemporaryDir start;

    static WebBrowserModule& module() {
        static WebBrowserModule instance{QStringLiteral(KALKULO_WEBBROWSER_MODULE)};
        return instance;
    }
    std::unique_ptr<TForm3> open() {
        WebWindowSetup setup;
        setup.startDirectory = start.path();
        setup.programDirectory = QStringLiteral(KALKULO_PROGRAM_FOLDER);
        setup.iniPath = start.filePath(QStringLiteral("Kalkulo.ini"));
        auto form = std::make_unique<TForm3>(dialogs, module().factory(), setup, 1);
        form->setAttribute(Qt::WA_DeleteOnClose, false);
        form->show();
        return form;
    }
};

TEST_F(RealBrowserTest, ModuleLoadsOnlyWhenAsked) {
    EXPECT_FALSE(webEngineMapped()) << "linking the program must not map the web engine";
    ASSERT_NE(module().factory(), nullptr) << module().errorString().toStdString();
    EXPECT_TRUE(webEngineMapped());
    if (geteuid() == 0) {
        EXPECT_TRUE(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS").contains("--no-sandbox"));
    }
}

TEST_F(RealBrowserTest, HelpPageLoadsWithoutANetwork) {
    auto form = open();
    ASSERT_TRUE(dialogs.shown.isEmpty()) << dialogs.last().toStdString();
    QElapsedTimer clock;
    clock.start();
    form->ShowHelp(QStringLiteral("#Funktionen"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->pages().HistoryDepth > 0; }, 30000))
        << form->StatusBar1->currentMessage().toStdString();
    std::printf("first page after %lld ms\n", static_cast<long long>(clock.elapsed()));
    EXPECT_TRUE(form->SpeedButton5->isEnabled());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Kalkulo | Hilfe"));
}

TEST_F(RealBrowserTest, UnreachablePageShowsTheNotice) {
    auto form = open();
    form->RadioButton3->click();
    form->ComboBox3->setEditText(QStringLiteral("http://127.0.0.1:9/"));
    form->Button1->click();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return form->StatusBar1->currentMessage().startsWith(QStringLiteral("Fehler, eventuell kein DFÜ-Netzwerk"));
        },
        5000))
        << form->StatusBar1->currentMessage().toStdString();
    EXPECT_TRUE(form->StatusBar1->currentMessage().contains(QStringLiteral("http://127.0.0.1:9/")))
        << form->StatusBar1->currentMessage().toStdString();
    EXPECT_TRUE(dialogs.shown.isEmpty());
}
}  // namespace
