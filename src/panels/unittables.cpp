// Sizes are the units' legal or conventional definitions, so that exact relations (3 feet to the
// yard, 3600 km/h to the km/s) come out exact in extended precision instead of carrying the
// rounding of printed factors.
#include "unittables.h"

#include <array>
#include <numbers>

namespace {

// Lengths in metres.
constexpr long double kInch = 0.0254L;
constexpr long double kFoot = 12 * kInch;
constexpr long double kYard = 3 * kFoot;
constexpr long double kMile = 1760 * kYard;
constexpr long double kSurveyFoot = 1200.0L / 3937.0L;
constexpr long double kAstronomicalUnit = 149597870700.0L;
// Masses in grams; forces in newtons.
constexpr long double kPound = 453.59237L;
constexpr long double kStandardGravity = 9.80665L;
constexpr long double kPoundForce = kPound / 1000 * kStandardGravity;
// Volumes in litres.
constexpr long double kGallonUs = 231 * kInch * kInch * kInch * 1000;
constexpr long double kGallonUk = 4.54609L;
constexpr long double kFluidOunceUs = kGallonUs / 128;
// Energies in joules: the thermochemical calorie and the BTU built on it (1 lb of water by 1 °F).
constexpr long double kCalorie = 4.184L;
constexpr long double kBtu = kCalorie * kPound * 5 / 9;
constexpr long double kElectronvolt = 1.602176634e-19L;

constexpr std::array<UnitDefinition, 14> kLength{{
    {"Meter", "Meter", 1, "  m"},
    {"Kilometer", "Kilometer", 1000, " km"},
    {"Centimeter", "Centimeter", 0.01L, " cm"},
    {"Millimeter", "Millimeter", 0.001L, " mm"},
    {"Fuß", "Fuß", kFoot, " ft"},
    {"Zoll", "Zoll", kInch, " in"},
    {"Yard", "Yard", kYard, " yd"},
    {"Furlongs", "Furlongs", 220 * kYard, " fl"},
    {"Mile", "Mile", kMile, " mi"},
    {"US Mile", "US Mile", 5280 * kSurveyFoot, " usmi"},
    {"Seemeilen", "Seemeilen", 1852, " smi"},
    {"Lichtjahre", "Lichtjahre", 9460730472580800.0L, " LJ"},
    {"Parsecs", "Parsecs", 648000 / std::numbers::pi_v<long double>* kAstronomicalUnit, " pc"},
    {"AE (Astron. Einh.)", "AE (Astron. Einh.)", kAstronomicalUnit, " AE"},
}};

constexpr std::array<UnitDefinition, 13> kWeight{{
    {"Gramm", "Gramm", 1, "  g"},
    {"Kilogramm", "Kilogramm", 1000, " kg"},
    {"Milligramm", "Milligramm", 0.001L, " mg"},
    {"Microgramm", "Microgramm", 1e-6L, " µg"},
    {"Tonne", "Tonne", 1e6L, "  t"},
    {"Ton (long)", "Ton (long)", 2240 * kPound, " lt"},
    {"Ton (short)", "Ton (short)", 2000 * kPound, " st"},
    {"Pound", "Pound", kPound, "  lb"},
    {"Ounces", "Ounces", kPound / 16, " oz"},
    {"Carat", "Carat", 0.2L, " ct"},
    {"Unze (De)", "Unze (De)", 30, " uz"},
    {"Zentner", "Zentner", 50000, "  z"},
    {"Atomgew.", "Atomgew.", 1.66053906892e-24L, "  u"},
}};

constexpr std::array<UnitDefinition, 13> kArea{{
    {"Meter²", "Meter²", 1, "  m²"},
    {"Centimeter²", "Centimeter²", 1e-4L, " cm²"},
    {"Millimeter²", "Millimeter²", 1e-6L, " mm²"},
    {"Hektar", "Hektar", 10000, " ha"},
    {"Kilometer²", "Kilometer²", 1e6L, " km²"},
    {"Zoll²", "Zoll²", kInch* kInch, "  in²"},
    {"Fuß²", "Fuß²", kFoot* kFoot, " ft²"},
    {"Yards²", "Yards²", kYard* kYard, " yd²"},
    {"Meilen²", "Meilen²", kMile* kMile, "  mi²"},
    {"Acres (UK)", "Acres (UK)", 4840 * kYard* kYard, " ac."},
    {"Acres (US)", "Acres (US)", 43560 * kSurveyFoot* kSurveyFoot, " usac"},
    {"Ar", "Ar", 100, "  a"},
    {"Morgen", "Morgen", 2500, " mg"},
}};

constexpr std::array<UnitDefinition, 15> kVolume{{
    {"Liter", "Liter", 1, "  l"},
    {"Centiliter", "Centiliter", 0.01L, " cl"},
    {"Milliliter", "Milliliter", 0.001L, " ml"},
    {"Meter³", "Meter³", 1000, "  m³"},
    {"Centimeter³", "Centimeter³", 0.001L, " cm³"},
    {"Yards³", "Yards³", kYard* kYard* kYard * 1000, " yd³"},
    {"Gallon (US)", "Gallon (US)", kGallonUs, " gal"},
    {"Gallon (UK)", "Gallon (UK)", kGallonUk, " guk"},
    {"Ounces", "Ounces", kFluidOunceUs, " oz"},
    {"Ounces (UK)", "Ounces (UK)", kGallonUk / 160, " ozuk"},
    {"Pints", "Pints", kGallonUs / 8, " pt"},
    {"Quarts", "Quarts", kGallonUs / 4, " qt"},
    {"Teelöffel", "Teelöffel", kFluidOunceUs / 6, " tl"},
    {"Eßlöffel", "Eßlöffel", kFluidOunceUs / 2, " el"},
    {"Barrel (Öl)", "Barrel (Öl)", 42 * kGallonUs, " bl"},
}};

// Speeds in km/h.
constexpr std::array<UnitDefinition, 15> kSpeed{{
    {"KMH", "KMH", 1, " km/h"},
    {"KM / Min", "KM / Min", 60, " km/m"},
    {"KM / s", "KM / s", 3600, " km/s"},
    {"m / h", "m / h", 0.001L, " m/h"},
    {"m / min", "m / min", 0.06L, " m/min"},
    {"m / s", "m / s", 3.6L, " m/s"},
    {"Feet / h", "Feet / h", kFoot / 1000, " f/h"},
    {"Feet / min", "Feet / min", kFoot * 60 / 1000, " f /min"},
    {"Feet / s", "Feet / s", kFoot * 3600 / 1000, " f/s"},
    {"Meilen / St", "Meilen / St", kMile / 1000, " mph"},
    {"Meilen / Min", "Meilen / Min", kMile * 60 / 1000, " mpm"},
    {"Meilen / s", "Meilen / s", kMile * 3600 / 1000, " mps"},
    {"Knoten", "Knoten", 1.852L, " kn"},
    {"Mach (Schall)", "Mach (Schall)", 1224, " mach"},
    {"Lichtgeschw.", "Lichtgeschw.", 299792458 * 3.6L, "  c"},
}};

// Powers in watts.
constexpr std::array<UnitDefinition, 9> kPower{{
    {"Watt", "Watt", 1, "  w"},
    {"Kilowatt (kW)", "Kilowatt (kW)", 1000, " kW"},
    {"Megawatt", "Megawatt", 1e6L, " MW"},
    {"PS", "PS", 75 * kStandardGravity, " PS"},
    {"HP", "HP", 550 * kFoot* kPoundForce, " HP"},
    {"Kalorien/s", "Kalorien/s", kCalorie, " cal/s"},
    {"Kalorien/h", "Kalorien/h", kCalorie / 3600, " cal/h"},
    {"BTU/s", "BTU/s", kBtu, " BTU/s"},
    {"lb-feet/s", "lb-feet/s", kFoot* kPoundForce, " flb/s"},
}};

// Forces in newtons.
constexpr std::array<UnitDefinition, 8> kForce{{
    {"Newton", "Newton", 1, "  N"},
    {"Kilonewton", "Kilonewton", 1000, " kN"},
    {"Millinewton", "Millinewton", 0.001L, " mN"},
    {"Joules / m", "Joules / m", 1, " J/m"},
    {"Joules / cm", "Joules / cm", 100, " J/cm"},
    {"Kilopond", "Kilopond", kStandardGravity, " Kp"},
    {"Pound Force", "Pound Force", kPoundForce, " lb"},
    {"Dyn", "Dyn", 1e-5L, " dyn"},
}};

constexpr std::array<UnitDefinition, 9> kEnergy{{
    {"Joule", "Joule", 1, "  J"},
    {"Wattsekunde", "Wattsekunde", 1, " Ws"},
    {"Wattstunde", "Wattstunde", 3600, " Wh"},
    {"Kalorie", "Kalorie", kCalorie, " cal"},
    {"BTU", "BTU", kBtu, " Btu"},
    {"Kilowattst (kWh)", "Kilowattst (kWh)", 3.6e6L, " kWh"},
    {"Elektronenvolt", "Elektronenvolt", kElectronvolt, " eV"},
    {"Giga el.volt", "Giga el. volt", 1e9L * kElectronvolt, " GeV"},
    {"erg", "erg", 1e-7L, " erg"},
}};

constexpr std::array<UnitPageTable, UnitPageCount> kPages{{
    {"Länge", 0, 4, kLength},
    {"Gewicht", 1, 7, kWeight},
    {"Fläche", 0, 3, kArea},
    {"Volumen", 0, 6, kVolume},
    {"Tempo", 0, 9, kSpeed},
    {"Leistung", 1, 3, kPower},
    {"Kraft", 0, 6, kForce},
    {"Arbeit", 0, 4, kEnergy},
}};

}  // namespace

const UnitPageTable& unitPageTable(int page) { return kPages[static_cast<std::size_t>(page)]; }
