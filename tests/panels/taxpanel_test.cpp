#include "panelsfixture.h"

#include <cfloat>

namespace {
QString dashes(qsizetype n) { return QString(n, QChar(0x2014)); }
}  // namespace

TEST_F(PanelsTest, AResultShowsItsAmountsWithAndWithoutTax) {
    EXPECT_EQ(tax.Edit3, "19");
    EXPECT_EQ(tax.Edit2, "0,00");
    press("50+50=");
    EXPECT_EQ(tax.Edit2, "119,00");
    EXPECT_EQ(tax.Edit4, "84,03");
    EXPECT_EQ(tax.TaxAdded, 19);

    // A tax change shows the panel's amount at the new rate, whatever `WorkValue` holds now.
    tax.TaxRates[1] = "7";
    calc.WorkValue = 5;
    tax.SelectTax(1);
    EXPECT_EQ(tax.Edit3, "7");
    EXPECT_EQ(tax.Edit2, "107,00");

    // After an undo the amounts, the tax in them included, belong to the restored operand.
    tape.visible = false;
    tax.SelectTax(0);
    press("C 100+100=");
    EXPECT_EQ(tax.Edit2, "238,00");
    press("U");
    EXPECT_EQ(calc.Operand1Text, "100");
    EXPECT_EQ(tax.Edit2, "119,00");
    EXPECT_EQ(tax.TaxAdded, 19);
    EXPECT_EQ(tax.Edit4, "84,03");
}

TEST_F(PanelsTest, AmountsThatCannotBeShownLeaveTheFieldsEmpty) {
    const struct {
        const char* name;
        QString rate;
        long double amount;
    } cases[] = {
        {"rate -100", "-100", 100},
        {"amount beyond the arithmetic", "19", LDBL_MAX},
    };
    for (const auto& c : cases) {
        tax.TaxRates[0] = c.rate;
        tax.SelectTax(0);
        calc.WorkValue = c.amount;
        tax.RecomputeTax();
        EXPECT_EQ(tax.Edit2, "") << c.name;
        EXPECT_EQ(tax.Edit4, "") << c.name;
        calc.ActiveField = 3;
        calc.Operand1Text = "5";
        tape.lines.clear();
        tax.TakeOver();
        tax.WriteToTape();
        EXPECT_EQ(calc.Operand1Text, "5") << c.name;
        EXPECT_TRUE(tape.lines.empty()) << c.name;
    }
}

TEST_F(PanelsTest, TaxLinesOnTheTape) {
    // Each line with its typing: "8" regular size 8, "B" bold, right, Arial, size 10.
    auto described = [this] {
        QStringList out;
        for (const auto& l : tape.lines) {
            const bool record = l.bold && l.size == 10 && l.alignment == Tape::Alignment::Right && l.font == "Arial";
            out << (record ? "B " : !l.bold && l.size == 8 ? "8 " : "? ") + l.text;
        }
        return out;
    };
    const struct {
        const char* name;
        bool vst;
        int direction;
        QStringList lines;
    } cases[] = {
        {"NSt, €", false, 1, {"8 MwSt (19%) € 19,00 +", "B " + dashes(1), "B € 119,00 ST", "B next"}},
        {"NSt, no converter", false, 0, {"8 MwSt (19%)  19,00 +", "B " + dashes(1), "B  119,00 ST", "B next"}},
        {"VSt, €", true, 1, {"8 Enthalten 19% MwSt = € 15,97  -", "8 Betr. o. Steuer = € 84,03 ST", "B next"}},
        {"VSt, second direction",
         true,
         2,
         {"8 Enthalten 19% MwSt = DM 15,97  -", "8 Betr. o. Steuer = DM 84,03 ST", "B next"}},
    };
    calc.CurrencyCode = "DM";
    for (const auto& c : cases) {
        press("C 50+50=");
        tape.lines.clear();
        tape.SetAlignment(Tape::Alignment::Left);
        tape.SetFontName("Courier");
        tax.SelectMode(c.vst);
        converter.direction = c.direction;
        tax.WriteToTape();
        tape.AppendLine("next");  // typed with what the panel leaves behind
        EXPECT_EQ(described(), c.lines) << c.name;
        EXPECT_EQ(calc.WorkValue, 100) << c.name << ": the Tape lines leave the calculator alone";
    }
}

