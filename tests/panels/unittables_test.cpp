// Every unit against its own definition, written here from published values rather than from the
// panel's constants, and converted through the panel there and back.
#include "unitpanelfixture.h"

#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

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
    {0, 0, "Meter", "  m", 1}, {0, 1, "Kilometer", " km", 1e3L}, {0, 2, "Centimeter", " cm", 1e-2L},
    {0, 3, "Millimeter", " mm", 1e-3L}, {0, 4, "Fuß", " ft", ft}, {0, 5, "Zoll", " in", ft / 12},
    {0, 6, "Yard", " yd", yd}, {0, 7, "Furlongs", " fl", mi / 8}, {0, 8, "Mile", " mi", mi},
    {0, 9, "US Mile", " usmi", usmi}, {0, 10, "Seemeilen", " smi", 1852},
    {0, 11, "Lichtjahre", " LJ", 299792458.0L * 86400 * 365.25L},
    {0, 12, "Parsecs", " pc", au * (180 * 3600) / pi}, {0, 13, "AE (Astron. Einh.)", " AE", au},

    {1, 0, "Gramm", "  g", 1}, {1, 1, "Kilogramm", " kg", 1e3L}, {1, 2, "Milligramm", " mg", 1e-3L},
    {1, 3, "Microgramm", " µg", 1e-6L}, {1, 4, "Tonne", "  t", 1e6L}, {1, 5, "Ton (long)", " lt", 1016046.9088L},
    {1, 6, "Ton (short)", " st", 907184.74L}, {1, 7, "Pound", "  lb", 7000 * 0.06479891L},
    {1, 8, "Ounces", " oz", 28.349523125L}, {1, 9, "Carat", " ct", 0.2L}, {1, 10, "Unze (De)", " uz", 30},
    {1, 11, "Zentner", "  z", 5e4L}, {1, 12, "Atomgew.", "  u", 1.66053906892e-24L},

    {2, 0, "Meter²", "  m²", 1}, {2, 1, "Centimeter²", " cm²", 1e-4L}, {2, 2, "Millimeter²", " mm²", 1e-6L},
    {2, 3, "Hektar", " ha", 1e4L}, {2, 4, "Kilometer²", " km²", 1e6L}, {2, 5, "Zoll²", "  in²", 6.4516e-4L},
    {2, 6, "Fuß²", " ft²", ft * ft}, {2, 7, "Yards²", " yd²", 0.83612736L}, {2, 8, "Meilen²", "  mi²", mi * mi},
    {2, 9, "Acres (UK)", " ac.", 4046.8564224L}, {2, 10, "Acres (US)", " usac", usmi * usmi / 640},
    {2, 11, "Ar", "  a", 100}, {2, 12, "Morgen", " mg", 2500},

    {3, 0, "Liter", "  l", 1}, {3, 1, "Centiliter", " cl", 1e-2L}, {3, 2, "Milliliter", " ml", 1e-3L},
    {3, 3, "Meter³", "  m³", 1e3L}, {3, 4, "Centimeter³", " cm³", 1e-3L},
    {3, 5, "Yards³", " yd³", 764.554857984L}, {3, 6, "Gallon (US)", " gal", gal},
    {3, 7, "Gallon (UK)", " guk", galUk}, {3, 8, "Ounces", " oz", 0.0295735295625L},
    {3, 9, "Ounces (UK)", " ozuk", 0.0284130625L}, {3, 10, "Pints", " pt", 16 * floz},
    {3, 11, "Quarts", " qt", 32 * floz}, {3, 12, "Teelöffel", " tl", 0.00492892159375L},
    {3, 13, "Eßlöffel", " el", 3 * 0.00492892159375L}, {3, 14, "Barrel (Öl)", " bl", 158.987294928L},

    {4, 0, "KMH", " km/h", 1}, {4, 1, "KM / Min", " km/m", 60}, {4, 2, "KM / s", " km/s", 3600},
    {4, 3, "m / h", " m/h", 1e-3L}, {4, 4, "m / min", " m/min", 0.06L}, {4, 5, "m / s", " m/s", 3.6L},
    {4, 6, "Feet / h", " f/h", 0.0003048L}, {4, 7, "Feet / min", " f /min", 0.018288L},
    {4, 8, "Feet / s", " f/s", 1.09728L}, {4, 9, "Meilen / St", " mph", 1.609344L},
    {4, 10, "Meilen / Min", " mpm", 96.56064L}, {4, 11, "Meilen / s", " mps", 5793.6384L},
    {4, 12, "Knoten", " kn", 1.852L}, {4, 13, "Mach (Schall)", " mach", 1224},
    {4, 14, "Lichtgeschw.", "  c", 1079252848.8L},

    {5, 0, "Watt", "  w", 1}, {5, 1, "Kilowatt (kW)", " kW", 1e3L}, {5, 2, "Megawatt", " MW", 1e6L},
    {5, 3, "PS", " PS", 735.49875L}, {5, 4, "HP", " HP", 550 * ft * lbf}, {5, 5, "Kalorien/s", " cal/s", 4.184L},
    {5, 6, "Kalorien/h", " cal/h", 4.184L / 3600}, {5, 7, "BTU/s", " BTU/s", btu},
    {5, 8, "lb-feet/s", " flb/s", 1.3558179483314004L},

    {6, 0, "Newton", "  N", 1}, {6, 1, "Kilonewton", " kN", 1e3L}, {6, 2, "Millinewton", " mN", 1e-3L},
    {6, 3, "Joules / m", " J/m", 1}, {6, 4, "Joules / cm", " J/cm", 100}, {6, 5, "Kilopond", " Kp", 9.80665L},
    {6, 6, "Pound Force", " lb", lbf}, {6, 7, "Dyn", " dyn", 1e-5L},

    {7, 0, "Joule", "  J", 1}, {7, 1, "Wattsekunde", " Ws", 1}, {7, 2, "Wattstunde", " Wh", 3600},
    {7, 3, "Kalorie", " cal", 4.184L}, {7, 4, "BTU", " Btu", btu}, {7, 5, "Kilowattst (kWh)", " kWh", 3.6e6L},
    {7, 6, "Elektronenvolt", " eV", eV}, {7, 7, "Giga el.volt", " GeV", 1e9L * eV}, {7, 8, "erg", " erg", 1e-7L},
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

