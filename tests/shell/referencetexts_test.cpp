// The about box, the metric prefixes and the "Internet" and "Hilfe" menus.
#include "mainwindowfixture.h"
#include "shell/aboutbox.h"
#include "shell/qtdialogs.h"
#include "shell/referencetexts.h"
#include "shell/webwindow.h"

#include <QClipboard>
#include <QMenu>
#include <QMessageBox>
#include <QAbstractButton>
#include <QDialog>
#include <QTimer>
#include <cmath>

namespace {

TEST(ReferenceTextsTest, AboutBoxSaysWhatKalkuloIs) {
    testApplication();
    TAboutBox box;
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Über Kalkulo ..."));
    const QStringList lines = box.text().split(u'\n');
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[0], QStringLiteral("Kalkulo"));
    EXPECT_EQ(lines[1], QStringLiteral("Version ") + QStringLiteral(KALKULO_TEST_VERSION));
    EXPECT_EQ(lines[2], QStringLiteral("Multifunktionsrechner mit einem virtuellen Papierstreifen,"));
    EXPECT_EQ(lines[3], QStringLiteral("Währungsumrechnung, Mw-Steuerberechnung, ")) << "trailing blank kept";
    EXPECT_EQ(lines[7], QStringLiteral("vieles mehr ..."));

    box.show();
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), box.text());
}

TEST(ReferenceTextsTest, PrefixFactorsLineUpOnTheRight) {
    testApplication();
    const QFont font = QApplication::font("QMessageBox");
    const QFontMetricsF metrics(font);
    const QStringList lines = metricPrefixesText(metrics).split(u'\r');
    ASSERT_EQ(lines.size(), 4 + 16);
    EXPECT_EQ(lines[0], QStringLiteral("Übersicht der metrischen Vorsilben:"));
    EXPECT_EQ(lines[2], QStringLiteral("Präfix    Symbol     Vergrößerung / Verkleinerung"));
    EXPECT_TRUE(lines[1].isEmpty() && lines[3].isEmpty());
    EXPECT_TRUE(lines[4].startsWith(QStringLiteral("Exa")));
    EXPECT_TRUE(lines[4].endsWith(QStringLiteral("1 000 000 000 000 000 000 (1 Trillion)")));
    EXPECT_TRUE(lines[15].endsWith(QStringLiteral("0,000 001 (1 Millonstel)")));
    EXPECT_TRUE(lines[19].endsWith(QStringLiteral("0,000 000 000 000 000 001 (1 Trillionstel)")));
    // Where each factor ends, measured up to the blank before the words.
    const qreal blank = metrics.horizontalAdvance(u' ');
    std::vector<qreal> ends;
    for (int i = 4; i < lines.size(); ++i) {
        const QString& line = lines[i];
        ends.push_back(metrics.horizontalAdvance(line.left(line.lastIndexOf(QStringLiteral(" (")))));
    }
    for (std::size_t i = 0; i < ends.size(); ++i) {
        SCOPED_TRACE(lines[int(i) + 4].toStdString());
        EXPECT_LE(std::abs(ends[i] - ends[0]), blank) << "factors end within one blank of each other";
    }
}

TEST(ReferenceTextsTest, MessageBoxTextCanBeCopied) {
    testApplication();
    QtDialogs dialogs;
    const QString text = QStringLiteral("Übersicht der metrischen Vorsilben:");
    QGuiApplication::clipboard()->clear();
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        box->accept();
    });
    dialogs.message(text);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(text));
}

// A question asked while a window stays on top belongs to it: owned by another window it could
// open behind it, and the program would wait for an answer no one sees.
TEST(ReferenceTextsTest, BoxesBelongToTheWindowThatStaysOnTop) {
    testApplication();
    QWidget main;
    main.show();
    QtDialogs dialogs(&main);
    QDialog onTop(&main, Qt::Dialog | Qt::WindowStaysOnTopHint);
    const struct {
        const char* name;
        bool onTopShown;
        QWidget* owner;
    } cases[] = {{"only the main window", false, &main}, {"a dialog that stays on top", true, &onTop}};
    for (const auto& c : cases) {
        onTop.setVisible(c.onTopShown);
        QWidget* parent = nullptr;
        QTimer::singleShot(0, [&parent] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            parent = box->parentWidget();
            static_cast<QMessageBox*>(box)->button(QMessageBox::Yes)->click();
        });
        EXPECT_TRUE(dialogs.askYesNo(QStringLiteral("EZB-Referenzkurse übernehmen?"))) << c.name;
        EXPECT_EQ(parent, c.owner) << c.name;
    }
}

class WebMenuTest : public MainWindowFixture {
protected:
    QTemporaryDir start;
    WebWindow web{dialogs, window, start.path(), start.filePath(QStringLiteral("Kalkulo.ini")),
                  QStringLiteral("/nicht/da/kalkulo_webbrowser.so")};

    QAction* item(const char* name) { return window.findChild<QAction*>(QString::fromLatin1(name)); }
};

TEST_F(WebMenuTest, MenusOpenTheWindowOnTheirGroup) {
    web.addMenus();
    EXPECT_EQ(web.form(), nullptr) << "nothing is built before it is asked for";
    struct Row {
        const char* item;
        const char* text;
        const char* caption;
    };
    const Row rows[] = {
        {"Umrechnungsseiten1", "Umrechnungsseiten", "Kalkulo | Umrechnen / Kurse"},
        {"MathematischeSeiten1", "Mathematische Seiten", "Kalkulo | Mathematik"},
        {"Suchmaschinen1", "Suchmaschinen", "Kalkulo | Suche"},
        {"Hilfe1", "Hilfe (F1)", "Kalkulo | Hilfe"},
        {"OnlineLexikon1", "Online-Lexikon", "Kalkulo | Mathematik"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.item);
        ASSERT_NE(item(row.item), nullptr);
        EXPECT_EQ(item(row.item)->text(), QString::fromUtf8(row.text));
        item(row.item)->trigger();
        ASSERT_NE(web.form(), nullptr);
        EXPECT_EQ(web.form()->windowTitle(), QString::fromUtf8(row.caption));
    }
    EXPECT_EQ(dialogs.shown.size(), 1) << "the missing browser is told once, when the window is made";
    EXPECT_EQ(dialogs.shown[0], TForm3::noBrowserMessage(1));
    EXPECT_EQ(item("MetrischeVorsilben1")->text(), QStringLiteral("Metrische Vorsilben"));
    EXPECT_EQ(item("Info1")->text(), QStringLiteral("Über Kalkulo..."));
    item("MetrischeVorsilben1")->trigger();
    EXPECT_TRUE(dialogs.last().startsWith(QStringLiteral("Übersicht der metrischen Vorsilben:\r\r")));

    web.form()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(web.form(), nullptr);
    web.ShowHelp(QStringLiteral("#Finanz"));
    EXPECT_EQ(dialogs.shown.size(), 3) << "a new window, told again";
}

}  // namespace
