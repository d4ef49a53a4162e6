#pragma once
// One application object for all window and document tests of a program. It is never destroyed: Qt's own
// objects are gone by the time static destructors run, and tearing it down then crashes.
// Programs that link QtWidgets get a QApplication; the others a QGuiApplication, which rich-text
// documents need for their fonts. Without a platform named, the tests draw offscreen.
#include <gtest/gtest.h>

#ifdef QT_WIDGETS_LIB
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

inline TestApplication& testApplication() {
    static TestApplication* instance = [] {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "kalkulo_tests";
        static char* argv[] = {name, nullptr};
        return new TestApplication(argc, argv);
    }();
    return *instance;
}

// Declare first in a fixture, so the application exists before any widget member is built.
struct TestApplicationFirst {
    TestApplicationFirst() { testApplication(); }
};

// For a program whose every test needs the application: registered once, it builds the application
// before the first test runs.
class TestApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override { testApplication(); }
};
