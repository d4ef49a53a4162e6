#pragma once
// A calculator on a memory Tape, driven with key strings (see support/presskeys.h).
#include "core/calculator.h"
#include "support/memorytape.h"
#include "support/presskeys.h"
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

    void press(const QString& keys) { pressKeys(calc, keys); }

    QStringList lines() const { return tape.texts(); }
    QStringList fields() const { return {calc.Label1, calc.Label2, calc.Label3}; }
};

// A table of key rows: each row runs as its own test on a fresh calculator, named by its `name`.
template <typename Row>
class CalculatorRows : public CalculatorTest, public ::testing::WithParamInterface<Row> {};
