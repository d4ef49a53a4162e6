#include "financetestutil.h"

#include "finance/amounttext.h"
#include "finance/settingssource.h"
#include "support/scripteddialogs.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Section = QMap<QString, QString>;

const QString kRefused = "Dieser Name kann nicht gespeichert werden. Bitte einen anderen Namen eingeben";

// "Haus": 100 000 at 6 % over 10 years from 15.01.2024, a special repayment of 5000 on 15.01.2025.
FinanceCalculator haus() {
    FinanceCalculator f = exampleLoan();
    f.Datum1 = QDate(2024, 1, 15);
    f.Grid2.rows[0] = {"15.01.2025", "5000"};
    return f;
}

// A savings plan of 1000 at 3 % with 100 a month over 2 years 6 months, a special payment in row 1.
FinanceCalculator savingsPlan() {
    FinanceCalculator f = exampleLoan();
    f.ActivePage = FinancePage::Anlage;
    f.Edit16 = "1000";
    f.Edit17 = "3";
    f.Edit18 = "100";
    f.Edit19 = "2";
    f.Edit23 = "6";
    f.Datum4 = QDate(2024, 1, 15);
    f.Datum6 = QDate(2025, 1, 15);
    f.Grid1.rows[0] = {"15.07.2024", "500"};
    return f;
}

struct Store {
    MemorySettings settings;
    ScriptedDialogs dialogs;

    FinanceReaction save(FinanceCalculator& f, const QString& name) {
        f.ComboBox1 = name;
        return f.Scenarios.SpeedButton2Click(f, settings);
    }
    // A new run of the program: a fresh window that fills its list from the settings.
    FinanceCalculator restart() {
        FinanceCalculator g;
        g.setToday(kStart);
        g.Scenarios.FillList(settings);
        return g;
    }
    FinanceReaction load(FinanceCalculator& f, const QString& name) {
        return f.Scenarios.Load(f.Scenarios.indexOf(name), f, settings);
    }
    FinanceReaction remove(FinanceCalculator& f, const QString& name) {
        f.ComboBox1 = name;
        return f.Scenarios.SpeedButton3Click(f, settings, dialogs);
    }
    Section section(const QString& name) const { return settings.sections.value(name.toLower()); }
};

QStringList savingsOutputs(const FinanceCalculator& f) {
    return {f.Edit24, f.Datum5.toString(), f.Edit21, f.Edit20, f.Edit22, f.Edit19, f.Edit23};
}

TEST(Scenarios, SavingHausWritesItsKeysAndLoadingItSearchesThePaymentAgain) {
    Store st;
    FinanceCalculator f = haus();
    EXPECT_TRUE(st.save(f, "Haus").messages.isEmpty());
    EXPECT_EQ(st.section("Finanzrechner"), (Section{{"0", "Haus"}}));
    const Section expected{{"findex", "0"},         {"dl", "100.000,00"},  {"zins", "6"},
                           {"datum", "15.01.2024"}, {"maxlaufzeit", "10"}, {"laufzeitm", "0"},
                           {"vproz", "0"},          {"rws", "4"},          {"1", "15.01.2025;5000"}};
    EXPECT_EQ(st.section("Haus"), expected);

    FinanceCalculator g = st.restart();
    EXPECT_EQ(g.Scenarios.Items, QStringList{"Haus"});
    EXPECT_TRUE(st.load(g, "Haus").messages.isEmpty());
    EXPECT_EQ((QStringList{g.ComboBox1, g.Edit12, g.Edit3, g.Edit8, g.Edit15}),
              (QStringList{"Haus", "1.060,00", "10", "0", "719,07"}));
    EXPECT_EQ(g.Grid2.rows[0].date + ";" + g.Grid2.rows[0].value, "15.01.2025;5000");
}

