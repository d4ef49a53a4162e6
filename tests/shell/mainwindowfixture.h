#pragma once
// A main window over a calculator with an in-memory Tape, shown offscreen, with scripted dialogs.
#include "shell/tform1.h"
#include "support/memorytape.h"
#include "support/qtprinters.h"
#include "support/scripteddialogs.h"
#include "support/testapplication.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

class MainWindowFixture : public ::testing::Test {
protected:
    TestApplicationFirst appFirst;
    ScriptedDialogs dialogs;
    MemoryTape tape;
    Engines engines{dialogs};
    Calculator& calc = engines.calculator;
    PanelLayout& layout = engines.layout;
    TForm1 window{engines};

    void SetUp() override {
        calc.setTape(&tape);  // the records are read back with their attributes
        calc.ApplyDisplaySettings(3, 2, 1, 0);
        window.render();
        window.show();
        QApplication::setActiveWindow(&window);
        window.Button16->setFocus();
    }

    QString label(const char* name) { return window.findChild<QLabel*>(QString::fromLatin1(name))->text(); }
    // First operand, operator or function mark, second operand, "=".
    QStringList fields() { return {label("Label1"), label("Label2"), label("Label3"), label("Label4")}; }
};
