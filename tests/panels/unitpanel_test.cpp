#include "core/calculator.h"
#include "core/numtext.h"
#include "panels/unitpanel.h"
#include "support/memorytape.h"
#include "support/qtprinters.h"
#include "support/scripteddialogs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

// Forwards the calculator's side-panel hooks to the unit panel.
class UnitHooks : public SidePanelHooks {
public:
    explicit UnitHooks(UnitPanel& panel) : panel_(panel) {}
    bool unitConversionPending() const override { return panel_.unitConversionPending(); }
    void recomputeUnitConversion() override { panel_.recomputeUnitConversion(); }
    void dropUnitConversion() override { panel_.dropUnitConversion(); }

private:
    UnitPanel& panel_;
};

class UnitPanelTest : public ::testing::Test {
protected:
    UnitPanelTest() {
        calc.ApplyDisplaySettings(3, 0, 1, 0);
        calc.setSidePanelHooks(&hooks);
    }

    void type(const QString& digits) {
        for (QChar c : digits) calc.EnterDigit(c == u',' ? QChar(u'.') : c);
    }
    // The user picks both units on a page and presses its arrow.
    void convert(int page, int source, int target) {
        panel.ShowPage(page);
        panel.SourceSelection[page] = source;
        panel.TargetSelection[page] = target;
        panel.ConvertClicked();
    }
    QStringList display() const { return {calc.Label4, calc.Label1, calc.Label2, calc.Label3}; }

    ScriptedDialogs dialogs;
    MemoryTape tape;
    Calculator calc{dialogs, &tape};
    UnitPanel panel{calc, dialogs};
    UnitHooks hooks{panel};
};

