#include "financetestutil.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// The worked loan, computed once (payment 1.120,00); each command then runs on a changed field.
FinanceCalculator computedLoan() {
    FinanceCalculator f = exampleLoan();
    f.Compute();
    f.Edit10 = "vorher";  // shows whether a command computed
    return f;
}

TEST(Reactions, AutomaticRecomputationOnlyForUserEditsThatHoldANumber) {
    using Command = FinanceReaction (FinanceCalculator::*)();
    // Name, edit, command, payment afterwards (nullptr: nothing computed).
    const std::tuple<const char*, std::function<void(FinanceCalculator&)>, Command, const char*> cases[] = {
        {"interest with Rate searches the payment again", [](FinanceCalculator& f) { f.Edit2 = "5"; },
         &FinanceCalculator::Edit2Change, "1.070,00"},
        {"interest with Darl.",
         [](FinanceCalculator& f) {
             f.Radio1 = false;
             f.Radio2 = true;
             f.Edit2 = "5";
         },
         &FinanceCalculator::Edit2Change, nullptr},
        {"interest being typed", [](FinanceCalculator& f) { f.Edit2 = "-"; }, &FinanceCalculator::Edit2Change, nullptr},
        {"interest with a comma last", [](FinanceCalculator& f) { f.Edit2 = "1,"; }, &FinanceCalculator::Edit2Change,
         nullptr},
        {"interest 0", [](FinanceCalculator& f) { f.Edit2 = "0"; }, &FinanceCalculator::Edit2Change, nullptr},
        {"six months more", [](FinanceCalculator& f) { f.Edit14 = "6"; }, &FinanceCalculator::Edit14Change, "1.080,00"},
        {"months being typed", [](FinanceCalculator& f) { f.Edit14 = "-"; }, &FinanceCalculator::Edit14Change, nullptr},
        {"years 0", [](FinanceCalculator& f) { f.Edit13 = "0"; }, &FinanceCalculator::Edit13Change, nullptr},
        {"years 9", [](FinanceCalculator& f) { f.Edit13 = "9"; }, &FinanceCalculator::Edit13Change, "1.210,00"},
        {"years with Darl. keep the payment",
         [](FinanceCalculator& f) {
             f.Radio1 = false;
             f.Radio2 = true;
             f.Edit13 = "9";
         },
         &FinanceCalculator::Edit13Change, "1.120,00"},
        {"start date without an amount", [](FinanceCalculator& f) { f.Edit1.clear(); },
         &FinanceCalculator::Datum1Change, nullptr},
        {"start date", [](FinanceCalculator& f) { f.Datum1 = f.Datum1.addMonths(1); }, &FinanceCalculator::Datum1Change,
         "1.120,00"},
        {"status date", [](FinanceCalculator&) {}, &FinanceCalculator::DateChange, "1.120,00"},
        {"vproz with a result", [](FinanceCalculator& f) { f.vproz = true; }, &FinanceCalculator::vprozClick,
         "1.120,00"},
        {"vproz without one",
         [](FinanceCalculator& f) {
             f.vproz = true;
             f.Edit10.clear();
         },
         &FinanceCalculator::vprozClick, nullptr},
    };
    for (const auto& [name, edit, command, payment] : cases) {
        FinanceCalculator f = computedLoan();
        edit(f);
        const QString before = f.Edit12;
        const FinanceReaction r = (f.*command)();
        EXPECT_TRUE(r.messages.isEmpty()) << name;
        EXPECT_EQ(f.Edit10 != "vorher" && !f.Edit10.isEmpty(), payment != nullptr) << name;
        EXPECT_EQ(f.Edit12, payment ? QString(payment) : before) << name;
    }
}

TEST(Reactions, SubsidyBox) {
    // Ticking with an empty amount and "Rate": the check's message, and again from unticking.
    FinanceCalculator f = computedLoan();
    f.Edit1.clear();
    f.BauFi = true;
    EXPECT_EQ(f.BauFiClick().messages, QStringList(2, "Darlehenssumme eingeben"));
    EXPECT_FALSE(f.BauFi || f.Edit7Enabled);

    f = computedLoan();
    f.Edit1 = "abc";
    f.BauFi = true;
    const FinanceReaction unreadable = f.BauFiClick();
    EXPECT_EQ(unreadable.messages, QStringList{"'abc' ist kein gültiger Gleitkommawert"});
    EXPECT_FALSE(f.BauFi || unreadable.showSubsidy);

    // With "Darl." the amount goes to the subsidy before it is reset.
    f = amountAdjustedLoan("1000");
    f.Edit1 = "150.000,00";
    f.BauFi = true;
    EXPECT_TRUE(f.BauFiClick().showSubsidy);
    EXPECT_EQ((std::tuple{f.FinanceAmount, f.Edit1, f.Edit12, f.Edit7Enabled}),
              (std::tuple{150000.0L, QString("0"), QString("1000"), true}));

    // Unticked: the subsidy is gone from the loan, estimates included, and the loan computes.
    f = computedLoan();
    f.BauFi = true;
    f.BauFiClick();
    f.SubsidyPerYear = 2850;
    f.SubsidyTotal = 22800;
    f.Edit7 = "22.800,00";
    f.BauFi = false;
    EXPECT_TRUE(f.BauFiClick().messages.isEmpty());
    EXPECT_EQ((QStringList{f.Edit7, f.Edit12, f.Edit10}), (QStringList{"", "1.120,00", "132.797,22"}));
    EXPECT_FALSE(f.Edit7Enabled || f.SubsidyPerYear != 0 || f.SubsidyTotal != 0);
}

