#include "financetestutil.h"

#include "finance/settingssource.h"
#include "support/rownames.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using rownames::operator<<;

const QString kTooHigh = "Einkommen zu hoch!";

// The loan of the subsidy examples: from 15.01.2024 at 6 % over at most 10 years, the payment searched.
struct SubsidyLoan {
    FinanceCalculator f;
    MemorySettings settings;
    SubsidyCalculator& s = f.Subsidy;

    // Ticks the subsidy box with `loan` and shows the window with the regime up to 31.12.2005, 2 children and
    // an income of 150 000.
    explicit SubsidyLoan(const QString& loan, bool oldRules = true) {
        f = exampleLoan();
        f.setToday(QDate(2024, 1, 15));
        f.Edit1 = loan;
        s.SubsidyOldRules = oldRules ? 1 : 0;
        s.SubsidyChildren = 2;
        s.SubsidyIncomeText = "150000";
        f.BauFi = true;
        const FinanceReaction ticked = f.BauFiClick();
        EXPECT_TRUE(ticked.showSubsidy && ticked.messages.isEmpty());
        shown = s.Show(f, settings).messages;
    }
    QStringList amounts() const { return {s.Edit12, s.Edit2}; }
    QStringList shown;
};

// No children, and an income within the limit of 140 000 for the married.
void noChildren(SubsidyLoan& l) {
    l.s.Kinder = 0;
    l.s.Edit1 = "100000";
}

// Name, change after showing (nullptr: none), annual and total shown, messages.
struct AmountRow {
    const char* name;
    std::function<FinanceReaction(SubsidyLoan&)> change;
    const char* loan;
    QStringList amounts, messages;
};

