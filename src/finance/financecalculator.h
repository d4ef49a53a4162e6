#pragma once
// The financial window's engine: the texts and settings of every control of the loan page
// `Tilgung` and the savings page `Anlage`, the input check and the two computations. The window
// copies its controls in, runs a command and shows the texts that come out.
#include "finance/financegrid.h"

#include <QDate>
#include <QString>

enum class FinancePage { Tilgung, Anlage };

// What a command asks the window to do besides showing the new texts: show `message` (when not
// empty) and move the keyboard focus to the control named `focus` (when not empty).
struct FinanceOutcome {
    QString message;
    QString focus;
};

class FinanceCalculator {
public:
    FinanceCalculator();

    FinancePage ActivePage = FinancePage::Tilgung;
    // Today's date, for the two-digit years of the grid dates.
    QDate Today;

    // Loan page inputs.
    QString Edit1;   // loan amount
    QString Edit2;   // nominal interest
    QString Edit12;  // monthly payment
    QString Edit13 = QStringLiteral("30");
    QString Edit14;  // maximum term, years and months
    QDate Datum1;    // start date
    QDate Datum3;    // status date
    bool Radio1 = true;   // adjust the payment
    bool Radio2 = false;  // adjust the loan amount
    bool vproz = false;   // interest changes are used
    bool BauFi = false;   // subsidy is deducted
    QString Edit7;        // total subsidy text
    FinanceGrid Grid2{4};  // special repayments
    FinanceGrid Grid3{4};  // interest changes

    // Loan page outputs.
    QString Edit3, Edit8;  // total term, years and months
    QString Edit15;        // last payment
    QDate Datum2;          // date of the last payment
    QString Edit4, Edit5, Edit6, Edit9;  // status: principal part, interest part, principal and interest so far
    QString Edit10, Edit11;               // total paid, interest share
    QString StatusCaption = QStringLiteral(" Darlehensstatus ");

    // Savings page inputs.
    bool Zins1 = true;   // monthly interest
    bool Zins2 = false;  // yearly interest
    QString Edit16;      // starting capital
    QDate Datum4;        // start date
    QString Edit17;      // interest
    QString Edit18;      // regular payment
    QString Edit19 = QStringLiteral("0");
    QString Edit23 = QStringLiteral("0");  // term, years and months
    bool vproz2 = false;
    FinanceGrid Grid1{6};  // special payments
    FinanceGrid Grid4{6};  // interest changes
    QDate Datum6;          // status date

    // Savings page outputs.
    QString Edit24;  // capital at the status date
    QDate Datum5;    // payout date
    QString Edit21, Edit20, Edit22;  // final capital, paid in, interest

    // Shared with the subsidy window.
    long double FinanceAmount = 0;
    long double SubsidyPerYear = 0;
    long double SubsidyTotal = 0;
    int InputsValid = 1;

    // Passes of the last loan adjustment, counting the first.
    qint64 LastPasses = 0;

    // Sets every date field to `today`.
    void setToday(const QDate& today);

    FinanceOutcome CheckFinanceInputs();
    // "Berechnen": check, then compute the active page. A text that is not a number, integer or
    // date yields the runtime's message and leaves every output as it was.
    FinanceOutcome Compute();

private:
    FinanceOutcome computeLoan();
    FinanceOutcome computeSavings();
};
