#include "core/numtext.h"
#include "support/qtprinters.h"
#include "support/rownames.h"

#include <gtest/gtest.h>

using namespace numtext;

namespace {

using rownames::operator<<;

// Each row is one test named by its `name`; the number-text tables are named by the text they expect.
struct StrRow {
    const char* name;
    long double v;
    const char* text;
};

const StrRow kStrRows[] = {
    {"fifteen", 15, " 1.50000000000000E+0001"},
    {"minus fifteen", -15, "-1.50000000000000E+0001"},
    {"zero", 0, " 0.00000000000000E+0000"},
    {"one millionth", 0.000001L, " 1.00000000000000E-0006"},
    {"one third", 1.0L / 3, " 3.33333333333333E-0001"},
    {"two thirds", 2.0L / 3, " 6.66666666666667E-0001"},
    {"rounds up to ten", 9.999999999999999L, " 1.00000000000000E+0001"},
    {"ten to the minus 300", 1e-300L, " 1.00000000000000E-0300"},
    {"one seventh", 1.0L / 7, " 1.42857142857143E-0001"},
    {"fifteen digits", 123456789012345.0L, " 1.23456789012345E+0014"},
};

using StrTable = rownames::Table<StrRow>;

TEST_P(StrTable, StrStoresFifteenSignificantDigitsAtWidth23AndReadsBack) {
    const auto& [name, v, text] = GetParam();
    EXPECT_EQ(str(v), text);
    EXPECT_EQ(formatG(val(str(v)).value), formatG(v)) << text << " reads back to the same display";
}

INSTANTIATE_TEST_SUITE_P(NumText, StrTable, ::testing::ValuesIn(kStrRows), rownames::ByName());

}  // namespace

TEST(NumText, StrOfALargeNumberIsStill23Wide) { EXPECT_EQ(str(1e300L).size(), 23); }

namespace {

// Malformed texts keep the readable prefix and point at the first bad character.
struct ValRow {
    const char* name;
    const char16_t* text;
    long double value;
    int code;
};

const ValRow kValRows[] = {
    {"integer", u"12", 12, 0},
    {"stored form", u" 1.50000000000000E+0001", 15, 0},
    {"negative fraction", u"-0.5", -0.5L, 0},
    {"exponent", u"1e3", 1000, 0},
    {"leading point", u".5", 0.5L, 0},
    {"second point", u"1.2.3", 1.2L, 4},
    {"exponent without digits", u"1e", 1, 2},
    {"comma", u"12,5", 12, 3},
    {"letters", u"abc", 0, 1},
};

using ValTable = rownames::Table<ValRow>;

TEST_P(ValTable, ValReadsPointNotationAndReportsWhereItStopped) {
    const ValRow& c = GetParam();
    EXPECT_EQ(val(c.text).value, c.value) << QString::fromUtf16(c.text).toStdString();
    EXPECT_EQ(val(c.text).code, c.code) << QString::fromUtf16(c.text).toStdString();
}

INSTANTIATE_TEST_SUITE_P(NumText, ValTable, ::testing::ValuesIn(kValRows), rownames::ByName());

}  // namespace

TEST(NumText, ValReadsEmptySignOnlyAndOverflowingTextsAsZeroWithAnError) {
    // Never an infinite number.
    for (const char16_t* bad : {u"", u"-", u"1e99999"}) {
        EXPECT_EQ(val(bad).value, 0);
        EXPECT_NE(val(bad).code, 0);
    }
    EXPECT_EQ(val(u"1e-99999").value, 0);
}

namespace {

struct FormatNRow {
    long double v;
    int format, decimals;
    const char* text;
};

const FormatNRow kFormatNRows[] = {
    {1234.5L, 5, 0, "1.235"},     {-1234.5L, 5, 0, "-1.235"},
    {2.5L, 5, 0, "    3"},        {12, 5, 2, "12,00"},
    {1234.5L, 2, 2, "1.234,50"},  {1234567.891L, 2, 2, "1.234.567,89"},
    {0.125L, 2, 2, "0,13"},       {1.005L, 2, 2, "1,01"},
    {0.6L, 5, 0, "    1"},        {0.4L, 5, 0, "    0"},
    {-0.001L, 2, 2, "0,00"},      {999.999L, 2, 2, "1.000,00"},
    {100000, 8, 2, "100.000,00"}, {1.4142135623731L, 5, 15, "1,414213562373100"},
};

using FormatNTable = rownames::Table<FormatNRow>;

TEST_P(FormatNTable, FormatNGroupsThousandsAndRoundsHalfAwayFromZero) {
    const FormatNRow& c = GetParam();
    EXPECT_EQ(formatN(c.v, c.format, c.decimals), c.text) << c.text;
}

INSTANTIATE_TEST_SUITE_P(NumText, FormatNTable, ::testing::ValuesIn(kFormatNRows),
                         [](const auto& row) { return rownames::spelled(row.param.text); });

using FormatGRow = std::pair<long double, const char*>;

const FormatGRow kFormatGRows[] = {
    {0, "0"},
    {17, "17"},
    {-20, "-20"},
    {1234.5L, "1234,5"},
    {0.000001L, "1E-6"},
    {0.00001L, "0,00001"},
    {1e16L, "1E16"},
    {1.5e20L, "1,5E20"},
    {999999999999999.0L, "999999999999999"},
    {1e15L, "1E15"},
    {0.1L + 0.2L, "0,3"},
    {1.0L / 3, "0,333333333333333"},
    {std::sqrt(2.0L), "1,4142135623731"},
    {-1.5e-7L, "-1,5E-7"},
};

using FormatGTable = rownames::Table<FormatGRow>;

TEST_P(FormatGTable, FormatGIsGeneralWithFifteenDigits) {
    const auto& [v, text] = GetParam();
    EXPECT_EQ(formatG(v), text);
}

INSTANTIATE_TEST_SUITE_P(NumText, FormatGTable, ::testing::ValuesIn(kFormatGRows),
                         [](const auto& row) { return rownames::spelled(row.param.second); });

}  // namespace

TEST(NumText, ConversionsRaiseTheGermanRuntimeMessages) {
    EXPECT_EQ(strToFloat("2,5"), 2.5L);
    EXPECT_EQ(strToFloat(" -3 "), -3);
    for (auto [text, value] : {std::pair{"42", 42}, {"-7", -7}, {"$1F", 31}}) EXPECT_EQ(strToInt(text), value) << text;
    const auto messageOf = [](auto convert) {
        try {
            convert();
        } catch (const ConversionError& e) {
            return e.message();
        }
        return QStringLiteral("no error");
    };
    EXPECT_EQ(messageOf([] { strToFloat("abc"); }), "'abc' ist kein gültiger Gleitkommawert");
    EXPECT_EQ(messageOf([] { strToInt("2,5"); }), "'2,5' ist kein gültiger Integerwert");
    for (const char* bad : {"1.5", "", "1e99999"}) EXPECT_THROW(strToFloat(bad), ConversionError) << bad;
    for (const char* bad : {"3000000000", ""}) EXPECT_THROW(strToInt(bad), ConversionError) << bad;
}