TEST(Scenarios, NamesTheFileCannotHoldOrThatBelongToTheOtherPageWriteNothing) {
    struct Case {
        const char* what;
        QString name;
        FinancePage page;
        QString message;
    };
    const Case cases[] = {
        {"empty", "  ", FinancePage::Tilgung, "Namen eingeben"},
        {"own section", "Config", FinancePage::Tilgung, kRefused},
        {"own section, other case", "fOERDERneu", FinancePage::Tilgung, kRefused},
        {"the name list", "FINANZRECHNER", FinancePage::Anlage, kRefused},
        {"bracket", "Haus [alt]", FinancePage::Tilgung, kRefused},
        {"control character", "Haus\tneu", FinancePage::Tilgung, kRefused},
        {"outside the code page", QString::fromUtf8("Haus \u4e00"), FinancePage::Tilgung, kRefused},
        {"savings name on the loan page", "Sparen", FinancePage::Tilgung, "Name nur für Anlage gültig!"},
        {"loan name on the savings page", "Haus", FinancePage::Anlage, "Name nur für Tilgung gültig!"},
    };
    for (const Case& c : cases) {
        Store st;
        FinanceCalculator savings = savingsPlan();
        st.save(savings, "Sparen");
        FinanceCalculator loan = haus();
        loan.Scenarios = savings.Scenarios;
        st.save(loan, "Haus");
        const auto before = st.settings.sections;
        FinanceCalculator f = c.page == FinancePage::Tilgung ? haus() : savingsPlan();
        f.Edit1 = "50000";
        f.Edit16 = "7";
        f.Scenarios = loan.Scenarios;
        EXPECT_EQ(st.save(f, c.name).messages, QStringList{c.message}) << c.what;
        EXPECT_EQ(st.settings.sections, before) << c.what;
    }
}

TEST(Scenarios, ACommandActsOnTheListedNameWhateverItsCase) {
    Store st;
    FinanceCalculator f = haus();
    st.save(f, "Haus");
    f.Edit2 = "5";
    st.save(f, "  hAUS ");
    EXPECT_EQ(f.Scenarios.Items, QStringList{"Haus"});
    EXPECT_EQ(st.section("Haus").value("zins"), "5");
    EXPECT_EQ(st.section("Finanzrechner"), (Section{{"0", "Haus"}}));
    // A new name typed over the picked one is a new scenario.
    st.save(f, "Haus 2");
    EXPECT_EQ(f.Scenarios.Items, (QStringList{"Haus", "Haus 2"}));
    // "Löschen" with a name no entry has asks nothing and erases nothing.
    st.remove(f, "Wohnung");
    EXPECT_TRUE(st.dialogs.shown.isEmpty());
    EXPECT_EQ(f.Scenarios.Items.size(), 2);
}

TEST(Scenarios, AFileThatCannotBeWrittenLeavesTheNameUnlisted) {
    Store st;
    st.settings.commitFailure = "Die Einstellungen konnten nicht gespeichert werden";
    FinanceCalculator f = haus();
    EXPECT_EQ(st.save(f, "Haus").messages, QStringList{"Die Einstellungen konnten nicht gespeichert werden"});
    EXPECT_TRUE(f.Scenarios.Items.isEmpty());
    EXPECT_EQ(f.Scenarios.RememberedIndex[0], -1);
}

