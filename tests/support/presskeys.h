#pragma once
// Drives a calculator with a key string as a user presses buttons:
// digits and "," type, + - x / operators, = equals, % percent, C "Löschen", ± sign change,
// < delete last digit, W "Wiederholen", U "Rückgängig", p π, the function letters s q l e d n m
// (root, square, ln, exp, log10, log to a base, power) apply their function; blanks are ignored.
#include "core/calculator.h"

#include <gtest/gtest.h>

inline void pressKeys(Calculator& calc, const QString& keys) {
    for (QChar k : keys) {
        switch (k.unicode()) {
        case u' ': break;
        case u',': calc.EnterDigit(u'.'); break;
        case u'+':
        case u'-':
        case u'x':
        case u'/': calc.PressOperator(k); break;
        case u'=': calc.PressEquals(); break;
        case u'%': calc.PressPercent(); break;
        case u'C': calc.ClearFields(); break;
        case u'±': calc.ChangeSign(); break;
        case u'<': calc.DeleteLastDigit(); break;
        case u'W': calc.Repeat(); break;
        case u'U': calc.Undo(); break;
        case u'p': calc.EnterPi(); break;
        case u's':
        case u'q':
        case u'l':
        case u'e':
        case u'd':
        case u'n':
        case u'm': calc.ApplyFunction(k); break;
        default: ASSERT_TRUE(k.isDigit()) << "unknown key " << QString(k).toStdString(); calc.EnterDigit(k);
        }
    }
}
