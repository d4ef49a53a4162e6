// Adding, editing and deleting currencies: the refusals with their messages, and what a saved
// entry changes.
#include "converterfixture.h"

using Focus = CurrencyConverter::FocusTarget;

TEST_F(ConverterTest, ANewEntryIsRefusedUntilNameAndRateAreUsable) {
    const struct {
        const char* name;
        QString entryName, rate, message;
        Focus focus;
    } cases[] = {
        {"no name", "", "160", CurrencyConverter::BothFieldsMessage, Focus::Edit1},
        {"no rate", "¥,Yen", "", CurrencyConverter::BothFieldsMessage, Focus::Edit4},
        {"no comma", "Yen", "160", CurrencyConverter::AbbreviationMessage, Focus::Edit1},
        {"empty abbreviation", ",Yen", "160", CurrencyConverter::AbbreviationMessage, Focus::Edit1},
        {"zero rate", "¥,Yen", "0", CurrencyConverter::RateAboveZeroMessage, Focus::Edit4},
        {"unreadable rate", "¥,Yen", "1.6.0", CurrencyConverter::RateAboveZeroMessage, Focus::Edit4},
    };
    for (const auto& c : cases) {
        ConverterRig t;
        t.conv.PressNewEntry();
        t.conv.EntryNameEdited(c.entryName);
        t.conv.RateTextEdited(c.rate);
        t.conv.EntryFieldEnter();
        EXPECT_EQ(t.dialogs.shown, QStringList{c.message}) << c.name;
        EXPECT_EQ(t.conv.Focus, c.focus) << c.name;
        EXPECT_EQ(t.conv.ListEditMode, 1) << c.name;
        EXPECT_TRUE(t.conv.SpeedButton2Down) << c.name;
        EXPECT_EQ(t.conv.Names.size(), 7) << c.name;
    }
}

TEST_F(ConverterTest, AddingAnEntrySelectsAndConvertsIt) {
    calc.ActiveField = 2;
    conv.PressNewEntry();
    EXPECT_EQ(calc.ActiveField, 4);
    EXPECT_TRUE(conv.EntryEditorShown && !conv.Edit4ReadOnly && !conv.SpeedButton4Enabled);
    EXPECT_EQ((QStringList{conv.Label1, conv.Label2, conv.SpeedButton2Hint, conv.SpeedButton3Hint}),
              (QStringList{"Neue W.", "Neuer Kurs", "Neuen Eintrag speichern", "Abbrechen"}));

    conv.EntryNameEdited("¥, Yen");
    conv.RateTextEdited("160.5");
    conv.PressNewEntry();
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.last().toStdString();
    EXPECT_EQ(conv.SelectedIndex, 7);
    EXPECT_EQ((QStringList{conv.Names.last(), conv.Rates.last(), conv.Label3, conv.Edit4, conv.Edit2, conv.Label1,
                           conv.SpeedButton2Hint}),
              (QStringList{"¥, Yen", "160.5", "¥, Yen", "160.5", "0,01", "Währung", "Neuer Eintrag"}));
    EXPECT_FALSE(conv.EntryEditorShown);
    EXPECT_EQ(conv.ListEditMode, 0);
    EXPECT_EQ(calc.ActiveField, 2);
}

TEST_F(ConverterTest, RateTextsKeepALonePointAsDecimalPoint) {
    calc.ApplyDisplaySettings(1, 2, 1, 0);  // the display format that drops thousands points
    conv.PressEditEntry();
    for (const auto& [typed, stored] : {std::pair{"1.5", "1.5"}, {"1.234,5678", "1234.5678"}, {"2,5 €", "2.5"}}) {
        conv.RateTextEdited(typed);
        EXPECT_EQ(conv.Edit4, stored) << typed;
    }
}

TEST_F(ConverterTest, EditingEntryZeroRenamesTheBaseCurrencyAndKeepsItsRate) {
    conv.SelectCurrency(0);
    conv.PressEditEntry();
    EXPECT_EQ(conv.Label1, "W.ng bearb.");
    EXPECT_EQ(conv.Edit1, "€,Euro");
    EXPECT_TRUE(conv.Edit4ReadOnly && !conv.SpeedButton2Enabled);
    conv.RateTextEdited("7");
    conv.EntryNameEdited("EUR,Euro");
    conv.PressEditEntry();
    EXPECT_EQ((QStringList{conv.Names[0], conv.Rates[0], calc.SecondCurrencyCode, conv.Label6, conv.Label3}),
              (QStringList{"EUR,Euro", "1.0", "EUR", "EUR,Euro", "EUR,Euro"}));
    EXPECT_EQ(conv.ListEditMode, 0);
    EXPECT_EQ(calc.ActiveField, 1);  // the keys are the calculator's again
}

TEST_F(ConverterTest, DeletingAsksExceptForTheBaseCurrency) {
    conv.SelectCurrency(0);
    conv.PressDeleteEntry();
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(conv.Names.size(), 7);

    conv.SelectCurrency(3);
    dialogs.yesNo = {false, true};
    conv.PressDeleteEntry();
    EXPECT_EQ(conv.Names.size(), 7);
    conv.PressDeleteEntry();
    EXPECT_EQ(dialogs.shown, QStringList(2, "Eintrag löschen?"));
    EXPECT_EQ(conv.Names.size(), 6);
    EXPECT_EQ(conv.Rates.size(), 6);
    EXPECT_EQ(conv.SelectedIndex, 2);
    EXPECT_EQ((QStringList{conv.Names[3], conv.Label3, conv.Edit4}),
              (QStringList{"CHF,Schw. Fr.", "FRF, Fr. Franc", "6.55957"}));
}

TEST_F(ConverterTest, EscCancelsAddingAndEditing) {
    for (int mode : {1, 2}) {
        ConverterRig t;
        if (mode == 1) t.conv.PressNewEntry();
        else t.conv.PressEditEntry();
        t.conv.EntryNameEdited("X,Y");
        t.conv.EntryFieldEscape();
        EXPECT_EQ(t.conv.ListEditMode, 0) << mode;
        EXPECT_EQ(t.conv.Names, CurrencyConverter(t.calc, t.dialogs).Names) << mode;
        EXPECT_EQ(t.conv.Edit4, "1.95583") << mode;
        EXPECT_EQ(t.conv.Label1, "Währung") << mode;
        EXPECT_EQ(t.calc.ActiveField, 1) << mode;
    }
}