const AmountRow kAmountRows[] = {
    {"200 000", nullptr, "200000", {"2.850,00", "22.800,00"}, {}},
    {"1 % of 100 000", nullptr, "100000", {"2.600,00", "20.800,00"}, {}},
    {"capped at the loan", nullptr, "10000", {"1.250,00", "10.000,00"}, {}},
    {"capped with cents", nullptr, "10001", {"1.250,13", "10.001,00"}, {}},
    {"income at the limit",
     [](SubsidyLoan& l) {
         l.s.Edit1 = "200000";
         return l.s.FieldEdited("200000", l.f);
     },
     "200000",
     {"2.850,00", "22.800,00"},
     {}},
    {"income above the limit",
     [](SubsidyLoan& l) {
         l.s.Edit1 = "200001";
         return l.s.FieldEdited("200001", l.f);
     },
     "200000",
     {"0,00", "0,00"},
     {kTooHigh}},
    {"single at the limit",
     [](SubsidyLoan& l) {
         l.s.Kinder = 0;
         l.s.Ledig = true;
         l.s.Edit1 = "70000";
         return l.s.MaritalClick(l.f);
     },
     "200000",
     {"1.250,00", "10.000,00"},
     {}},
    {"single above",
     [](SubsidyLoan& l) {
         l.s.Kinder = 0;
         l.s.Ledig = true;
         l.s.Edit1 = "70001";
         return l.s.MaritalClick(l.f);
     },
     "200000",
     {"0,00", "0,00"},
     {kTooHigh}},
    {"single, one child",
     [](SubsidyLoan& l) {
         l.s.Kinder = 1;
         l.s.Ledig = true;
         l.s.Edit1 = "100000";
         return l.s.MaritalClick(l.f);
     },
     "200000",
     {"2.050,00", "16.400,00"},
     {}},
    {"eco bonuses",
     [](SubsidyLoan& l) {
         noChildren(l);
         l.s.Edit5 = "256";
         l.s.Edit11 = "400";
         l.s.Oeko = l.s.Oeko2 = true;
         return l.s.OekoClick(l.f);
     },
     "200000",
     {"1.906,00", "15.248,00"},
     {}},
    {"eco bonus 1 is for new buildings",
     [](SubsidyLoan& l) {
         noChildren(l);
         l.s.Edit5 = "256";
         l.s.Edit11 = "400";
         l.s.Oeko = l.s.Oeko2 = true;
         l.s.OekoClick(l.f);
         return l.s.AltbauClick(l.f);
     },
     "200000",
     {"1.650,00", "13.200,00"},
     {}},
    {"1 % rounds half to even, down",
     [](SubsidyLoan& l) {
         noChildren(l);
         return l.s.KinderChange(l.f);
     },
     "112450",
     {"1.124,00", "8.992,00"},
     {}},
    {"1 % rounds half to even, up",
     [](SubsidyLoan& l) {
         noChildren(l);
         return l.s.KinderChange(l.f);
     },
     "112550",
     {"1.126,00", "9.008,00"},
     {}},
    {"1 % just below 125 000",
     [](SubsidyLoan& l) {
         noChildren(l);
         return l.s.KinderChange(l.f);
     },
     "124999",
     {"1.250,00", "10.000,00"},
     {}},
    {"negative children count as none",
     [](SubsidyLoan& l) {
         noChildren(l);
         l.s.Kinder = -3;
         return l.s.KinderChange(l.f);
     },
     "200000",
     {"1.250,00", "10.000,00"},
     {}},
    {"duration 0",
     [](SubsidyLoan& l) {
         l.s.Edit10 = "0";
         return l.s.FieldEdited("0", l.f);
     },
     "200000",
     {"2.850,00", "  0,00"},
     {}},
    {"negative duration",
     [](SubsidyLoan& l) {
         l.s.Edit10 = "-8";
         return l.s.FieldEdited("-8", l.f);
     },
     "200000",
     {"  0,00", "  0,00"},
     {}},
    {"negative parameter",
     [](SubsidyLoan& l) {
         l.s.Edit6 = "-800";
         return l.s.FieldEdited("-800", l.f);
     },
     "200000",
     {"  0,00", "  0,00"},
     {}},
    {"negative loan", nullptr, "-1000", {"  0,00", "  0,00"}, {}},
    // A field being typed into does nothing until it holds a number; a wrong one leaves every amount.
    {"typing a sign",
     [](SubsidyLoan& l) {
         l.s.Edit1 = "-";
         return l.s.FieldEdited("-", l.f);
     },
     "200000",
     {"2.850,00", "22.800,00"},
     {}},
    {"not a number",
     [](SubsidyLoan& l) {
         l.s.Edit3 = "x";
         return l.s.NeubauClick(l.f);
     },
     "200000",
     {"2.850,00", "22.800,00"},
     {"'x' ist kein gültiger Gleitkommawert"}},
    {"duration not an integer",
     [](SubsidyLoan& l) {
         l.s.Edit10 = "8,5";
         return l.s.FieldEdited("8,5", l.f);
     },
     "200000",
     {"2.850,00", "22.800,00"},
     {"'8,5' ist kein gültiger Integerwert"}},
};

using AmountTable = rownames::Table<AmountRow>;