TEST_F(UnitPanelTest, ConvertsTheFirstOperandIntoTheSecondFieldWithBothMarks) {
    struct Case {
        const char* name;
        const char* typed;
        int page, source, target;
        QStringList display;  // Label4, Label1, Label2, Label3
    } cases[] = {
        {"Kilometer to Meter", "1", 0, 1, 0, {" km", "1", "  m", "1000"}},
        {"KMH to Meilen / St", "100", 4, 0, 9, {" km/h", "100", " mph", "62,1371192237334"}},
        {"a unit into itself", "123,456", 3, 8, 8, {" oz", "123,456", " oz", "123,456"}},
        {"an empty first operand as 0", "", 5, 2, 0, {" MW", "", "  w", "0"}},
        {"Giga el.volt to erg", "2", 7, 7, 8, {" GeV", "2", " erg", "0,003204353268"}},
        // Exact relations stay exact.
        {"Yard in Fuß", "1", 0, 6, 4, {" yd", "1", " ft", "3"}},
        {"Mile in Fuß", "1", 0, 8, 4, {" mi", "1", " ft", "5280"}},
        {"Pound in Ounces", "1", 1, 7, 8, {"  lb", "1", " oz", "16"}},
        {"Gallon (UK) in Ounces (UK)", "1", 3, 7, 9, {" guk", "1", " ozuk", "160"}},
        {"KM / s in KMH", "1", 4, 2, 0, {" km/s", "1", " km/h", "3600"}},
        {"Kalorien/s in Kalorien/h", "1", 5, 5, 6, {" cal/s", "1", " cal/h", "3600"}},
        {"Kilowattst in Wattstunde", "1", 7, 5, 2, {" kWh", "1", " Wh", "1000"}},
        {"Newton in Joules / cm", "1", 6, 0, 4, {"  N", "1", " J/cm", "0,01"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        calc.ClearFields();
        type(QString::fromLatin1(c.typed));
        convert(c.page, c.source, c.target);
        EXPECT_EQ(display(), c.display);
        EXPECT_EQ(calc.Operand2Text, numtext::str(numtext::valValue(calc.Operand2Text)));
        // A function result awaiting "=".
        EXPECT_EQ((std::array{calc.ActiveField, calc.OperatorClass, calc.EntryState}), (std::array{1, 2, 0}));
        EXPECT_TRUE(panel.UnitConversionPending);
        EXPECT_EQ((std::array{panel.UnitPage, panel.UnitSourceIndex, panel.UnitTargetIndex}),
                  (std::array{c.page, c.source, c.target}));
    }
}

TEST_F(UnitPanelTest, EqualsWritesTheConversionAndTakesItOver) {
    type(QStringLiteral("1000"));
    convert(4, 0, 9);
    calc.PressEquals();
    EXPECT_EQ(tape.texts(), (QStringList{QStringLiteral("1000 km/h"), QStringLiteral("=  621,371192237334 mph")}));
    EXPECT_EQ(display(), (QStringList{QStringLiteral("="), QStringLiteral("621,371192237334"), QString(), QString()}));
    EXPECT_EQ(calc.ActiveField, 3);
    EXPECT_FALSE(panel.UnitConversionPending);
}

TEST_F(UnitPanelTest, FollowsTheFirstOperandWithoutUndoSnapshotsUntilDropped) {
    tape.visible = false;
    type(QStringLiteral("1"));
    convert(0, 1, 0);
    type(QStringLiteral("0"));
    EXPECT_EQ(
        display(),
        (QStringList{QStringLiteral(" km"), QStringLiteral("10"), QStringLiteral("  m"), QStringLiteral("10000")}));
    calc.SpinValue = 2;
    calc.SetNumberFormat(1);
    calc.SetDecimals(3);
    EXPECT_EQ(calc.Label3, QStringLiteral("10.000,000"));
    calc.SetNumberFormat(3);

    // "Rückgängig" returns to the state before the user's conversion, not to a re-run's.
    calc.Undo();
    EXPECT_EQ(calc.Label1, QStringLiteral("1"));
    EXPECT_EQ(calc.Label3, QString());

    convert(0, 1, 0);
    calc.ClearFields();
    EXPECT_FALSE(panel.UnitConversionPending);
    type(QStringLiteral("5"));
    EXPECT_EQ(calc.Label3, QString());
}

TEST_F(UnitPanelTest, EveryUserConversionLeavesTheCurrencyFormatAndCodeCommandsConvertNothing) {
    struct Case {
        const char* name;
        void (*act)(UnitPanel&);
        bool converts;
        int format;
    } cases[] = {
        {"arrow of the volume page",
         [](UnitPanel& p) {
             p.ShowPage(3);
             p.ConvertClicked();
         },
         true, 3},
        {"source list", [](UnitPanel& p) { p.SourceChosen(2); }, true, 3},
        {"target list", [](UnitPanel& p) { p.TargetChosen(5); }, true, 3},
        {"another tab", [](UnitPanel& p) { p.PageTabPressed(6); }, true, 3},
        {"the shown tab", [](UnitPanel& p) { p.PageTabPressed(0); }, false, 3},
        {"opening", [](UnitPanel& p) { p.OpenPanel(); }, false, 2},
        {"showing a page", [](UnitPanel& p) { p.ShowPage(5); }, false, 2},
        {"colour flip", [](UnitPanel& p) { p.FlipPageAndBack(); }, false, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        calc.ClearFields();
        calc.SetNumberFormat(2);
        panel.ShowPage(0);
        type(QStringLiteral("3"));
        c.act(panel);
        EXPECT_EQ(panel.UnitConversionPending, c.converts);
        EXPECT_EQ(calc.Label3.isEmpty(), !c.converts);
        EXPECT_EQ(calc.NumberFormat, c.format);
        EXPECT_FALSE(calc.Label3.contains(u'€')) << calc.Label3.toStdString();
    }
}

TEST_F(UnitPanelTest, OpeningAndTheColourFlipShowTheRememberedUnitsWithoutConverting) {
    struct Case {
        const char* name;
        int page, source, target;
        int shownPage, shownSource, shownTarget;
    } cases[] = {
        {"first run", 0, 0, 0, 0, 0, 0},
        {"Tempo, KMH to Knoten", 4, 0, 12, 4, 0, 12},
        {"last page", 7, 8, 7, 7, 8, 7},
        {"units beyond the page fall back to its presets", 6, 8, -1, 6, 0, 6},
        {"a page beyond the panel falls back to page 0", 9, 2, 3, 0, 0, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (auto command : {&UnitPanel::OpenPanel, &UnitPanel::FlipPageAndBack}) {
            panel.UnitPage = c.page;
            panel.UnitSourceIndex = c.source;
            panel.UnitTargetIndex = c.target;
            panel.ActivePage = c.shownPage;
            (panel.*command)();
            EXPECT_EQ((std::array{panel.ActivePage, panel.SourceSelection[panel.ActivePage],
                                  panel.TargetSelection[panel.ActivePage]}),
                      (std::array{c.shownPage, c.shownSource, c.shownTarget}));
            EXPECT_EQ((std::array{panel.UnitPage, panel.UnitSourceIndex, panel.UnitTargetIndex}),
                      (std::array{c.page, c.source, c.target}));
            EXPECT_FALSE(panel.UnitConversionPending);
            EXPECT_EQ(calc.Label3, QString());
        }
    }
    // Another page shows its presets, whatever was chosen there before.
    panel.UnitPage = 4;
    panel.SourceSelection[1] = 12;
    panel.ShowPage(1);
    EXPECT_EQ((std::array{panel.SourceSelection[1], panel.TargetSelection[1]}), (std::array{1, 7}));
}

TEST_F(UnitPanelTest, AResultBeyondTheArithmeticChangesNothing) {
    type(QStringLiteral("2"));
    convert(0, 0, 4);
    tape.visible = false;
    calc.Operand1Text = QStringLiteral("1E4930");
    const CalculatorSlot snapshot = calc.Slots[0];
    convert(0, 11, 0);
    EXPECT_EQ(dialogs.shown, QStringList{QStringLiteral("Zahl zu hoch, Vorgang abgebrochen!")});
    EXPECT_EQ(calc.Label3, QStringLiteral("6,56167979002625"));
    EXPECT_EQ(calc.Slots[0].Operand1Text, snapshot.Operand1Text);
    EXPECT_EQ((std::array{panel.UnitPage, panel.UnitSourceIndex, panel.UnitTargetIndex}), (std::array{0, 0, 4}));
}

TEST_F(UnitPanelTest, AConversionTakesTheSecondFieldFromAWaitingTrigonometryResult) {
    type(QStringLiteral("1"));
    calc.PanelFunction = 1;
    convert(0, 1, 0);
    EXPECT_EQ(calc.PanelFunction, 0);
    calc.PressEquals();
    EXPECT_EQ(tape.texts(), (QStringList{QStringLiteral("1 km"), QStringLiteral("=  1000  m")}));
}

// Every unit against its own definition, written here from published values rather than from the
// panel's constants, and converted through the panel there and back.
constexpr long double ft = 0.3048L, yd = 0.9144L, mi = 1609.344L, usmi = 6336000.0L / 3937;
constexpr long double lb = 453.59237L, gal = 3.785411784L, galUk = 4.54609L, floz = gal / 128;
constexpr long double lbf = 4.4482216152605L, btu = 1054.3502644888889L, eV = 1.602176634e-19L;
constexpr long double au = 149597870700.0L, pi = std::numbers::pi_v<long double>;

struct Row {
    int page, index;
    const char* name;
    const char* mark;
    long double size;  // in the page's first unit
};

const Row kUnits[] = {
    {0, 0, "Meter", "  m", 1},
    {0, 1, "Kilometer", " km", 1e3L},
    {0, 2, "Centimeter", " cm", 1e-2L},
    {0, 3, "Millimeter", " mm", 1e-3L},
    {0, 4, "Fuß", " ft", ft},
    {0, 5, "Zoll", " in", ft / 12},
    {0, 6, "Yard", " yd", yd},
    {0, 7, "Furlongs", " fl", mi / 8},
    {0, 8, "Mile", " mi", mi},
    {0, 9, "US Mile", " usmi", usmi},
    {0, 10, "Seemeilen", " smi", 1852},
    {0, 11, "Lichtjahre", " LJ", 299792458.0L * 86400 * 365.25L},
    {0, 12, "Parsecs", " pc", au*(180 * 3600) / pi},
    {0, 13, "AE (Astron. Einh.)", " AE", au},

    {1, 0, "Gramm", "  g", 1},
    {1, 1, "Kilogramm", " kg", 1e3L},
    {1, 2, "Milligramm", " mg", 1e-3L},
    {1, 3, "Microgramm", " µg", 1e-6L},
    {1, 4, "Tonne", "  t", 1e6L},
    {1, 5, "Ton (long)", " lt", 1016046.9088L},
    {1, 6, "Ton (short)", " st", 907184.74L},
    {1, 7, "Pound", "  lb", 7000 * 0.06479891L},
    {1, 8, "Ounces", " oz", 28.349523125L},
    {1, 9, "Carat", " ct", 0.2L},
    {1, 10, "Unze (De)", " uz", 30},
    {1, 11, "Zentner", "  z", 5e4L},
    {1, 12, "Atomgew.", "  u", 1.66053906892e-24L},

    {2, 0, "Meter²", "  m²", 1},
    {2, 1, "Centimeter²", " cm²", 1e-4L},
    {2, 2, "Millimeter²", " mm²", 1e-6L},
    {2, 3, "Hektar", " ha", 1e4L},
    {2, 4, "Kilometer²", " km²", 1e6L},
    {2, 5, "Zoll²", "  in²", 6.4516e-4L},
    {2, 6, "Fuß²", " ft²", ft* ft},
    {2, 7, "Yards²", " yd²", 0.83612736L},
    {2, 8, "Meilen²", "  mi²", mi* mi},
    {2, 9, "Acres (UK)", " ac.", 4046.8564224L},
    {2, 10, "Acres (US)", " usac", usmi* usmi / 640},
    {2, 11, "Ar", "  a", 100},
    {2, 12, "Morgen", " mg", 2500},

    {3, 0, "Liter", "  l", 1},
    {3, 1, "Centiliter", " cl", 1e-2L},
    {3, 2, "Milliliter", " ml", 1e-3L},
    {3, 3, "Meter³", "  m³", 1e3L},
    {3, 4, "Centimeter³", " cm³", 1e-3L},
    {3, 5, "Yards³", " yd³", 764.554857984L},
    {3, 6, "Gallon (US)", " gal", gal},
    {3, 7, "Gallon (UK)", " guk", galUk},
    {3, 8, "Ounces", " oz", 0.0295735295625L},
    {3, 9, "Ounces (UK)", " ozuk", 0.0284130625L},
    {3, 10, "Pints", " pt", 16 * floz},
    {3, 11, "Quarts", " qt", 32 * floz},
    {3, 12, "Teelöffel", " tl", 0.00492892159375L},
    {3, 13, "Eßlöffel", " el", 3 * 0.00492892159375L},
    {3, 14, "Barrel (Öl)", " bl", 158.987294928L},

    {4, 0, "KMH", " km/h", 1},
    {4, 1, "KM / Min", " km/m", 60},
    {4, 2, "KM / s", " km/s", 3600},
    {4, 3, "m / h", " m/h", 1e-3L},
    {4, 4, "m / min", " m/min", 0.06L},
    {4, 5, "m / s", " m/s", 3.6L},
    {4, 6, "Feet / h", " f/h", 0.0003048L},
    {4, 7, "Feet / min", " f /min", 0.018288L},
    {4, 8, "Feet / s", " f/s", 1.09728L},
    {4, 9, "Meilen / St", " mph", 1.609344L},
    {4, 10, "Meilen / Min", " mpm", 96.56064L},
    {4, 11, "Meilen / s", " mps", 5793.6384L},
    {4, 12, "Knoten", " kn", 1.852L},
    {4, 13, "Mach (Schall)", " mach", 1224},
    {4, 14, "Lichtgeschw.", "  c", 1079252848.8L},

    {5, 0, "Watt", "  w", 1},
    {5, 1, "Kilowatt (kW)", " kW", 1e3L},
    {5, 2, "Megawatt", " MW", 1e6L},
    {5, 3, "PS", " PS", 735.49875L},
    {5, 4, "HP", " HP", 550 * ft* lbf},
    {5, 5, "Kalorien/s", " cal/s", 4.184L},
    {5, 6, "Kalorien/h", " cal/h", 4.184L / 3600},
    {5, 7, "BTU/s", " BTU/s", btu},
    {5, 8, "lb-feet/s", " flb/s", 1.3558179483314004L},

    {6, 0, "Newton", "  N", 1},
    {6, 1, "Kilonewton", " kN", 1e3L},
    {6, 2, "Millinewton", " mN", 1e-3L},
    {6, 3, "Joules / m", " J/m", 1},
    {6, 4, "Joules / cm", " J/cm", 100},
    {6, 5, "Kilopond", " Kp", 9.80665L},
    {6, 6, "Pound Force", " lb", lbf},
    {6, 7, "Dyn", " dyn", 1e-5L},

    {7, 0, "Joule", "  J", 1},
    {7, 1, "Wattsekunde", " Ws", 1},
    {7, 2, "Wattstunde", " Wh", 3600},
    {7, 3, "Kalorie", " cal", 4.184L},
    {7, 4, "BTU", " Btu", btu},
    {7, 5, "Kilowattst (kWh)", " kWh", 3.6e6L},
    {7, 6, "Elektronenvolt", " eV", eV},
    {7, 7, "Giga el.volt", " GeV", 1e9L * eV},
    {7, 8, "erg", " erg", 1e-7L},
};

QString fullPrecision(long double v) {
    char text[64];
    std::snprintf(text, sizeof text, "%.21Lg", v);
    return QString::fromLatin1(text);
}

TEST_F(UnitPanelTest, EveryUnitMatchesItsDefinitionAndConvertsThereAndBack) {
    ASSERT_EQ(std::size(kUnits), 96u);
    int counted = 0;
    for (int page = 0; page < UnitPageCount; ++page) counted += static_cast<int>(unitPageTable(page).units.size());
    EXPECT_EQ(counted, 96);
    for (const Row& row : kUnits) {
        SCOPED_TRACE(row.name);
        const UnitDefinition& unit = unitPageTable(row.page).units[static_cast<std::size_t>(row.index)];
        EXPECT_EQ(unitText(unit.sourceName), unitText(row.name));
        if (row.page != 7 || row.index != 7) {
            EXPECT_EQ(unitText(unit.targetName), unitText(row.name));
        }
        EXPECT_EQ(unitText(unit.mark), unitText(row.mark));

        calc.ClearFields();
        calc.Operand1Text = QStringLiteral("1");
        convert(row.page, row.index, 0);
        EXPECT_LT(std::fabs(calc.WorkValue / row.size - 1), 1e-15L) << fullPrecision(calc.WorkValue).toStdString();
        calc.Operand1Text = fullPrecision(calc.WorkValue);
        convert(row.page, 0, row.index);
        EXPECT_EQ(calc.Label3, QStringLiteral("1"));
    }
    EXPECT_EQ(unitText(unitPageTable(7).units[7].targetName), QStringLiteral("Giga el. volt"));
}

}  // namespace
