#include "core/numtext.h"

#include <gtest/gtest.h>

using namespace numtext;

TEST(NumText, StrStoresFifteenSignificantDigitsAtWidth23) {
    EXPECT_EQ(str(15), " 1.50000000000000E+0001");
    EXPECT_EQ(str(-15), "-1.50000000000000E+0001");
    EXPECT_EQ(str(0), " 0.00000000000000E+0000");
    EXPECT_EQ(str(0.000001L), " 1.00000000000000E-0006");
    EXPECT_EQ(str(1.0L / 3), " 3.33333333333333E-0001");
    EXPECT_EQ(str(2.0L / 3), " 6.66666666666667E-0001");
    EXPECT_EQ(str(9.999999999999999L), " 1.00000000000000E+0001");
    EXPECT_EQ(str(1e300L).size(), 23);
    EXPECT_EQ(str(1e-300L), " 1.00000000000000E-0300");
}

TEST(NumText, ValReadsPointNotationAndReportsWhereItStopped) {
    EXPECT_EQ(val(u"12").value, 12);
    EXPECT_EQ(val(u"12").code, 0);
    EXPECT_EQ(val(u" 1.50000000000000E+0001").value, 15);
    EXPECT_EQ(val(u" 1.50000000000000E+0001").code, 0);
    EXPECT_EQ(val(u"-0.5").value, -0.5L);
    EXPECT_EQ(val(u"1e3").value, 1000);
    EXPECT_EQ(val(u".5").value, 0.5L);
    // Malformed texts keep the readable prefix and point at the first bad character.
    EXPECT_EQ(val(u"1.2.3").value, 1.2L);
    EXPECT_EQ(val(u"1.2.3").code, 4);
    EXPECT_EQ(val(u"12,5").code, 3);
    EXPECT_EQ(val(u"1e").value, 1);
    EXPECT_EQ(val(u"1e").code, 2);
    EXPECT_EQ(val(u"").value, 0);
    EXPECT_NE(val(u"").code, 0);
    EXPECT_EQ(val(u"-").value, 0);
    EXPECT_NE(val(u"-").code, 0);
    EXPECT_EQ(val(u"abc").code, 1);
}

TEST(NumText, ValNeverYieldsAnInfiniteNumber) {
    EXPECT_EQ(val(u"1e99999").value, 0);
    EXPECT_NE(val(u"1e99999").code, 0);
    EXPECT_EQ(val(u"1e-99999").value, 0);
}

TEST(NumText, FormatNGroupsThousandsAndRoundsHalfAwayFromZero) {
    EXPECT_EQ(formatN(1234.5L, 5, 0), "1.235");
    EXPECT_EQ(formatN(-1234.5L, 5, 0), "-1.235");
    EXPECT_EQ(formatN(2.5L, 5, 0), "    3");
    EXPECT_EQ(formatN(12, 5, 2), "12,00");
    EXPECT_EQ(formatN(1234.5L, 2, 2), "1.234,50");
    EXPECT_EQ(formatN(1234567.891L, 2, 2), "1.234.567,89");
    EXPECT_EQ(formatN(0.125L, 2, 2), "0,13");
    EXPECT_EQ(formatN(1.005L, 2, 2), "1,01");
    EXPECT_EQ(formatN(0.6L, 5, 0), "    1");
    EXPECT_EQ(formatN(0.4L, 5, 0), "    0");
    EXPECT_EQ(formatN(-0.001L, 2, 2), "0,00");
    EXPECT_EQ(formatN(999.999L, 2, 2), "1.000,00");
    EXPECT_EQ(formatN(100000, 8, 2), "100.000,00");
    EXPECT_EQ(formatN(1.4142135623731L, 5, 15), "1,414213562373100");
}

TEST(NumText, FormatGIsGeneralWithFifteenDigits) {
    EXPECT_EQ(formatG(0), "0");
    EXPECT_EQ(formatG(17), "17");
    EXPECT_EQ(formatG(-20), "-20");
    EXPECT_EQ(formatG(1234.5L), "1234,5");
    EXPECT_EQ(formatG(0.000001L), "1E-6");
    EXPECT_EQ(formatG(0.00001L), "0,00001");
    EXPECT_EQ(formatG(1e16L), "1E16");
    EXPECT_EQ(formatG(1.5e20L), "1,5E20");
    EXPECT_EQ(formatG(999999999999999.0L), "999999999999999");
    EXPECT_EQ(formatG(1e15L), "1E15");
    EXPECT_EQ(formatG(0.1L + 0.2L), "0,3");
    EXPECT_EQ(formatG(1.0L / 3), "0,333333333333333");
    EXPECT_EQ(formatG(std::sqrt(2.0L)), "1,4142135623731");
    EXPECT_EQ(formatG(-1.5e-7L), "-1,5E-7");
}

TEST(NumText, StrRoundTripsThroughValToTheSameDisplay) {
    for (long double v : {17.0L, -20.0L, 1234.5L, 1.0L / 7, 1e-10L, 123456789012345.0L}) {
        EXPECT_EQ(formatG(val(str(v)).value), formatG(v));
    }
}

TEST(NumText, ConversionsRaiseTheGermanRuntimeMessages) {
    EXPECT_EQ(strToFloat("2,5"), 2.5L);
    EXPECT_EQ(strToFloat(" -3 "), -3);
    EXPECT_EQ(strToInt("42"), 42);
    EXPECT_EQ(strToInt("-7"), -7);
    EXPECT_EQ(strToInt("$1F"), 31);
    try {
        strToFloat("abc");
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(), "'abc' ist kein gültiger Gleitkommawert");
    }
    EXPECT_THROW(strToFloat("1.5"), ConversionError);
    EXPECT_THROW(strToFloat(""), ConversionError);
    EXPECT_THROW(strToFloat("1e99999"), ConversionError);
    try {
        strToInt("2,5");
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(), "'2,5' ist kein gültiger Integerwert");
    }
    EXPECT_THROW(strToInt("3000000000"), ConversionError);
    EXPECT_THROW(strToInt(""), ConversionError);
}
