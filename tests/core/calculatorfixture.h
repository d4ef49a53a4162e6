#pragma once
// Drives the calculator with key strings as a user presses buttons:
// digits and "," type, + - x / operators, = equals, % percent, C "Löschen", ± sign change,
// < delete last digit, W "Wiederholen", U "Rückgängig", p π, the function letters s q l e d n m
// (root, square, ln, exp, log10, log to a base, power) apply their function; blanks are ignored.
#include "core/calculator.h"
#include "support/memorytape.h"
#include "support/qtprinters.h"
#include "support/rownames.h"
#include "support/scripteddialogs.h"

#include <gtest/gtest.h>

#include <optional>

// The dash line under a record, n dashes long.
inline QString dashes(int n) { return QString(n, QChar(0x2014)); }

class CalculatorTest : public ::testing::Test {
protected:
    ScriptedDialogs dialogs;
    MemoryTape tape;
    std::optional<Calculator> holder{std::in_place, dialogs, &tape};
    Calculator& calc = *holder;  // stays valid across restart(): emplace reuses the storage

    void restart() {
        tape.lines.clear();
        holder.emplace(dialogs, &tape);
    }

    void useFormat(int format, int decimals = 2) {
        calc.SpinValue = decimals;
        calc.SetNumberFormat(format);
        calc.Decimals = decimals;
    }

    void press(const QString& keys) {
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

    QStringList lines() const { return tape.texts(); }
    QStringList fields() const { return {calc.Label1, calc.Label2, calc.Label3}; }
};

// A table of key rows: each row runs as its own test on a fresh calculator, named by its `name`.
template <typename Row>
class CalculatorRows : public CalculatorTest, public ::testing::WithParamInterface<Row> {};