TEST_P(AmountTable, AmountsFromTheLegalTable) {
    const auto& [name, change, loan, amounts, messages] = GetParam();
    SubsidyLoan l(loan);
    EXPECT_TRUE(l.shown.isEmpty()) << name;
    const long double perYear = l.f.SubsidyPerYear;
    const QStringList got = change ? change(l).messages : QStringList();
    EXPECT_EQ(l.amounts(), amounts) << name;
    EXPECT_EQ(got, messages) << name;
    if (messages == QStringList{kTooHigh}) {
        EXPECT_EQ((std::pair{l.f.SubsidyPerYear, l.f.SubsidyTotal}), (std::pair{0.0L, 0.0L})) << name;
        EXPECT_FALSE(l.f.BauFi || l.f.Edit7Enabled) << name;
    }
    if (messages.size() == 1 && messages[0].contains("gültig")) {
        EXPECT_EQ(l.f.SubsidyPerYear, perYear) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Subsidy, AmountTable, ::testing::ValuesIn(kAmountRows), rownames::ByName());

const QString kOnePercent =
    "Bei einer Darlehenssumme von 100000 Euro\nwurde die jährliche Neubauzulage als: 1000 Euro "
    "berechnet (1%)\nUm die volle Zulage zu bekommen muss die Darlehenssumme 125.000,- Euro überschreiten";

struct OkRow {
    const char* name;
    const char* loan;
    std::function<void(SubsidyLoan&)> change;
    QStringList messages;
    QStringList loanPage;
};  // Edit7, payment, years, months, last payment

const OkRow kOkRows[] = {
    {"200 000", "200000", nullptr, {}, {"22.800,00", "2.020,00", "10", "0", "1.214,80"}},
    {"100 000", "100000", nullptr, {kOnePercent}, {"20.800,00", "930,00", "9", "11", "696,38"}},
    {"1 % of an existing building",
     "100000",
     [](SubsidyLoan& l) {
         noChildren(l);
         l.s.AltbauClick(l.f);
     },
     {QString(kOnePercent).replace("Neubau", "Altbau")},
     {"8.000,00", nullptr, nullptr, nullptr, nullptr}},
    {"capped",
     "10000",
     nullptr,
     {"Bei einer Darlehenssumme von 10000 Euro\nwurde die jährliche Neubauzulage als: 100 Euro berechnet (1%)\nUm die "
      "volle Zulage zu bekommen muss die Darlehenssumme 125.000,- Euro überschreiten\nDie Höhe der Förderung darf "
      "nicht "
      "die Höhe des Darlehens überschreiten\nSie wurde deshalb auf 1.250,00 beschränkt"},
     {"10.000,00", nullptr, nullptr, nullptr, nullptr}},
    {"full building amount from 125 000",
     "125000",
     [](SubsidyLoan& l) { noChildren(l); },
     {},
     {"10.000,00", nullptr, nullptr, nullptr, nullptr}},
    // Too high an income drops the subsidy; OK shows that once more but no 1 % message, and computes once.
    {"income too high",
     "100000",
     [](SubsidyLoan& l) { l.s.Edit1 = "200001"; },
     {kTooHigh},
     {"", "1.120,00", "9", "11", "637,22"}},
    {"duration 0", "200000", [](SubsidyLoan& l) { l.s.Edit10 = "0"; }, {}, {"", "2.230,00", nullptr, nullptr, nullptr}},
};

using OkTable = rownames::Table<OkRow>;

TEST_P(OkTable, OkHandsTheSubsidyToTheLoan) {
    const OkRow& c = GetParam();
    SubsidyLoan l(c.loan);
    if (c.change) c.change(l);
    const FinanceReaction ok = l.s.OKBtnClick(l.f, l.settings);
    EXPECT_EQ(ok.messages, c.messages) << c.name;
    EXPECT_TRUE(ok.closeSubsidy && !l.s.Shown) << c.name;
    const QStringList page{l.f.Edit7, l.f.Edit12, l.f.Edit3, l.f.Edit8, l.f.Edit15};
    for (int i = 0; i < 5; ++i)
        if (!c.loanPage[i].isNull()) {
            EXPECT_EQ(page[i], c.loanPage[i]) << c.name << ", field " << i;
        }
    // A subsidy keeps the box ticked and the field enabled; none unticks it.
    EXPECT_EQ(l.f.BauFi, !l.f.Edit7.isEmpty()) << c.name;
    EXPECT_EQ(l.f.Edit7Enabled, l.f.BauFi) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Subsidy, OkTable, ::testing::ValuesIn(kOkRows), rownames::ByName());

TEST(Subsidy, StatusOfTheMarchDeductionCountsTheSubsidy) {
    SubsidyLoan l("100000");
    l.f.Datum3 = QDate(2025, 3, 15);
    l.s.OKBtnClick(l.f, l.settings);
    EXPECT_EQ(l.f.Edit4, "3.072,61");
}

TEST(Subsidy, RegimesLoadFromTheirSectionsAndKeepTheirFields) {
    SubsidyLoan l("200000", false);
    // The newer regime's amounts are all 0: no income is low enough.
    EXPECT_EQ((QStringList{l.s.Edit3, l.s.Edit6, l.s.Edit7, l.s.Edit8, l.s.Edit9, l.s.Edit10}), QStringList(6, "0"));
    EXPECT_EQ(l.shown, QStringList{kTooHigh});
    EXPECT_EQ(l.settings.readString("FoerderAlt", "Grenze_V", ""), "140000");
    EXPECT_EQ(l.s.TotalCaption, "Gesamt- Förderbetrag in 0 Jahren:");
    // Filled with the old amounts, the newer regime knows no 1 % rule and caps without a word.
    l.s.Edit3 = "1250";
    l.s.Edit6 = "800";
    l.s.Edit8 = "140000";
    l.s.Edit9 = "30000";
    l.s.Edit10 = "8";
    l.f.FinanceAmount = 100000;
    EXPECT_TRUE(l.s.FieldEdited("8", l.f).messages.isEmpty());
    EXPECT_EQ(l.amounts(), (QStringList{"2.850,00", "22.800,00"}));
    l.f.FinanceAmount = 10000;
    l.s.ComputeSubsidy(l.f);
    EXPECT_EQ(l.amounts(), (QStringList{"1.250,00", "10.000,00"}));
    EXPECT_TRUE(l.s.OKBtnClick(l.f, l.settings).messages.isEmpty());
    // Closing stored the fields in the newer regime's section; switching writes the regime left first.
    EXPECT_EQ(l.settings.readString("FoerderNeu", "Neubauzl", ""), "1250");
    l.s.Show(l.f, l.settings);
    l.s.Edit4 = "999";
    l.s.Alt = true;
    l.s.RegimeClick(l.f, l.settings);
    EXPECT_EQ((QStringList{l.s.Edit4, l.settings.readString("FoerderNeu", "Altbauzl", "")}),
              (QStringList{"1250", "999"}));
    EXPECT_EQ(l.s.SubsidyOldRules, 1);
    // At shutdown an open window writes its fields too.
    l.s.Edit4 = "1300";
    l.s.Shutdown(l.settings);
    EXPECT_EQ(l.settings.readString("FoerderAlt", "Altbauzl", ""), "1300");
}

TEST(Subsidy, RemembersChoicesUntilANewCalculation) {
    SubsidyLoan l("200000");
    l.s.Ledig = true;
    l.s.Kinder = 1;
    l.s.Edit1 = "90000";
    l.s.Oeko2 = true;
    l.s.AltbauClick(l.f);
    l.s.OKBtnClick(l.f, l.settings);
    const auto remembered = [&] {
        return std::tuple{l.s.SubsidyBuildingType, l.s.SubsidySingle,   l.s.SubsidyEco1,
                          l.s.SubsidyEco2,         l.s.SubsidyChildren, l.s.SubsidyIncomeText};
    };
    EXPECT_EQ(remembered(), std::tuple(1, 1, 0, 1, 1, QString("90000")));
    l.s.Show(l.f, l.settings);
    EXPECT_TRUE(l.s.Altbau && l.s.Ledig && l.s.Oeko2 && !l.s.Oeko && !l.s.OekoEnabled && l.s.Kinder == 1);
    l.s.CancelBtnClick(l.f, l.settings);
    EXPECT_TRUE(!l.f.BauFi && l.f.Edit7.isEmpty() && l.f.SubsidyTotal == 0);
    l.f.SpeedButton5Click();
    EXPECT_EQ(remembered(), std::tuple(0, 0, 0, 0, 0, QString()));
}

}  // namespace
