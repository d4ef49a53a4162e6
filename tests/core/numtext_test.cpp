#include "core/numtext.h"
#include "support/qtprinters.h"

#include <gtest/gtest.h>

using namespace numtext;

TEST(NumText, StrStoresFifteenSignificantDigitsAtWidth23AndReadsBack) {
    const std::pair<long double, const char*> cases[] = {
        {15, " 1.50000000000000E+0001"},        {-15, "-1.50000000000000E+0001"},
        {0, " 0.00000000000000E+0000"},         {0.000001L, " 1.00000000000000E-0006"},
        {1.0L / 3, " 3.33333333333333E-0001"},  {2.0L / 3, " 6.66666666666667E-0001"},
        {9.999999999999999L, " 1.00000000000000E+0001"}, {1e-300L, " 1.00000000000000E-0300"},
        {1.0L / 7, " 1.42857142857143E-0001"},  {123456789012345.0L, " 1.23456789012345E+0014"},
    };
    for (const auto& [v, text] : cases) {
        EXPECT_EQ(str(v), text);
        EXPECT_EQ(formatG(val(str(v)).value), formatG(v)) << text << " reads back to the same display";
    }
    EXPECT_EQ(str(1e300L).size(), 23);
}

TEST(NumText, ValReadsPointNotationAndReportsWhereItStopped) {
    // Malformed texts keep the readable prefix and point at the first bad character.
    const struct {
        const char16_t* text;
        long double value;
        int code;
    } cases[] = {
        {u"12", 12, 0},   {u" 1.50000000000000E+0001", 15, 0}, {u"-0.5", -0.5L, 0}, {u"1e3", 1000, 0},
        {u".5", 0.5L, 0}, {u"1.2.3", 1.2L, 4},                  {u"1e", 1, 2},      {u"12,5", 12, 3},
        {u"abc", 0, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(val(c.text).value, c.value) << QString::fromUtf16(c.text).toStdString();
        EXPECT_EQ(val(c.text).code, c.code) << QString::fromUtf16(c.text).toStdString();
    }
    // Empty, sign-only and overflowing texts read as 0 with an error: never an infinite number.
    for (const char16_t* bad : {u"", u"-", u"1e99999"}) {
        EXPECT_EQ(val(bad).value, 0);
        EXPECT_NE(val(bad).code, 0);
    }
    EXPECT_EQ(val(u"1e-99999").value, 0);
}

TEST(NumText, FormatNGroupsThousandsAndRoundsHalfAwayFromZero) {
    const struct {
        long double v;
        int format, decimals;
        const char* text;
    } cases[] = {
        {1234.5L, 5, 0, "1.235"},         {-1234.5L, 5, 0, "-1.235"},        {2.5L, 5, 0, "    3"},
        {12, 5, 2, "12,00"},              {1234.5L, 2, 2, "1.234,50"},       {1234567.891L, 2, 2, "1.234.567,89"},
        {0.125L, 2, 2, "0,13"},           {1.005L, 2, 2, "1,01"},            {0.6L, 5, 0, "    1"},
        {0.4L, 5, 0, "    0"},            {-0.001L, 2, 2, "0,00"},           {999.999L, 2, 2, "1.000,00"},
        {100000, 8, 2, "100.000,00"},     {1.4142135623731L, 5, 15, "1,414213562373100"},
    };
    for (const auto& c : cases) EXPECT_EQ(formatN(c.v, c.format, c.decimals), c.text) << c.text;
}

TEST(NumText, FormatGIsGeneralWithFifteenDigits) {
    const std::pair<long double, const char*> cases[] = {
        {0, "0"},           {17, "17"},          {-20, "-20"},          {1234.5L, "1234,5"},
        {0.000001L, "1E-6"}, {0.00001L, "0,00001"}, {1e16L, "1E16"},     {1.5e20L, "1,5E20"},
        {999999999999999.0L, "999999999999999"},    {1e15L, "1E15"},     {0.1L + 0.2L, "0,3"},
        {1.0L / 3, "0,333333333333333"},            {std::sqrt(2.0L), "1,4142135623731"}, {-1.5e-7L, "-1,5E-7"},
    };
    for (const auto& [v, text] : cases) EXPECT_EQ(formatG(v), text);
}

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
