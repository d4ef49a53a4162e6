#include "financetestutil.h"

#include "support/memorytape.h"

#include <gtest/gtest.h>

namespace {

// The loan of the worked example from 15.01.2024, with its state on 15.01.2026.
FinanceCalculator exampleWithStatus() {
    FinanceCalculator f = exampleLoan();
    f.Datum1 = QDate(2024, 1, 15);
    f.Datum3 = QDate(2026, 1, 15);
    return f;
}

// Each line with "*" in front when it is bold.
QStringList weighted(const MemoryTape& tape) {
    QStringList out;
    for (const auto& line : tape.lines) out << (line.bold ? "*" : "") + line.text;
    return out;
}

TEST(FinanceReport, TheUnnamedLoanReportOfTheWorkedExample) {
    FinanceCalculator f = exampleWithStatus();
    MemoryTape tape;
    tape.visible = false;  // the report does not wait for the Tape to be shown
    EXPECT_TRUE(f.SpeedButton4Click(&tape).messages.isEmpty());
    const QStringList expected{"*Unbenannt",
                               "*",
                               "*Datum:  15.01.2024",
                               "*Darl.summe: 100.000,00",
                               "*Zinsen:  6 %",
                               "*Rate:  1.120,00",
                               "*",
                               "*Status jetzt: 15.01.2026",
                               "Jetzt Bezahlt: 15.767,81",
                               "Jetzt bezahlte Zinsen: 11.112,19",
                               "*",
                               "*Laufzeitende:",
                               "Laufzeit:  9 Jahre  11 Monate",
                               "Letzte Rate:  637,22",
                               "Datum l. Rate:  15.12.2033",
                               "*",
                               "*Am Ende der Laufz. gezahlt:",
                               "132.797,22",
                               "*Anteil der Zinsen:",
                               "32.797,22"};
    EXPECT_EQ(weighted(tape), expected);
}

TEST(FinanceReport, TheTapeGetsABlankLineOnlyAfterEarlierLines) {
    struct Case {
        const char* what;
        QStringList before;
        QStringList startsWith;
    };
    const Case cases[] = {
        {"empty", {}, {"Haus"}},
        {"one empty line is cleared", {""}, {"Haus"}},
        {"one comment is kept", {"Notiz"}, {"Notiz", "Haus"}},
        {"two lines", {"12 ^", "5 +"}, {"12 ^", "5 +", "", "Haus"}},
    };
    for (const Case& c : cases) {
        FinanceCalculator f = exampleWithStatus();
        f.ComboBox1 = " Haus ";
        MemoryTape tape;
        for (const QString& line : c.before) tape.AppendLine(line);
        f.SpeedButton4Click(&tape);
        EXPECT_EQ(tape.texts().mid(0, c.startsWith.size()), c.startsWith) << c.what;
        EXPECT_EQ(tape.texts().mid(c.startsWith.size(), 2), (QStringList{"", "Datum:  15.01.2024"})) << c.what;
    }
}

TEST(FinanceReport, ListsShowTheCompleteRowsAndInterestChangesOnlyWhileTicked) {
    FinanceCalculator f = exampleWithStatus();
    f.Grid2.rows = {{"15.01.2025", "5000"}, {"", "100"}, {"15.01.2026", "1000"}};
    f.Grid3.rows = {{"15.01.2027", "4,5"}, {"15.01.2028", ""}};
    MemoryTape unticked;
    f.SpeedButton4Click(&unticked);
    EXPECT_FALSE(unticked.texts().contains("Zinsänderungen:"));
    // Two complete rows: of rows 1 and 2 only the complete first one.
    const QStringList specials{"*", "*Sondertilgungen:", "15.01.2025:  5000", "*", "*Status jetzt: 15.01.2026"};
    EXPECT_EQ(weighted(unticked).mid(6, 5), specials);

    f.vproz = true;
    MemoryTape ticked;
    f.SpeedButton4Click(&ticked);
    EXPECT_EQ(weighted(ticked).mid(4, 5),
              (QStringList{"*Anf. Zinsen:  6 %", "*Rate:  " + f.Edit12, "*", "*Zinsänderungen:", "15.01.2027:  4,5"}));
}

TEST(FinanceReport, TheSavingsReport) {
    FinanceCalculator f = exampleLoan();
    f.ActivePage = FinancePage::Anlage;
    f.ComboBox1 = "Sparen";
    f.Edit16 = "1000";
    f.Edit17 = "3";
    f.Edit18 = "100";
    f.Edit19 = "2";
    f.Datum4 = QDate(2024, 1, 15);
    f.Datum6 = QDate(2025, 1, 15);
    f.Grid1.rows[0] = {"15.07.2024", "500"};
    MemoryTape tape;
    f.SpeedButton4Click(&tape);
    const QStringList expected{"*Sparen",
                               "*",
                               "*Datum:  15.01.2024",
                               "*Anfangskapital:  1000",
                               "*Zinsen:  3 %",
                               "*Monatl. Zuzahlung:  100",
                               "*",
                               "*Sonderzahlungen:",
                               "15.07.2024:  500",
                               "*",
                               "*Status jetzt: 15.01.2025",
                               f.Edit24,
                               "*",
                               "*Laufzeit:  2 Jahre",
                               "Datum Laufzeitende:  15.01.2026",
                               "*",
                               "*Endbetrag:  " + f.Edit21};
    EXPECT_EQ(weighted(tape), expected);
    EXPECT_FALSE(f.Edit24.isEmpty() || f.Edit21.isEmpty());
}

TEST(FinanceReport, AFailedComputationWritesNothing) {
    struct Case {
        const char* what;
        void (*spoil)(FinanceCalculator&);
    };
    const Case cases[] = {
        {"no interest", [](FinanceCalculator& f) { f.Edit2.clear(); }},
        {"a bad date in a list",
         [](FinanceCalculator& f) {
             f.Grid2.rows[0] = {"32.13.2024", "100"};
         }},
        {"no adjustment and a payment too low",
         [](FinanceCalculator& f) {
             f.Radio1 = false;
             f.Edit12 = "10";
         }},
    };
    for (const Case& c : cases) {
        FinanceCalculator f = exampleWithStatus();
        c.spoil(f);
        MemoryTape tape;
        tape.AppendLine("12 ^");
        EXPECT_EQ(f.SpeedButton4Click(&tape).messages.size(), 1) << c.what;
        EXPECT_EQ(tape.texts(), QStringList{"12 ^"}) << c.what;
    }
    // Without a Tape the page is still computed.
    FinanceCalculator f = exampleWithStatus();
    f.SpeedButton4Click(nullptr);
    EXPECT_EQ(f.Edit12, "1.120,00");
}

}  // namespace
