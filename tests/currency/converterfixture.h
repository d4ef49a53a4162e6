#pragma once
// A calculator with the converter wired as on a first run without a settings file: currency
// format, the built-in list, "DM, De. Mark" selected, direction 1, the Tape shown.
#include "core/calculator.h"
#include "currency/currencyconverter.h"
#include "support/memorytape.h"
#include "support/scripteddialogs.h"

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using Field = CurrencyConverter::AmountField;

// Tests that need several fresh set-ups build one rig each.
struct ConverterRig {
    ScriptedDialogs dialogs;
    MemoryTape tape;
    Calculator calc{dialogs, &tape};
    CurrencyConverter conv{calc, dialogs};

    ConverterRig() {
        calc.ApplyDisplaySettings(2, 2, 1, 0);
        calc.setConverterHooks(&conv);
        conv.StartFirstRun();
        conv.SetVisible(true);
    }

    // Keys of the calculator: digits and "," type, + - x / operators, = equals.
    void press(const QString& keys) {
        for (QChar k : keys) {
            if (k == u'=') calc.PressEquals();
            else if (QStringLiteral("+-x/").contains(k)) calc.PressOperator(k);
            else if (k != u' ') calc.EnterDigit(k == u',' ? u'.' : k);
        }
    }

    // A click into an amount field, then typing `text` there.
    void typeInto(Field field, const QString& text) {
        conv.AmountPressed(field);
        conv.AmountReleased(field);
        conv.AmountKeyReleased(field, text, false);
    }

    QStringList lines() const { return tape.texts(); }
};

class ConverterTest : public ::testing::Test, public ConverterRig {};
