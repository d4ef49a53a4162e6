// The tax and unit panels' keys read from and written to the settings file.
#include "panelsfixture.h"

#include "core/inifile.h"
#include "panels/taxsettings.h"
#include "panels/unitpanel.h"
#include "panels/unitsettings.h"

namespace {

IniFile config(const char* lines) { return IniFile::parse(QByteArray("[Config]\r\n") + lines); }

class PanelSettingsTest : public PanelsTest {
protected:
    TaxSettings taxSettings{tax};
};

TEST_F(PanelSettingsTest, TaxNamesAndRatesArePairedAndATaxIsAlwaysSelected) {
    const struct {
        const char* name;
        const char* lines;
        bool firstRun;
        QStringList names, rates;
        int index;
        bool vst;
    } cases[] = {
        {"first run: built-in names", "", true, {"MwSt", "Ust"}, {"19", "19"}, 0, false},
        {"missing keys take the defaults", "", false, {"MwSt", "USt"}, {"19", "19"}, 0, false},
        {"a third rate is dropped",
         "Steuern=19,16,7\r\nSteuerListe=MwSt,USt\r\nSteuerIndex=1\r\n",
         false,
         {"MwSt", "USt"},
         {"19", "16"},
         1,
         false},
        {"three names and one rate keep the first name",
         "Steuern=7\r\nSteuerListe=A,B,C\r\n",
         false,
         {"A"},
         {"7"},
         0,
         false},
        {"an index beyond the list selects the first",
         "SteuerIndex=5\r\nVST=1\r\n",
         false,
         {"MwSt", "USt"},
         {"19", "19"},
         0,
         true},
        {"no selection stored selects the first", "SteuerIndex=-1\r\n", false, {"MwSt", "USt"}, {"19", "19"}, 0, false},
        {"quoted rates and names",
         "Steuern=\"7,5\",19\r\nSteuerListe=\"Mw St\",USt\r\n",
         false,
         {"Mw St", "USt"},
         {"7,5", "19"},
         0,
         false},
    };
    for (const auto& c : cases) {
        TaxPanel fresh{calc, dialogs};
        TaxSettings settings{fresh};
        settings.load(config(c.lines), c.firstRun);
        EXPECT_EQ(fresh.TaxNames, c.names) << c.name;
        EXPECT_EQ(fresh.TaxRates, c.rates) << c.name;
        EXPECT_EQ(fresh.TaxIndex, c.index) << c.name;
        EXPECT_EQ(fresh.VST, c.vst) << c.name;
    }
}

TEST_F(PanelSettingsTest, ATaxListWithADecimalCommaSurvivesARestart) {
    tax.TaxNames = {"Mw St", "ermäßigt"};
    tax.TaxRates = {"19", "7,5"};
    tax.TaxIndex = 1;
    tax.VST = true;
    IniFile ini;
    taxSettings.save(ini);
    EXPECT_EQ(ini.readString(u"Config", u"Steuern", {}), "19,\"7,5\"");
    EXPECT_EQ(ini.readString(u"Config", u"SteuerListe", {}), "\"Mw St\",ermäßigt");

    TaxPanel restarted{calc, dialogs};
    TaxSettings{restarted}.load(IniFile::parse(ini.serialize()), false);
    EXPECT_EQ(restarted.TaxNames, tax.TaxNames);
    EXPECT_EQ(restarted.TaxRates, tax.TaxRates);
    EXPECT_EQ(restarted.TaxIndex, 1);
    EXPECT_TRUE(restarted.VST);
}

TEST_F(PanelSettingsTest, UnitPageAndUnitsComeBackAndAPageBeyondTheLastIsTheFirst) {
    const struct {
        const char* name;
        const char* lines;
        bool firstRun;
        int page, source, target;
    } cases[] = {
        {"first run", "tab=3\r\ncIndex1=2\r\n", true, 0, 0, 0},
        {"stored", "tab=3\r\ncIndex1=2\r\ncIndex2=5\r\n", false, 3, 2, 5},
        {"a byte: 257 is page 1", "tab=257\r\n", false, 1, 0, 0},
        {"no page 9", "tab=9\r\ncIndex1=4\r\n", false, 0, 4, 0},
        {"not a number", "tab=x\r\ncIndex2=$A\r\n", false, 0, 0, 10},
    };
    for (const auto& c : cases) {
        UnitPanel units{calc, dialogs};
        UnitSettings settings{units};
        settings.load(config(c.lines), c.firstRun);
        EXPECT_EQ(QList<int>({units.UnitPage, units.UnitSourceIndex, units.UnitTargetIndex}),
                  QList<int>({c.page, c.source, c.target}))
            << c.name;
        IniFile written;
        settings.save(written);
        EXPECT_EQ(written.readInteger(u"Config", u"tab", -1), c.page) << c.name;
        EXPECT_EQ(written.readInteger(u"Config", u"cIndex2", -1), c.target) << c.name;
    }
}

}  // namespace