TEST_F(UnitPanelTest, PagesCarryTheirCaptionsAndPresets) {
    const char* captions[] = {"Länge", "Gewicht", "Fläche", "Volumen", "Tempo", "Leistung", "Kraft", "Arbeit"};
    const int presets[][2] = {{0, 4}, {1, 7}, {0, 3}, {0, 6}, {0, 9}, {1, 3}, {0, 6}, {0, 4}};
    for (int page = 0; page < UnitPageCount; ++page) {
        SCOPED_TRACE(captions[page]);
        EXPECT_EQ(unitText(unitPageTable(page).caption), unitText(captions[page]));
        EXPECT_EQ(unitPageTable(page).presetSource, presets[page][0]);
        EXPECT_EQ(unitPageTable(page).presetTarget, presets[page][1]);
    }
}

TEST_F(UnitPanelTest, ExactRelationsComeOutExact) {
    struct Case {
        const char* name;
        int page, source, target;
        const char* shown;
    } cases[] = {
        {"Yard in Fuß", 0, 6, 4, "3"},
        {"Mile in Fuß", 0, 8, 4, "5280"},
        {"Pound in Ounces", 1, 7, 8, "16"},
        {"Gallon (UK) in Ounces (UK)", 3, 7, 9, "160"},
        {"KM / s in KMH", 4, 2, 0, "3600"},
        {"Kalorien/s in Kalorien/h", 5, 5, 6, "3600"},
        {"Kilowattst in Wattstunde", 7, 5, 2, "1000"},
        {"Newton in Joules / cm", 6, 0, 4, "0,01"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        calc.ClearFields();
        type(QStringLiteral("1"));
        convert(c.page, c.source, c.target);
        EXPECT_EQ(calc.Label3, QString::fromLatin1(c.shown));
    }
}

}  // namespace
