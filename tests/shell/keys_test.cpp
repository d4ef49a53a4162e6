// The whole keyboard map of the main window, driven with real key events offscreen.
#include "mainwindowfixture.h"

#include <QClipboard>
#include <QLineEdit>
#include <QWheelEvent>

namespace {

class KeysTest : public MainWindowFixture {
protected:
    // Keys go to whatever has the focus, which may move between two keys; the window previews them.
    QWidget* focused() { return QApplication::focusWidget() ? QApplication::focusWidget() : &window; }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(focused(), k, mods); }
    // Keypad digits and "+-*/," share their character codes with their Qt key codes.
    void type(const char* text, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        for (const char* c = text; *c; ++c) QTest::keyClick(focused(), *c, mods);
    }
};

TEST_F(KeysTest, NumericPadWorksTheCalculator) {
    type("12+5,5", Qt::KeypadModifier);
    key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(label("Label1"), "17,5");
    const std::pair<const char*, const char*> steps[] = {{"*2", "35"}, {"/7", "5"}, {"-8", "-3"}};
    for (const auto& [keys, result] : steps) {
        type(keys, Qt::KeypadModifier);
        key(Qt::Key_Return);
        EXPECT_EQ(label("Label1"), result) << keys;
    }
    EXPECT_TRUE(window.Button16->hasFocus());
}

TEST_F(KeysTest, MainKeyboardDigitsShiftAndPoint) {
    type("12.5");
    EXPECT_EQ(label("Label1"), "12,5");
    key(Qt::Key_Backspace);
    EXPECT_EQ(label("Label1"), "12.");  // the raw text, as the digit was taken away
    key(Qt::Key_5, Qt::ShiftModifier);  // Shift+5 is "%"
    EXPECT_EQ(label("Label2"), "%");
    key(Qt::Key_7, Qt::ShiftModifier);  // Shift+7 types 7
    EXPECT_EQ(label("Label3"), "7");
}

TEST_F(KeysTest, AltDigitsChooseDecimalsAndFormatOne) {
    type("2");
    key(Qt::Key_7, Qt::AltModifier);
    EXPECT_EQ(label("Label1"), "2,0000000");
    key(Qt::Key_0, Qt::AltModifier);  // Alt+0 chooses ten
    EXPECT_EQ(label("Label1"), "2,0000000000");
    EXPECT_EQ(calc.NumberFormat, 1);
    EXPECT_TRUE(window.Formatierung1->isChecked());
}

TEST_F(KeysTest, CtrlEnterClosesWithASubtotal) {
    type("6*2", Qt::KeypadModifier);
    key(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(tape.texts(), QStringList({"6 ^", "2 x", "12 S"}));
    EXPECT_EQ(tape.lines.back().colour, Tape::Green);
}

TEST_F(KeysTest, EditingKeys) {
    type("12+5", Qt::KeypadModifier);
    key(Qt::Key_Home);  // Wiederholen
    EXPECT_EQ(label("Label1"), "17");
    EXPECT_EQ(label("Label5"), "1");
    key(Qt::Key_End);  // Rückgängig
    EXPECT_EQ(label("Label1"), "12");
    key(Qt::Key_Delete);  // Löschen
    EXPECT_TRUE(label("Label1").isEmpty());
    key(Qt::Key_Backspace, Qt::ControlModifier);  // undo walks the Tape back to the first operand
    EXPECT_EQ(label("Label1"), "12");
    key(Qt::Key_PageDown);
    EXPECT_EQ(window.windowTitle(), "Kalkulo (R2)");
    key(Qt::Key_PageUp);
    EXPECT_EQ(window.windowTitle(), "Kalkulo (R1)");
    type("+1", Qt::KeypadModifier);
    key(Qt::Key_Space);
    EXPECT_EQ(calc.ActiveField, 2) << "space must not press the focused \"=\"";
}

TEST_F(KeysTest, LetterKeys) {
    type("9a");
    EXPECT_EQ(fields(), QStringList({"9", "Q", "3", ""}));
    key(Qt::Key_Return);
    type("x");
    EXPECT_EQ(label("Label3"), "9");
    key(Qt::Key_Return);
    type("p");
    EXPECT_EQ(label("Label2"), "%");
    type("y");
    EXPECT_EQ(label("Label2"), "% Pi");
    bool financeShown = false;
    QObject::connect(&window, &TForm1::financeRequested, [&] { financeShown = true; });
    type("f");
    EXPECT_TRUE(financeShown);
    type("W");
    EXPECT_EQ(calc.InsertSecondCurrency, 1);
}

TEST_F(KeysTest, CopyAndPasteThroughTheClipboard) {
    calc.ApplyDisplaySettings(2, 2, 1, 0);
    type("1234.5");
    key(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "1234,5");
    QApplication::clipboard()->setText(QStringLiteral("1.234,56"));
    type("+", Qt::KeypadModifier);
    key(Qt::Key_Insert);
    EXPECT_EQ(calc.Operand2Text, " 1.23456000000000E+0003");
}

TEST_F(KeysTest, OnlyEscapeAndEnterActWhileAnEditFieldOwnsTheKeys) {
    QLineEdit edit(&window);
    edit.show();
    edit.setFocus();
    calc.SavedActiveField = 1;
    calc.ActiveField = 4;
    type("12");
    EXPECT_EQ(edit.text(), "12");
    EXPECT_EQ(calc.Operand1Text, "");
    key(Qt::Key_Escape);
    EXPECT_EQ(calc.ActiveField, 1);
    type("3");
    EXPECT_EQ(calc.Operand1Text, "3");
}

TEST_F(KeysTest, TheWheelAndStepKeysMoveTheFirstOperandOnlyWithThePlotter) {
    type("5i");
    QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), {}, QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(window.Label1, &wheel);
    EXPECT_EQ(label("Label1"), "5");

    layout.PlotterShown = true;
    QApplication::sendEvent(window.Label1, &wheel);
    EXPECT_EQ(label("Label1"), "6");
    dialogs.inputs = {QStringLiteral("0,5")};
    type("Iu");
    EXPECT_EQ(label("Label1"), "5,5");
}

}  // namespace
