#pragma once
// One application object for all window tests of a program. It is never destroyed: Qt's own
// objects are gone by the time static destructors run, and tearing it down then crashes.
#include <QApplication>

inline QApplication& testApplication() {
    static QApplication* instance = [] {
        static int argc = 1;
        static char name[] = "kalkulo_tests";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    return *instance;
}

// Declare first in a fixture, so the application exists before any widget member is built.
struct TestApplicationFirst {
    TestApplicationFirst() { testApplication(); }
};