TEST(Scenarios, GridsKeepTheirRowsAndGapsAndOnlyATickedBoxStoresInterestChanges) {
    Store st;
    FinanceCalculator f = haus();
    f.Grid2.rows.resize(5);
    f.Grid2.rows[2] = {"15.01.2026", "3000"};
    f.Grid3.rows[0] = {"15.01.2027", "4"};
    st.save(f, "Lücke");
    const Section unticked = st.section("Lücke");
    EXPECT_EQ((QStringList{unticked.value("rws"), unticked.value("1"), unticked.value("2"), unticked.value("3")}),
              (QStringList{"6", "15.01.2025;5000", "", "15.01.2026;3000"}));
    EXPECT_FALSE(unticked.contains("rws2") || unticked.contains("1a"));

    f.vproz = true;
    st.save(f, "Lücke");
    EXPECT_EQ((QStringList{st.section("Lücke").value("rws2"), st.section("Lücke").value("1a")}),
              (QStringList{"4", "15.01.2027;4"}));

    // The row below the gap comes back too.
    FinanceCalculator g = st.restart();
    st.load(g, "Lücke");
    EXPECT_EQ(g.Grid2.RowCount(), 6);
    EXPECT_EQ((QStringList{g.Grid2.rows[1].date, g.Grid2.rows[2].value, g.Grid3.rows[0].value}),
              (QStringList{"", "3000", "4"}));
    EXPECT_TRUE(g.vproz);
    EXPECT_EQ(g.Edit2Hint, "Anfänglicher Nominalzins");
}

TEST(Scenarios, StoredRowCountsAreKeptWithinTheGridsLimits) {
    struct Case {
        const char* what;
        QString rws;
        QStringList keys;
        int rows;
    };
    const Case cases[] = {
        {"missing", "", {}, 3},
        {"below 2", "0", {}, 2},
        {"above 1000", "5000", {}, 1000},
        {"a higher key grows the grid", "3", {"7"}, 8},
        {"keys beyond the largest grid are dropped", "3", {"1000", "12x", "+2"}, 3},
    };
    for (const Case& c : cases) {
        Store st;
        MemorySettings& s = st.settings;
        s.writeString("Finanzrechner", "0", "Alt");
        s.writeString("Alt", "findex", "0");
        s.writeString("Alt", "zins", "6");
        s.writeString("Alt", "dl", "1000");
        if (!c.rws.isEmpty()) s.writeString("Alt", "rws", c.rws);
        for (const QString& key : c.keys) s.writeString("Alt", key, "01.02.2024;10");
        FinanceCalculator g = st.restart();
        st.load(g, "Alt");
        EXPECT_EQ(g.Grid2.RowCount(), c.rows) << c.what;
    }
}

TEST(Scenarios, StoredValuesAreConvertedBeforeAnythingChanges) {
    Store st;
    FinanceCalculator f = haus();
    st.save(f, "Haus");
    st.settings.writeString("Haus", "datum", "31.02.2024");
    FinanceCalculator g = st.restart();
    g.Edit1 = "12345";
    const FinanceReaction out = st.load(g, "Haus");
    EXPECT_EQ(out.messages, QStringList{"'31.02.2024' ist kein gültiges Datum"});
    EXPECT_EQ((QStringList{g.Edit1, g.Edit2, g.Edit13}), (QStringList{"12345", "", "30"}));

    // Any page index but 1 is the loan page.
    st.settings.writeString("Haus", "datum", "15.01.2024");
    st.settings.writeString("Haus", "findex", "7");
    g.ActivePage = FinancePage::Anlage;
    st.load(g, "Haus");
    EXPECT_EQ(g.ActivePage, FinancePage::Tilgung);
    EXPECT_EQ(g.Edit15, "719,07");
}