TEST(Reactions, VariableInterestTogglesAndRows) {
    FinanceCalculator f = computedLoan();
    f.vproz = true;
    f.vprozClick();
    EXPECT_EQ((QStringList{f.Edit2Hint, f.vprozHint}),
              (QStringList{"Anfänglicher Nominalzins", "Klicken Sie auf die %Taste um neuen Zins einzugeben"}));
    f.SpeedButton7Down = true;
    f.SpeedButton7Click();
    EXPECT_EQ((QStringList{f.SonderCaption, f.SpeedButton7Hint}),
              (QStringList{" Neuer Zins gültig ab Datum: ", "Sondertilgungen eingeben"}));
    f.AddRow();
    EXPECT_EQ((std::pair{f.Grid3.RowCount(), f.Grid2.RowCount()}), (std::pair{5, 4}));
    f.vproz = false;
    f.vprozClick();
    EXPECT_EQ((QStringList{f.SonderCaption, f.Edit2Hint, f.vprozHint}),
              (QStringList{"Sondertilgungen", "Nominalzins", "Datum und neuen Zins eingeben"}));
    EXPECT_FALSE(f.SpeedButton7Down);

    // The last row is emptied; the heading row and one data row stay.
    f.Grid2 = FinanceGrid(2);
    f.Grid2.rows[0] = {"01.01.2025", "100"};
    f.DeleteLastRow();
    EXPECT_EQ(f.Grid2.RowCount(), 2);
    EXPECT_TRUE(f.Grid2.rows[0].date.isEmpty() && f.Grid2.rows[0].value.isEmpty());

    f.ActivePage = FinancePage::Anlage;
    f.vproz2 = true;
    f.SpeedButton8Down = true;
    f.SpeedButton8Click();
    f.AddRow();
    EXPECT_EQ((std::pair{f.Grid4.RowCount(), f.SonderCaption2}),
              (std::pair{7, QString(" Neuer Zins gültig ab Datum: ")}));
    f.vproz2 = false;
    f.vproz2Click();
    EXPECT_EQ((QStringList{f.SonderCaption2, f.vproz2Hint}),
              (QStringList{" Sonderzahlungen ", "Einen veränderlichen Zinssatz eingeben "}));
}

TEST(Reactions, SavingsInterestModeAndPayoutDate) {
    FinanceCalculator f;
    f.setToday(QDate(2024, 1, 1));
    f.ActivePage = FinancePage::Anlage;
    f.Edit17 = "12";
    f.Edit19 = "1";
    f.Edit23 = "5";
    f.Edit18 = "100";
    f.Zins1 = false;
    f.Zins2 = true;
    EXPECT_TRUE(f.Zins2Click().messages.isEmpty());
    EXPECT_EQ((std::tuple{f.Edit23, f.Edit23Enabled, f.Label24, f.Edit21}),
              (std::tuple{QString("0"), false, QString("Jährl. Zahlung"), QString("100,00")}));
    // Two years and seven months: yearly interest counts the whole years only.
    f.Datum5 = QDate(2026, 8, 1);
    f.Datum5Change();
    EXPECT_EQ((QStringList{f.Edit19, f.Edit23}), (QStringList{"2", "0"}));
    EXPECT_EQ(f.Datum5, QDate(2026, 1, 1));
    f.Zins2 = false;
    f.Zins1 = true;
    f.Zins1Click();
    f.Datum5 = QDate(2026, 8, 1);
    f.Datum5Change();
    EXPECT_EQ((QStringList{f.Edit19, f.Edit23, f.Label24}), (QStringList{"2", "7", "Monatl. Zahlung"}));
    EXPECT_TRUE(f.Edit23Enabled);
}

TEST(Reactions, NewCalculationOnBothPages) {
    FinanceCalculator f = computedLoan();
    f.Grid2.rows[0] = {"01.01.2025", "500"};
    f.ComboBox1 = "Haus";
    f.BauFi = f.Edit7Enabled = f.vproz = true;
    f.SubsidyTotal = 8000;
    f.Edit7 = "8.000,00";
    f.Datum1 = f.Datum3 = QDate(2020, 1, 1);
    const FinanceReaction loan = f.SpeedButton5Click();
    EXPECT_EQ((QStringList{f.Edit1, f.Edit2, f.Edit12, f.Edit13, f.Edit14, f.Edit7, f.ComboBox1, f.Grid2.rows[0].value,
                           f.Edit10}),
              (QStringList{"", "0", "  0,00", "30", "0", "", "", "", "  0,00"}));
    EXPECT_FALSE(f.BauFi || f.vproz || f.SubsidyTotal != 0);
    EXPECT_EQ((std::tuple{f.Datum1, f.Datum3, loan.focus}), (std::tuple{kStart, kStart, QString("Edit1")}));

    f.ActivePage = FinancePage::Anlage;
    f.Grid1.rows[2] = {"01.01.2025", "500"};
    f.vproz2 = true;
    f.SpeedButton8Down = true;
    const FinanceReaction savings = f.SpeedButton5Click();
    EXPECT_EQ((QStringList{f.Edit16, f.Edit17, f.Edit18, f.Edit19, f.Grid1.rows[2].date, f.Edit21}),
              (QStringList{"", "0", "0", "10", "", "0,00"}));
    EXPECT_FALSE(f.vproz2 || f.SpeedButton8Down);
    EXPECT_EQ(savings.focus, "Edit16");
}

}  // namespace
