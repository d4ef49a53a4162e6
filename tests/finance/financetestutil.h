#pragma once
// A financial engine set up with the loan of the worked examples: 100 000 at 6 % over 10 years.
#include "finance/financecalculator.h"

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& texts, std::ostream* os) {
    *os << '"' << texts.join("\" \"").toStdString() << '"';
}

inline const QDate kStart(2024, 3, 15);

inline FinanceCalculator exampleLoan() {
    FinanceCalculator f;
    f.setToday(kStart);
    f.Edit1 = QStringLiteral("100000");
    f.Edit2 = QStringLiteral("6");
    f.Edit13 = QStringLiteral("10");
    f.Edit14 = QStringLiteral("0");
    f.Edit12 = QStringLiteral("0");
    return f;
}

// The same loan, but the amount is adjusted to the given payment.
inline FinanceCalculator amountAdjustedLoan(const QString& payment) {
    FinanceCalculator f = exampleLoan();
    f.Radio1 = false;
    f.Radio2 = true;
    f.Edit12 = payment;
    return f;
}

// The loan outputs except the adjusted fields Edit1 and Edit12, to show that a command left them alone.
inline QStringList loanOutputs(const FinanceCalculator& f) {
    return {f.Edit3, f.Edit8,  f.Edit15, f.Datum2.toString(), f.Edit4, f.Edit5, f.Edit6,
            f.Edit9, f.Edit10, f.Edit11, f.StatusCaption};
}

// What a command ends with: its message and the field that gets the focus.
inline QStringList messageAndFocus(const FinanceOutcome& out) { return {out.message, out.focus}; }