TEST(Scenarios, RoundTripsGiveTheSameOutputsOnBothPages) {
    struct Case {
        const char* what;
        std::function<FinanceCalculator()> make;
        std::function<QStringList(const FinanceCalculator&)> outputs;
    };
    auto loanWithBothGrids = [] {
        FinanceCalculator f = haus();
        f.vproz = true;
        f.Grid3.rows[0] = {"15.01.2027", "4,5"};
        return f;
    };
    auto yearlySavings = [] {
        FinanceCalculator f = savingsPlan();
        f.Zins1 = false;
        f.Zins2 = true;
        f.Edit23 = "0";
        f.Edit23Enabled = false;
        f.vproz2 = true;
        f.Grid4.rows[0] = {"15.01.2025", "2"};
        return f;
    };
    auto subsidised = [] {
        // A 0 % loan of 100 000 with a subsidy of 2 600 a year over 8 years.
        FinanceCalculator f = exampleLoan();
        f.Datum1 = QDate(2024, 1, 15);
        f.Edit2 = "0";
        f.BauFi = true;
        f.Edit7Enabled = true;
        f.Edit7 = "20.800,00";
        f.SubsidyPerYear = 2600;
        f.SubsidyTotal = 20800;
        f.Subsidy.SubsidyOldRules = 1;
        f.Subsidy.SubsidyChildren = 2;
        f.Subsidy.SubsidyIncomeText = "150000";
        return f;
    };
    const auto loanOut = [](const FinanceCalculator& f) { return loanOutputs(f) << f.Edit1 << f.Edit12; };
    const Case cases[] = {
        {"loan with both grids", loanWithBothGrids, loanOut},
        {"monthly savings with months", savingsPlan, savingsOutputs},
        {"yearly savings with interest changes", yearlySavings, savingsOutputs},
        {"loan with a subsidy", subsidised, loanOut},
    };
    for (const Case& c : cases) {
        Store st;
        FinanceCalculator f = c.make();
        // What "Berechnen" shows after loading: the payment searched again from an empty field.
        f.Edit12.clear();
        ASSERT_TRUE(f.Compute().message.isEmpty()) << c.what;
        st.save(f, "Plan");
        FinanceCalculator g = st.restart();
        // Status dates are no part of a scenario.
        g.Datum3 = f.Datum3;
        g.Datum6 = f.Datum6;
        EXPECT_TRUE(st.load(g, "Plan").messages.isEmpty()) << c.what;
        EXPECT_EQ(g.ActivePage, f.ActivePage) << c.what;
        EXPECT_EQ(c.outputs(g), c.outputs(f)) << c.what;
    }
    // The subsidised loan's payment.
    Store st;
    FinanceCalculator f = subsidised();
    st.save(f, "Förder");
    FinanceCalculator g = st.restart();
    st.load(g, "Förder");
    EXPECT_EQ(g.Edit12, "660,00");
}

TEST(Scenarios, ALoadedSubsidyHoldsWithoutTheSubsidyWindow) {
    Store st;
    FinanceCalculator f = exampleLoan();
    f.Edit2 = "0";
    f.BauFi = true;
    f.Edit7 = "20.800,00";
    f.SubsidyPerYear = 2600;
    f.SubsidyTotal = 1;  // a stale total: the subsidy field's text counts
    f.Subsidy.SubsidyOldRules = 1;
    f.Subsidy.SubsidyEco2 = 1;
    st.save(f, "Förder");
    EXPECT_EQ(st.section("Förder").value("jahressumme"), "2600");
    FinanceCalculator g = st.restart();
    g.Radio1 = false;
    g.Radio2 = true;
    g.Edit12 = "660";
    st.settings.writeString("Förder", "dl", "100.000,00");
    st.load(g, "Förder");
    EXPECT_TRUE(g.BauFi && g.Edit7Enabled && !g.Subsidy.Shown);
    EXPECT_EQ(g.Edit7, "20.800,00");
    EXPECT_EQ((std::pair{g.SubsidyTotal, g.SubsidyPerYear}), (std::pair{20800.0L, 2600.0L}));
    EXPECT_EQ((std::pair{g.Subsidy.SubsidyOldRules, g.Subsidy.SubsidyEco2}), (std::pair{1, 1}));
    // With "Darl." the emptied payment stops the computation; the loaded amount stays.
    EXPECT_EQ(g.Edit1, "100.000,00");
}

