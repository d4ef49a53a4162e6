#pragma once
// The home-ownership subsidy ("Staatliche Förderung"): the legal amounts of two contract regimes, the
// borrower's circumstances, and the annual and total amount that the loan computation deducts.
#include "finance/financeoutcome.h"

#include <QString>
#include <optional>

class FinanceCalculator;
class SettingsSource;

class SubsidyCalculator {
public:
    // Legal amounts per year (group " Vorgaben (pro Jahr) "), as typed.
    QString Edit3;   // "Neubauzulage"
    QString Edit4;   // "Altbauzulage"
    QString Edit5;   // "Ökozulage 1"
    QString Edit11;  // "Ökozulage 2"
    QString Edit6;   // "Kinderzulage:"
    QString Edit7;   // "Grenze Unvh.": income limit over two years, single
    QString Edit8;   // "Grenze Verh.": the same, married
    QString Edit9;   // "Erh. pro Kind:": increase of the limit per child
    QString Edit10;  // "Dauer (Jahre)"

    // Borrower and object.
    QString Edit1;  // income of the last two years
    int Kinder = 0;
    bool Verheiratet = true, Ledig = false;
    bool Neubau = true, Altbau = false;
    bool Oeko = false, Oeko2 = false;
    bool OekoEnabled = true;       // eco bonus 1 is for new buildings only
    bool Alt = false, Neu = true;  // contract up to 31.12.2005 / from 1.1.2006

    // Results.
    QString Edit12;  // annual amount
    QString Edit2;   // total amount
    QString Ges;     // duration beside the total
    QString TotalCaption = QStringLiteral("Gesamt- Förderbetrag in");

    // Remembered between openings and kept in financial scenarios.
    int SubsidyBuildingType = 0;  // 0 new, 1 existing building
    int SubsidySingle = 0;
    int SubsidyEco1 = 0;
    int SubsidyEco2 = 0;
    int SubsidyChildren = 0;
    QString SubsidyIncomeText;
    int SubsidyOldRules = 0;  // 1: contract up to 31.12.2005

    long double SubsidyBuildingPart = 0;
    int SubsidyCapped = 0;
    bool Shown = false;

    // Showing the window: writes missing regime sections, selects the remembered regime and choices, computes.
    FinanceReaction Show(FinanceCalculator& finance, SettingsSource& settings);
    // Computes and shows the amounts and hands them to `finance`. An income above the limit drops the
    // subsidy of the loan page, which then computes.
    FinanceReaction ComputeSubsidy(FinanceCalculator& finance);
    // An edit of a parameter field or the income: computes once the field holds a number.
    FinanceReaction FieldEdited(const QString& text, FinanceCalculator& finance);
    FinanceReaction KinderChange(FinanceCalculator& finance);
    FinanceReaction NeubauClick(FinanceCalculator& finance);
    FinanceReaction AltbauClick(FinanceCalculator& finance);
    FinanceReaction OekoClick(FinanceCalculator& finance);
    FinanceReaction MaritalClick(FinanceCalculator& finance);  // "Verheiratet" or "Ledig"
    // "bis 31.12.2005" / "ab 1.1.2006", as `Alt` and `Neu` now stand.
    FinanceReaction RegimeClick(FinanceCalculator& finance, SettingsSource& settings);
    FinanceReaction OKBtnClick(FinanceCalculator& finance, SettingsSource& settings);
    FinanceReaction CancelBtnClick(FinanceCalculator& finance, SettingsSource& settings);
    // At shutdown an open window keeps its parameters as closing would.
    void Shutdown(SettingsSource& settings);
    // "Neue Berechnung" on the loan page forgets the remembered choices.
    void ForgetChoices();

private:
    FinanceReaction compute(FinanceCalculator& finance, bool loanMayCompute, bool* incomeTooHigh = nullptr,
                            bool* failed = nullptr);
    void switchRegime(bool oldRules, SettingsSource& settings);
    void storeParameters(SettingsSource& settings) const;
    void close(SettingsSource& settings);

    // The regime whose parameters the fields hold (true: up to 31.12.2005); none before the first showing.
    std::optional<bool> fieldsOldRules_;
};