TEST_F(PanelsTest, TheRateFieldOwnsTheKeysAndStoresACommaRate) {
    press("50+50=");
    tax.Edit3Entered();
    EXPECT_EQ(calc.ActiveField, 4);
    EXPECT_EQ(calc.SavedActiveField, 3);
    tax.Edit3Changed("7.5");
    EXPECT_EQ(tax.Edit3, "7,5");
    tax.Edit3Left();
    EXPECT_EQ(tax.TaxRates, QStringList({"7,5", "19"}));
    EXPECT_EQ(calc.ActiveField, 3);

    tax.Edit3Entered();
    tax.Edit3Changed("abc");
    tax.Edit3Left();
    EXPECT_EQ(dialogs.last(), "'abc' ist kein gültiger Gleitkommawert");
    EXPECT_EQ(tax.TaxRates[0], "7,5");
    EXPECT_EQ(tax.Edit3, "7,5");

    // A rate that got into the list another way never stops "=".
    tax.Edit3 = "x";
    dialogs.shown.clear();
    press("C 2+2=");
    EXPECT_EQ(calc.Label1, "4");
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(tax.Edit2, "119,00");

    calc.ActiveField = 4;
    calc.SavedActiveField = 0;
    tax.Edit3Entered();
    tax.Edit3Left();
    EXPECT_EQ(calc.ActiveField, 1);
}

TEST_F(PanelsTest, TakeOverPutsTheChosenAmountIntoTheFirstField) {
    press("50+50");
    tax.RecomputeTax();
    tax.TakeOver();  // no result shown
    EXPECT_EQ(calc.Label1, "50");
    EXPECT_TRUE(dialogs.shown.isEmpty());

    press("=");
    dialogs.yesNo = {false};
    tax.TakeOver();
    EXPECT_EQ(dialogs.last(), "Ergebnis überschreiben?");
    EXPECT_EQ(calc.Label1, "100");

    tax.TakeOver();
    EXPECT_EQ(calc.Label1, "119,00");
    EXPECT_EQ(operand1(), 119);
    EXPECT_EQ(calc.EntryState, 1);
    tax.SelectMode(true);
    tax.TakeOver();
    EXPECT_EQ(calc.Label1, "84,03");
    EXPECT_EQ(calc.WorkValue, 100 * 100 / 119.0L);
}

TEST_F(PanelsTest, ListCommands) {
    dialogs.inputs = {QString("Umsatzsteuer")};
    tax.SelectTax(1);
    tax.EditEntry();
    EXPECT_EQ(tax.TaxNames, QStringList({"MwSt", "Umsatzsteuer"}));

    // New entries: a name and a rate; an empty or cancelled rate is "0,0", one that is not a
    // number is refused; an empty name is a cancel.
    const struct {
        std::optional<QString> name, rate;
        QString storedRate;
        QString lastShown;
    } entries[] = {
        {"Ermäßigt", "7", "7", "Steuernprozente für Ermäßigt: Bitte die Steuerprozente für Ermäßigt eingeben!"},
        {"Leer", "", "0,0", "Steuernprozente für Leer: Bitte die Steuerprozente für Leer eingeben!"},
        {"Abgebrochen", std::nullopt, "0,0",
         "Steuernprozente für Abgebrochen: Bitte die Steuerprozente für Abgebrochen eingeben!"},
        {"Falsch", "7.5", "0,0", "'7.5' ist kein gültiger Gleitkommawert"},
    };
    for (const auto& e : entries) {
        dialogs.inputs = {e.name, e.rate};
        const int beeps = beeper.beeps;
        tax.NewEntry();
        EXPECT_EQ(QStringList({tax.TaxNames.last(), tax.TaxRates.last(), tax.Edit3, dialogs.last()}),
                  QStringList({*e.name, e.storedRate, e.storedRate, e.lastShown}));
        EXPECT_EQ(tax.TaxRates.size(), tax.TaxNames.size());
        EXPECT_EQ(tax.TaxIndex, tax.TaxNames.size() - 1);
        EXPECT_EQ(beeper.beeps, beeps + 1);
    }
    for (const std::optional<QString>& name : {std::optional<QString>(""), std::optional<QString>()}) {
        dialogs.inputs = {name};
        tax.NewEntry();
        EXPECT_EQ(tax.TaxNames.size(), 6);
    }

    // Deleting the last entry selects the new last one; "Nein" keeps it.
    dialogs.yesNo = {false};
    tax.DeleteEntry();
    EXPECT_EQ(dialogs.last(), "Eintrag löschen (Falsch)");
    EXPECT_EQ(tax.TaxNames.size(), 6);
    tax.DeleteEntry();
    EXPECT_EQ(tax.TaxIndex, 4);
    EXPECT_EQ(tax.TaxNames.last(), "Abgebrochen");
    EXPECT_EQ(tax.TaxRates.size(), 5);

    // Deleting the only entry empties the panel; without a selection nothing is asked.
    tax.TaxNames = {"MwSt"};
    tax.TaxRates = {"19"};
    tax.SelectTax(0);
    tax.DeleteEntry();
    EXPECT_TRUE(tax.TaxNames.isEmpty() && tax.TaxRates.isEmpty() && tax.TaxIndex == -1);
    EXPECT_EQ(QStringList({tax.Edit3, tax.Edit4, tax.Edit2}), QStringList({"", "", ""}));
    dialogs.shown.clear();
    tax.EditEntry();
    tax.DeleteEntry();
    press("1+1=");
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(tax.Edit2, "");
}