TEST(Scenarios, SavingsMonthsComeBackAndOlderFilesKeepTheField) {
    Store st;
    FinanceCalculator f = savingsPlan();
    st.save(f, "Sparen");
    EXPECT_EQ((QStringList{st.section("Sparen").value("lzt"), st.section("Sparen").value("laufzeitm")}),
              (QStringList{"2", "6"}));
    FinanceCalculator g = st.restart();
    g.Edit23 = "11";
    st.load(g, "Sparen");
    EXPECT_EQ(g.Edit23, "6");
    st.settings.sections["sparen"].remove("laufzeitm");
    g.Edit23 = "11";
    st.load(g, "Sparen");
    EXPECT_EQ(g.Edit23, "11");
}

TEST(Scenarios, DeletingLoadsTheEntryBeforeFromTheThirdOnAndResetsOtherwise) {
    for (int removed = 0; removed < 4; ++removed) {
        Store st;
        FinanceCalculator f = haus();
        const QStringList names{"A", "B", "C", "D"};
        for (const QString& name : names) {
            f.Edit2 = QString::number(names.indexOf(name) + 3);
            st.save(f, name);
        }
        st.remove(f, names[removed]);
        EXPECT_EQ(st.dialogs.shown, QStringList{"Eintrag löschen?"});
        EXPECT_FALSE(st.settings.sectionExists(names[removed]));
        EXPECT_EQ(f.Scenarios.Items.size(), 3);
        EXPECT_EQ(st.section("Finanzrechner").size(), 3);
        if (removed >= 2) {
            EXPECT_EQ((QStringList{f.ComboBox1, f.Edit2}),
                      (QStringList{names[removed - 1], QString::number(removed + 2)}));
        } else {
            EXPECT_EQ((QStringList{f.ComboBox1, f.Edit1, f.Edit2}), (QStringList{"", "", "0"})) << removed;
        }
    }
}

TEST(Scenarios, DeletingAsksAndNeverErasesTheProgramsOwnSections) {
    Store st;
    st.settings.writeString("Config", "Tape", "1");
    st.settings.writeString("Finanzrechner", "0", "Config");
    FinanceCalculator f = st.restart();
    st.dialogs.yesNo = {false, true};
    st.remove(f, "Config");
    EXPECT_EQ(f.Scenarios.Items, QStringList{"Config"});
    st.remove(f, "Config");
    EXPECT_TRUE(f.Scenarios.Items.isEmpty());
    EXPECT_EQ(st.settings.readString("Config", "Tape", ""), "1");
}

TEST(Scenarios, TheListSkipsNamesListedTwiceAndEndsAtTheFirstMissingKey) {
    Store st;
    for (const auto& [key, name] : {std::pair{"0", "Haus"}, {"1", "HAUS"}, {"2", "Sparen"}, {"4", "Nach der Lücke"}})
        st.settings.writeString("Finanzrechner", key, name);
    FinanceCalculator f = st.restart();
    EXPECT_EQ(f.Scenarios.Items, (QStringList{"Haus", "Sparen"}));
    f.Scenarios.FillList(st.settings);
    EXPECT_EQ(f.Scenarios.Items.size(), 2);
}

TEST(Scenarios, EachPageShowsTheEntryItHadWhenItWasLeft) {
    Store st;
    FinanceCalculator f = haus();
    st.save(f, "Haus");
    FinanceCalculator s = savingsPlan();
    s.Scenarios = f.Scenarios;
    st.save(s, "Sparen");
    f.Scenarios = s.Scenarios;
    f.ActivePage = FinancePage::Anlage;
    f.Scenarios.PageChange(FinancePage::Tilgung, f);
    EXPECT_EQ(f.ComboBox1, "Sparen");
    f.ComboBox1 = "neu";
    f.ActivePage = FinancePage::Tilgung;
    f.Scenarios.PageChange(FinancePage::Anlage, f);
    EXPECT_EQ(f.ComboBox1, "Haus");
    f.ActivePage = FinancePage::Anlage;
    f.Scenarios.PageChange(FinancePage::Tilgung, f);
    EXPECT_EQ(f.ComboBox1, "");
}

}  // namespace
