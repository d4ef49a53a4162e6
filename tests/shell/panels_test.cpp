// Panel switching, the Tape beside the calculator, and the colour schemes.
#include "mainwindowfixture.h"

#include "tape/views/tframe4.h"
#include "tape/views/tapeview.h"

#include <QAction>
#include <QFrame>
#include <QToolButton>
#include <functional>

namespace {

class PanelsTest : public MainWindowFixture {
protected:
    QWidget* face() { return window.centralWidget(); }
    int visibleSidePanels() {
        int n = 0;
        QFrame* const panels[] = {window.Frame11, window.Frame51, window.Frame61, window.Frame71};
        for (QFrame* f : panels) n += f && f->isVisibleTo(face());  // a panel never shown is not built
        return n;
    }
    int checkedPanelItems() {
        int n = 0;
        for (QAction* a : {window.Trigon, window.Einheiten, window.Steuer1, window.Funktionen}) n += a->isChecked();
        return n;
    }
};

TEST_F(PanelsTest, TheLetterCyclesThroughTheFourPanels) {
    window.Button41->click();
    EXPECT_EQ(face()->height(), layout.DesignHeight + layout.ExtensionHeight);
    EXPECT_TRUE(window.Frame11->isVisibleTo(face()));
    const char* letters[] = {"E", "S", "F", "T"};
    for (int i = 0; i < 4; ++i) {
        QTest::mouseClick(window.Label8, Qt::LeftButton);
        EXPECT_EQ(window.Label8->text(), letters[i]);
        QFrame* panels[] = {window.Frame51, window.Frame61, window.Frame71, window.Frame11};  // built when first shown
        EXPECT_TRUE(panels[i]->isVisibleTo(face()));
        EXPECT_EQ(visibleSidePanels(), 1);
        EXPECT_EQ(checkedPanelItems(), 1);
    }
    window.Button41->click();
    EXPECT_EQ(face()->height(), layout.DesignHeight);
    EXPECT_EQ(visibleSidePanels(), 0);
}

TEST_F(PanelsTest, ThePanelItemClosesItsOwnPanelAndSwitchesOthers) {
    window.Steuer1->trigger();
    EXPECT_TRUE(window.Frame61->isVisibleTo(face()));
    window.Einheiten->trigger();
    EXPECT_TRUE(window.Frame51->isVisibleTo(face()));
    EXPECT_EQ(layout.ExtensionOpen, 1);
    window.Einheiten->trigger();
    EXPECT_EQ(layout.ExtensionOpen, 0);
    EXPECT_EQ(visibleSidePanels(), 0);
}

TEST_F(PanelsTest, TheTapeWidensTheWindowAndBringsTheConverterWithTheExtension) {
    window.Button46->click();
    EXPECT_EQ(window.Button46->text(), "<-Tape");
    EXPECT_EQ(face()->width(), layout.DesignWidth + layout.TapeWidth);
    EXPECT_TRUE(window.Tape1->isChecked());
    EXPECT_TRUE(window.Frame41->tape().Visible());
    window.Steuer1->trigger();
    EXPECT_TRUE(window.Frame31->isVisibleTo(face()));
    EXPECT_TRUE(window.Whrungsrechner1->isChecked());
    window.Button41->click();
    EXPECT_FALSE(window.Frame31->isVisibleTo(face()));
    window.Graf1->trigger();  // the plotter takes the right-hand side from the Tape
    EXPECT_FALSE(window.Frame41->isVisibleTo(face()));
    EXPECT_EQ(window.Button46->text(), "Tape->");
    EXPECT_FALSE(window.Frame41->tape().Visible());
}

TEST_F(PanelsTest, ShowingTheTapeOverAResultOpensARecord) {
    calc.Operand1Text = calc.Label1 = "17";
    calc.ActiveField = 3;
    window.ToggleTape();
    EXPECT_EQ(window.Frame41->tape().Line(window.Frame41->tape().LineCount() - 1), "17 ^");
}

TEST_F(PanelsTest, LeavingTheTapeEditModeByAnyRouteRestoresRecording) {
    const std::pair<const char*, std::function<void()>> routes[] = {
        {"Esc", [this] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }},
        {"digit button", [this] { QTest::mouseClick(window.Button1, Qt::LeftButton); }},
        {"=", [this] { QTest::mouseClick(window.Button16, Qt::LeftButton); }},
        {"Loeschen", [this] { QTest::mouseClick(window.Button17, Qt::LeftButton); }},
    };
    window.ToggleTape();
    auto* edit = window.Frame41->findChild<QToolButton*>("SpeedButton1");
    auto* record = window.Frame41->findChild<QToolButton*>("SpeedButton2");
    TapeDocument& strip = window.Frame41->tape();
    for (const auto& [route, leave] : routes) {
        QTest::mouseClick(edit, Qt::LeftButton);
        ASSERT_EQ(calc.ActiveField, 4) << route;
        leave();
        EXPECT_NE(calc.ActiveField, 4) << route;
        EXPECT_TRUE(record->isChecked()) << route;
        EXPECT_FALSE(edit->isChecked()) << route;
        EXPECT_EQ(strip.typingAlignment(), Tape::Alignment::Right) << route;
        EXPECT_EQ(strip.typingFormat().fontPointSize(), 10) << route;
        EXPECT_EQ(strip.typingFormat().fontWeight(), QFont::Bold) << route;
    }
}

TEST_F(PanelsTest, FieldSchemesColourFieldsAndTape) {
    window.SetFieldScheme(1);
    EXPECT_EQ(window.Label1->palette().color(QPalette::Window), QColor(255, 255, 0));
    EXPECT_EQ(window.Frame41->richEdit()->palette().color(QPalette::Base), QColor(Qt::white));
    window.SetFieldScheme(3);
    EXPECT_EQ(window.Label3->palette().color(QPalette::Window), QColor(Qt::white));

    window.SetFieldScheme(4);
    EXPECT_EQ(window.FieldScheme, 3) << "a cancelled colour dialog changes nothing";
    EXPECT_TRUE(window.Weiss->isChecked());
    for (int scheme = 1; scheme <= 3; ++scheme) {
        window.SetBackgroundScheme(scheme);
        EXPECT_EQ(window.Label8->palette().color(QPalette::WindowText), QColor(Qt::red)) << "scheme " << scheme;
    }
    dialogs.colours = {0x0000FF};
    window.SetBackgroundScheme(4);
    EXPECT_EQ(window.Label8->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(window.OwnBackgroundColour, 0x0000FFu);
    EXPECT_EQ(face()->palette().color(QPalette::Window), QColor(255, 0, 0));
}

}  // namespace
