// The function panel's saved terms in the settings file.
#include "panelrouter.h"

#include "core/inifile.h"
#include "functions/functionsettings.h"

#include <gtest/gtest.h>

namespace {

TEST(FunctionSettings, TermsLoadUpToTheFirstGapAndAreWrittenWithoutIt) {
    PanelRouter r;
    FunctionSettings settings{r.panel};
    settings.load(IniFile::parse("[Config]\r\nFunktionsIndex=1\r\n[Terms]\r\n0=x^2\r\n1=a*x+b\r\n3=lost\r\n"
                                 "[Konstant]\r\n1=2;3;\r\n3=9;9;9\r\n"),
                  false);
    EXPECT_EQ(r.panel.SavedTerms, QStringList({"x^2", "a*x+b"}));
    EXPECT_EQ(r.panel.SavedConstants, QStringList({";;", "2;3;"}));
    EXPECT_EQ(r.panel.FunktionsIndex, 1);
    EXPECT_EQ(r.panel.CurrentFormula, "a*x+b");

    r.panel.SavedConstants.removeLast();  // shorter than the terms: padded with "no constants"
    IniFile ini = IniFile::parse("[Terms]\r\n0=x^2\r\n3=lost\r\n[Konstant]\r\n3=9;9;9\r\n[Terms]\r\n7=old\r\n");
    settings.save(ini);
    EXPECT_EQ(ini.serialize(),
              "[Config]\r\nFunktionsIndex=1\r\n[Terms]\r\n0=x^2\r\n1=a*x+b\r\n"
              "[Konstant]\r\n0=;;\r\n1=;;\r\n");
}

TEST(FunctionSettings, WithoutTermsTheBuiltInTermsStayAndNothingIsSelected) {
    const struct {
        const char* name;
        const char* file;
        bool firstRun;
        int index;
    } cases[] = {
        {"first run", "[Terms]\r\n0=x\r\n", true, -1},
        {"no section", "[Config]\r\nFunktionsIndex=2\r\n", false, -1},
    };
    for (const auto& c : cases) {
        PanelRouter r;
        const QStringList builtIn = r.panel.SavedTerms;
        FunctionSettings{r.panel}.load(IniFile::parse(c.file), c.firstRun);
        EXPECT_EQ(r.panel.SavedTerms, builtIn) << c.name;
        EXPECT_EQ(r.panel.FunktionsIndex, c.index) << c.name;
    }
    PanelRouter r;
    r.panel.FunktionsIndex = 7;  // beyond the list
    IniFile ini;
    FunctionSettings{r.panel}.save(ini);
    EXPECT_EQ(ini.readInteger(u"Config", u"FunktionsIndex", 0), -1);
}

}  // namespace
