// The main window driven by mouse clicks, offscreen.
#include "mainwindowfixture.h"

#include <QMenuBar>
#include <QRadioButton>
#include <QToolButton>
#include <QSpinBox>

namespace {

class MainWindowTest : public MainWindowFixture {
protected:
    void click(const char* name) {
        auto* button = window.findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
};

TEST_F(MainWindowTest, ControlsSitAtTheirPlaces) {
    struct Place {
        const char* name;
        QRect rect;
    };
    const Place places[] = {
        {"Button36", {12, 12, 25, 17}},   {"Label1", {32, 36, 209, 25}},    {"Label3", {36, 72, 205, 25}},
        {"Button7", {12, 152, 37, 25}},   {"Button3", {108, 216, 37, 25}},  {"Button10", {12, 248, 37, 25}},
        {"Button15", {168, 152, 33, 25}}, {"Button23", {208, 248, 33, 25}}, {"Button44", {196, 295, 17, 15}},
        {"Button20", {168, 316, 73, 19}}, {"Button17", {12, 344, 85, 29}},  {"Button16", {168, 380, 73, 30}},
    };
    for (const Place& p : places) {
        auto* w = window.findChild<QWidget*>(QString::fromLatin1(p.name));
        EXPECT_EQ(w ? w->geometry() : QRect(), p.rect) << p.name;
    }
    EXPECT_EQ(window.centralWidget()->size(), QSize(249, 417));
    EXPECT_EQ(window.windowTitle(), "Kalkulo (R1)");
    EXPECT_EQ(label("Label1"), "0.0");
    EXPECT_EQ(label("Label6"), "0.0");
}

TEST_F(MainWindowTest, MenuHeadingsWrapIntoRowsAndTheWindowGrowsByThem) {
    const struct {
        const char* name;
        int faceWidth, rows;
    } cases[] = {{"narrow", 249, 2}, {"with the Tape", 497, 1}, {"narrow again", 249, 2}};
    for (const auto& c : cases) {
        if (window.centralWidget()->width() != c.faceWidth) window.ToggleTape();
        QStringList headings;
        QList<QMenuBar*> rows;
        for (QMenuBar* bar : window.findChildren<QMenuBar*>()) {
            if (!bar->isVisible() || bar->actions().isEmpty()) continue;
            rows.append(bar);
            const auto* overflow = bar->findChild<QToolButton*>("qt_menubar_ext_button");
            EXPECT_FALSE(overflow && overflow->isVisible()) << c.name;
            for (QAction* heading : bar->actions()) {
                EXPECT_TRUE(bar->rect().contains(bar->actionGeometry(heading)))
                    << c.name << " " << heading->text().toStdString();
                headings << heading->text();
            }
        }
        EXPECT_EQ(headings, QStringList({"&Einstellungen", "&Wiederherstellen", "E&xtras"})) << c.name;
        ASSERT_EQ(rows.size(), c.rows) << c.name;
        const int menuHeight = c.rows * rows.first()->height();
        EXPECT_EQ(window.centralWidget()->geometry(), QRect(0, menuHeight, c.faceWidth, 417)) << c.name;
        EXPECT_EQ(window.height(), 417 + menuHeight) << c.name;
    }
}

TEST_F(MainWindowTest, TheRepeatCounterGrowsLeftAndStaysWhole) {
    const int tapeButtonEnd = window.Button46->geometry().right();
    for (const char* count : {"0", "123", "12345", "2147483647"}) {
        calc.Label5 = count;
        window.render();
        const QRect at = window.Label5->geometry();
        EXPECT_EQ(at.right(), 244) << count;
        EXPECT_GT(at.left(), tapeButtonEnd + 1) << count;
        EXPECT_GE(at.top(), 118) << count;     // below the memory row
        EXPECT_LE(at.bottom(), 151) << count;  // above the keys
        const QStringList lines = window.Label5->text().split(u'\n');
        EXPECT_EQ(lines.join(QString()), count);
        for (const QString& line : lines)
            EXPECT_LE(window.Label5->fontMetrics().horizontalAdvance(line), at.width()) << count;
        EXPECT_LE(lines.size() * window.Label5->fontMetrics().lineSpacing(), at.height()) << count;
        EXPECT_GE(window.Label5->font().pixelSize(), 8) << count;
    }
    calc.Label5 = "0";
    window.render();
    EXPECT_EQ(window.Label5->geometry(), QRect(231, 128, 14, 13));
}

TEST_F(MainWindowTest, MouseCalculationShowsTheResultAndKeepsTheFocusOnEquals) {
    for (const char* key : {"Button1", "Button2", "Button14", "Button5"}) click(key);
    EXPECT_EQ(fields(), QStringList({"12", "+", "5", ""}));
    EXPECT_TRUE(window.findChild<QRadioButton*>("Radio2")->isChecked());
    click("Button16");
    EXPECT_EQ(fields(), QStringList({"17", "", "", "="}));
    EXPECT_FALSE(window.findChild<QRadioButton*>("Radio1")->isChecked());
    EXPECT_FALSE(window.findChild<QRadioButton*>("Radio2")->isChecked());
    EXPECT_EQ(tape.texts(), QStringList({"12 ^", "5 +", QString(2, QChar(0x2014)), "17 T"}));
    EXPECT_TRUE(window.Button16->hasFocus());
}

TEST_F(MainWindowTest, MenusSwitchFormatsAndTheSpinBoxFollows) {
    for (const char* key : {"Button1", "Button2", "Button3", "Button4", "Button11", "Button5"}) click(key);
    window.Formatierung2->trigger();
    EXPECT_EQ(label("Label1"), "1.234,50 €");
    EXPECT_FALSE(window.SpinEdit1->isEnabled());
    window.SpinEdit1->setValue(0);
    window.Formatierung1->trigger();
    EXPECT_TRUE(window.SpinEdit1->isEnabled());
    EXPECT_TRUE(window.Formatierung1->isChecked());
    EXPECT_FALSE(window.Formatierung2->isChecked());
    EXPECT_EQ(label("Label1"), "1.235");
}

TEST_F(MainWindowTest, ConversionErrorsAreShownAndChangeNothing) {
    for (const char* key : {"Button1", "Button14", "Button5"}) click(key);
    calc.AskRepeatCount = true;
    dialogs.inputs = {QStringLiteral("zwei")};
    click("Button20");
    EXPECT_EQ(dialogs.last(), "'zwei' ist kein gültiger Integerwert");
    EXPECT_EQ(label("Label1"), "1");
    EXPECT_EQ(label("Label5"), "0");
}

TEST_F(MainWindowTest, SwitchingCalculatorsChangesTheCaptionAndArrow) {
    click("R2");
    EXPECT_EQ(window.windowTitle(), "Kalkulo (R2)");
    EXPECT_TRUE(window.R2->isChecked());
    EXPECT_EQ(window.Button44->text(), "→");
    click("R1");
    EXPECT_EQ(window.windowTitle(), "Kalkulo (R1)");
    EXPECT_EQ(window.Button44->text(), "←");
}

}  // namespace
