#pragma once
// The financial window's engine: the texts and settings of every control of the loan page
// `Tilgung` and the savings page `Anlage`, the input check and the two computations. The window
// copies its controls in, runs a command and shows the texts that come out.
#include "finance/financegrid.h"
#include "finance/financeoutcome.h"
#include "finance/scenariostore.h"
#include "finance/subsidy.h"

#include <QDate>
#include <QString>

class Tape;

enum class FinancePage { Tilgung, Anlage };

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
    QString Edit14;       // maximum term, years and months
    QDate Datum1;         // start date
    QDate Datum3;         // status date
    bool Radio1 = true;   // adjust the payment
    bool Radio2 = false;  // adjust the loan amount
    bool vproz = false;   // interest changes are used
    bool BauFi = false;   // subsidy is deducted
    QString Edit7;        // total subsidy text
    bool Edit7Enabled = false;
    QString Edit2Hint = QStringLiteral("Nominalzins");
    QString vprozHint = QStringLiteral("Datum und neuen Zins eingeben");
    // The "%" toggle shows the interest changes instead of the special repayments; it is shown while `vproz` is ticked.
    bool SpeedButton7Down = false;
    QString SpeedButton7Hint = QStringLiteral("Veränderten Zinssatz eingeben");
    QString SonderCaption = QStringLiteral(" Sondertilgungen ");
    FinanceGrid Grid2{4};  // special repayments
    FinanceGrid Grid3{4};  // interest changes

    // Loan page outputs.
    QString Edit3, Edit8;                // total term, years and months
    QString Edit15;                      // last payment
    QDate Datum2;                        // date of the last payment
    QString Edit4, Edit5, Edit6, Edit9;  // status: principal part, interest part, principal and interest so far
    QString Edit10, Edit11;              // total paid, interest share
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
    bool Edit23Enabled = true;
    QString Label24 = QStringLiteral("Monatl. Zahlung");
    bool vproz2 = false;
    QString vproz2Hint = QStringLiteral("Einen veränderlichen Zinssatz eingeben");
    bool SpeedButton8Down = false;
    QString SpeedButton8Hint = QStringLiteral(" Veränderten Zinssatz eingeben ");
    QString SonderCaption2 = QStringLiteral(" Sonderzahlungen ");
    FinanceGrid Grid1{6};  // special payments
    FinanceGrid Grid4{6};  // interest changes
    QDate Datum6;          // status date

    // Savings page outputs.
    QString Edit24;                  // capital at the status date
    QDate Datum5;                    // payout date
    QString Edit21, Edit20, Edit22;  // final capital, paid in, interest

    // The scenario name as typed or picked, and the list of stored names.
    QString ComboBox1;
    ScenarioStore Scenarios;

    // The subsidy window's engine, and the values it shares with the loan page.
    SubsidyCalculator Subsidy;
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

    // The window's reactions between computations. Each runs on the state the user left in the fields.
    FinanceReaction Datum1Change();
    FinanceReaction DateChange();  // `Datum3`, `Datum4`, `Datum6`
    FinanceReaction Datum5Change();
    FinanceReaction Edit2Change();
    FinanceReaction Edit13Change();
    FinanceReaction Edit14Change();
    FinanceReaction Zins1Click();
    FinanceReaction Zins2Click();
    FinanceReaction vprozClick();
    FinanceReaction vproz2Click();
    void SpeedButton7Click();
    void SpeedButton8Click();
    // `BauFi` as it now stands; a click on `Edit7` runs it too.
    FinanceReaction BauFiClick();
    // The unticked box: the subsidy is dropped and, when the inputs are usable, the loan computed.
    FinanceReaction BauFiUnticked();
    // "Neue Zeile einfügen" / "Letzte Zeile löschen" on the visible list of the active page.
    void AddRow();
    void DeleteLastRow();
    // "Neue Berechnung" on the active page.
    FinanceReaction SpeedButton5Click();
    // "Tape": computes the active page and writes its report to `tape` (none: nothing is written), also
    // while the Tape is hidden. A computation that fails writes nothing.
    FinanceReaction SpeedButton4Click(Tape* tape);

    // The subsidy box unticked without a check or a computation.
    void dropSubsidy();
    // The field the adjustment searches ("Rate": the payment, "Darl.": the loan amount) is set to "0", so that the
    // next computation searches it again.
    void resetAdjustedField();
    // Toggle, lists, captions and hints as the variable interest boxes stand.
    void showVprozState();
    void showVproz2State();
    // The months field and the payment's label as the interest period (`Zins2`: yearly) stands.
    void showInterestPeriod();

private:
    FinanceOutcome computeLoan();
    FinanceOutcome computeSavings();
};
