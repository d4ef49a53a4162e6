// The rate dialog over a converter on its first-run list: choosing, editing with pasted German
// and point numbers, taking a rate over, the refusals, and a list that changes while it is open.
#include "converterfixture.h"
#include "currency/ratedialog.h"

namespace {

struct RateDialogTest : ConverterTest {
    RateDialog dialog{conv, dialogs};
    RateDialogTest() { dialog.Open(); }

    void edit(int index, const QString& pasted) {
        dialog.ChooseCurrency(index);
        dialog.EditRate();
        dialog.RateEdited(pasted);
    }
};

}  // namespace

TEST_F(RateDialogTest, OpensWithTheConvertersNamesAndNothingChosen) {
    conv.SelectCurrency(3);
    dialog.Open();
    EXPECT_EQ(dialog.Names, conv.Names);
    EXPECT_EQ(dialog.ChosenIndex, -1);
    EXPECT_TRUE(dialog.Edit1.isEmpty() && dialog.Edit1ReadOnly && !dialog.SpeedButton2Enabled);

    edit(4, "1.6");
    dialog.ChooseCurrency(5);  // another currency ends the editing
    EXPECT_EQ(dialog.Edit1, "121.882");
    EXPECT_TRUE(dialog.Edit1ReadOnly && !dialog.SpeedButton2Enabled);
}

TEST_F(RateDialogTest, PastedRatesBecomePointNumbers) {
    calc.ApplyDisplaySettings(1, 2, 1, 0);  // the display format that drops thousands points
    const struct {
        const char* pasted;
        const char* stored;
        bool takeOverEnabled;
    } cases[] = {
        {"1.234,5678", "1234.5678", true}, {"1,4567", "1.4567", true}, {"1.4567", "1.4567", true},
        {"0,9781 CHF", "0.9781", true},    {"abc", "", false},         {"-2", "-2", true},
    };
    for (const auto& c : cases) {
        edit(3, QString::fromUtf8(c.pasted));
        EXPECT_EQ(dialog.Edit1, c.stored) << c.pasted;
        EXPECT_EQ(dialog.SpeedButton2Enabled, c.takeOverEnabled) << c.pasted;
        EXPECT_FALSE(dialog.Edit1ReadOnly) << c.pasted;
    }
}

TEST_F(RateDialogTest, TakingOverRefreshesTheConverterAsAfterASelection) {
    conv.SetDirectionKey(2);
    conv.SelectCurrency(1);
    conv.Edit2 = "100";
    edit(1, "2");
    EXPECT_TRUE(dialog.FocusRate);
    EXPECT_TRUE(dialog.TakeOver());
    EXPECT_EQ(conv.Rates[1], "2");
    EXPECT_EQ(conv.Edit4, "2");
    EXPECT_EQ(conv.Edit3, "200,00");
    EXPECT_EQ(calc.CurrencyCode, "DM");
    EXPECT_TRUE(dialog.Edit1ReadOnly && !dialog.SpeedButton2Enabled);
    EXPECT_EQ(dialog.Edit1, "2");
    EXPECT_TRUE(dialogs.shown.isEmpty());

    edit(3, "1,0856");  // another entry than the converter's own
    EXPECT_TRUE(dialog.TakeOver());
    EXPECT_EQ(conv.Rates[3], "1.0856");
    EXPECT_EQ(conv.SelectedIndex, 1);
    EXPECT_EQ(conv.Label3, "DM, De. Mark");
}

TEST_F(RateDialogTest, RefusalsLeaveTheListAsItWas) {
    const QStringList rates = conv.Rates;
    const struct {
        const char* name;
        int index;
        const char* rate;
        QString message;
    } cases[] = {
        {"nothing chosen", -1, "2", RateDialog::NoCurrencyMessage},
        {"zero", 3, "0", CurrencyConverter::RateAboveZeroMessage},
        {"below zero", 3, "-1,5", CurrencyConverter::RateAboveZeroMessage},
        {"not a number", 3, "1.2.3", CurrencyConverter::RateAboveZeroMessage},
        {"the base currency", 0, "2", RateDialog::BaseRateMessage},
    };
    for (const auto& c : cases) {
        dialogs.shown.clear();
        dialog.Open();
        dialog.ChooseCurrency(c.index);
        dialog.EditRate();
        dialog.RateEdited(QString::fromUtf8(c.rate));
        EXPECT_FALSE(dialog.TakeOver()) << c.name;
        EXPECT_EQ(dialogs.last(), c.message) << c.name;
        EXPECT_EQ(conv.Rates, rates) << c.name;
    }
}

TEST_F(RateDialogTest, TheListFollowsTheConverterByName) {
    conv.SelectCurrency(2);
    edit(4, "1,5");  // CHF
    dialogs.yesNo = {true};
    conv.PressDeleteEntry();  // FRF goes: CHF moves up to 3
    dialog.RefreshFromConverter();
    EXPECT_EQ(dialog.Names, conv.Names);
    EXPECT_EQ(dialog.ChosenIndex, 3);
    EXPECT_EQ(dialog.Edit1, "1.5") << "the typed rate stays";
    EXPECT_TRUE(dialog.TakeOver());
    EXPECT_EQ(conv.Rates[3], "1.5");
    EXPECT_EQ(conv.Names[3], "CHF,Schw. Fr.");
    EXPECT_EQ(conv.Rates[2], "1.612") << "the dollar keeps its rate";

    // Without a refresh in between, "Übernehmen" still finds the currency by its name.
    edit(5, "120");  // PLZ
    conv.SelectCurrency(4);
    dialogs.yesNo = {true};
    conv.PressDeleteEntry();  // Kr goes
    EXPECT_TRUE(dialog.TakeOver());
    EXPECT_EQ(conv.Rates[4], "120");
    EXPECT_EQ(conv.Names[4], "PLZ, Pol. Zl.");

    dialog.ChooseCurrency(4);
    conv.Rates[4] = "3.7";  // replaced from outside
    dialog.RefreshFromConverter();
    EXPECT_EQ(dialog.Edit1, "3.7");
    dialogs.yesNo = {true};
    conv.SelectCurrency(4);
    conv.PressDeleteEntry();
    dialog.RefreshFromConverter();
    EXPECT_EQ(dialog.ChosenIndex, -1) << "a deleted currency is no longer chosen";
    EXPECT_TRUE(dialog.Edit1.isEmpty());
}
