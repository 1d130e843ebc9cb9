#include "numeric_literal.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

double Read(std::string_view text) {
    const std::optional<double> value = ReadNumericLiteral(text);
    EXPECT_TRUE(value.has_value()) << "overflow reading \"" << text << "\"";
    return value.value_or(-999);
}

bool Overflows(std::string_view text) {
    return !ReadNumericLiteral(text).has_value();
}

TEST(ReadNumericLiteral, ReadsSignDigitsPointAndExponent) {
    EXPECT_EQ(Read("42"), 42);
    EXPECT_EQ(Read("-42"), -42);
    EXPECT_EQ(Read("+42"), 42);
    EXPECT_EQ(Read("1.5"), 1.5);
    EXPECT_EQ(Read(".5"), 0.5);
    EXPECT_EQ(Read("5."), 5);
    EXPECT_EQ(Read("-.25"), -0.25);
    EXPECT_EQ(Read("007"), 7);
    EXPECT_EQ(Read("1e3"), 1000);
    EXPECT_EQ(Read("1E3"), 1000);
    EXPECT_EQ(Read("2.5E+2"), 250);
    EXPECT_EQ(Read("25e-1"), 2.5);
    EXPECT_EQ(Read("1d3"), 1000);
    EXPECT_EQ(Read("1D-2"), 0.01);
}

TEST(ReadNumericLiteral, TextWithoutANumberGivesZero) {
    EXPECT_EQ(Read(""), 0);
    EXPECT_EQ(Read("abc"), 0);
    EXPECT_EQ(Read("-"), 0);
    EXPECT_EQ(Read("+"), 0);
    EXPECT_EQ(Read("."), 0);
    EXPECT_EQ(Read("-."), 0);
    EXPECT_EQ(Read("E5"), 0);
    EXPECT_EQ(Read(".E5"), 0);
    EXPECT_EQ(Read("--1"), 0);
    EXPECT_EQ(Read("+-1"), 0);
    EXPECT_EQ(Read(":1234"), 0);
    EXPECT_EQ(Read("\x82\x50"), 0);  // a full-width digit one
}

TEST(ReadNumericLiteral, SkipsBlanksTabsAndLineFeedsAnywhere) {
    EXPECT_EQ(Read("  42"), 42);
    EXPECT_EQ(Read("\t\n42"), 42);
    EXPECT_EQ(Read("4 2"), 42);
    EXPECT_EQ(Read("- 4\t2 . 5"), -42.5);
    EXPECT_EQ(Read("1 e 3"), 1000);
    EXPECT_EQ(Read("1e - 2"), 0.01);
    EXPECT_EQ(Read("1 615 198th Street"), 1615198);
}

TEST(ReadNumericLiteral, OtherWhiteSpaceEndsTheNumber) {
    EXPECT_EQ(Read("\r42"), 0);
    EXPECT_EQ(Read("4\r2"), 4);
    EXPECT_EQ(Read("4\v2"), 4);
    EXPECT_EQ(Read(std::string{'4', '\0', '2'}), 4);
}

TEST(ReadNumericLiteral, StopsAtTheFirstCharacterThatCannotContinue) {
    EXPECT_EQ(Read("12abc"), 12);
    EXPECT_EQ(Read("1.2.3"), 1.2);
    EXPECT_EQ(Read("1,000"), 1);
    EXPECT_EQ(Read("1_000"), 1);
    EXPECT_EQ(Read("0x10"), 0);
    EXPECT_EQ(Read("2.5e1x"), 25);
    EXPECT_EQ(Read("3-4"), 3);
    EXPECT_EQ(Read("3e2e1"), 300);
    EXPECT_EQ(Read("1e5.5"), 100000);
}

TEST(ReadNumericLiteral, AnExponentWithoutDigitsIsZero) {
    EXPECT_EQ(Read("1e"), 1);
    EXPECT_EQ(Read("1e+"), 1);
    EXPECT_EQ(Read("1E-x"), 1);
    EXPECT_EQ(Read("7d"), 7);
}

TEST(ReadNumericLiteral, ConvertsToTheNearestDouble) {
    EXPECT_EQ(Read("0.1"), 0.1);
    EXPECT_EQ(Read("0.49999999999999994"), 0.49999999999999994);
    EXPECT_EQ(Read("2.5000000000000004"), 2.5000000000000004);
    EXPECT_EQ(Read("123456789012345678901234567890"), 1.2345678901234568e29);
    EXPECT_EQ(Read("1" + std::string(300, '0')), 1e300);
    EXPECT_EQ(Read("0." + std::string(300, '0') + "1"), 1e-301);
    EXPECT_EQ(Read("4e-324"), std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(Read("1.7976931348623157e308"), std::numeric_limits<double>::max());
    EXPECT_EQ(Read("2147483647.5"), 2147483647.5);
}

TEST(ReadNumericLiteral, TinyValuesBecomeZero) {
    EXPECT_EQ(Read("1e-400"), 0);
    EXPECT_EQ(Read("-1e-400"), 0);
    EXPECT_EQ(Read("2e-324"), 0);
    EXPECT_EQ(Read("1e-99999999999999999999"), 0);
    EXPECT_EQ(Read("0." + std::string(400, '0') + "1"), 0);
    EXPECT_EQ(Read("0e99999999999999999999"), 0);
    EXPECT_EQ(Read(std::string(500, '0') + "e400"), 0);
}

TEST(ReadNumericLiteral, ValuesBeyondADoubleOverflow) {
    EXPECT_TRUE(Overflows("1e309"));
    EXPECT_TRUE(Overflows("-1e309"));
    EXPECT_TRUE(Overflows("1.7976931348623159e308"));
    EXPECT_TRUE(Overflows("1e99999999999999999999"));
    EXPECT_TRUE(Overflows(std::string(400, '9')));
    EXPECT_TRUE(Overflows("0.000001e315"));
}

TEST(ReadNumericLiteral, ReadsHexadecimalAndOctal) {
    EXPECT_EQ(Read("&H10"), 16);
    EXPECT_EQ(Read("&h1f"), 31);
    EXPECT_EQ(Read("&HaBc"), 0xABC);
    EXPECT_EQ(Read("&O17"), 15);
    EXPECT_EQ(Read("&o777"), 511);
    EXPECT_EQ(Read("&H000000000001"), 1);
    EXPECT_EQ(Read("& H 1 F"), 31);
    EXPECT_EQ(Read("  &H10"), 16);
}

TEST(ReadNumericLiteral, HexadecimalDigitsAreNotAnExponentOrAPoint) {
    EXPECT_EQ(Read("&H1E2"), 0x1E2);
    EXPECT_EQ(Read("&HD"), 13);
    EXPECT_EQ(Read("&H1.5"), 1);
    EXPECT_EQ(Read("&H1G"), 1);
    EXPECT_EQ(Read("&O18"), 1);
    EXPECT_EQ(Read("&O9"), 0);
}

TEST(ReadNumericLiteral, HexadecimalAndOctalAreTwosComplementIn16Or32Bits) {
    EXPECT_EQ(Read("&H7FFF"), 32767);
    EXPECT_EQ(Read("&H8000"), -32768);
    EXPECT_EQ(Read("&HFFFF"), -1);
    EXPECT_EQ(Read("&H0000FFFF"), -1);
    EXPECT_EQ(Read("&H10000"), 65536);
    EXPECT_EQ(Read("&H7FFFFFFF"), 2147483647);
    EXPECT_EQ(Read("&H80000000"), -2147483648.0);
    EXPECT_EQ(Read("&HFFFFFFFF"), -1);
    EXPECT_EQ(Read("&O177777"), -1);
    EXPECT_EQ(Read("&O200000"), 65536);
    EXPECT_EQ(Read("&O37777777777"), -1);
}

TEST(ReadNumericLiteral, HexadecimalAndOctalBeyond32BitsOverflow) {
    EXPECT_TRUE(Overflows("&H100000000"));
    EXPECT_TRUE(Overflows("&O40000000000"));
    // Twenty digits would wrap a 64-bit accumulator back to a small value.
    EXPECT_TRUE(Overflows("&H" + std::string(20, 'F')));
    EXPECT_TRUE(Overflows("&H10000000000000000"));
}

TEST(ReadNumericLiteral, APrefixWithoutDigitsOrAfterASignGivesZero) {
    EXPECT_EQ(Read("&H"), 0);
    EXPECT_EQ(Read("&O"), 0);
    EXPECT_EQ(Read("&"), 0);
    EXPECT_EQ(Read("&X1"), 0);
    EXPECT_EQ(Read("&17"), 0);
    EXPECT_EQ(Read("-&H1"), 0);
}

TEST(ReadWholeNumericLiteral, AcceptsOneLiteralWithBlanksAround) {
    EXPECT_EQ(ReadWholeNumericLiteral("2"), 2);
    EXPECT_EQ(ReadWholeNumericLiteral(" 2"), 2);
    EXPECT_EQ(ReadWholeNumericLiteral("2 "), 2);
    EXPECT_EQ(ReadWholeNumericLiteral("\t-1.5\n"), -1.5);
    EXPECT_EQ(ReadWholeNumericLiteral("1 2"), 12);
    EXPECT_EQ(ReadWholeNumericLiteral("&HFF"), 255);
    EXPECT_EQ(ReadWholeNumericLiteral("1e2"), 100);
    EXPECT_EQ(ReadWholeNumericLiteral("1e"), 1);
    EXPECT_EQ(ReadWholeNumericLiteral("-0"), 0);
}

TEST(ReadWholeNumericLiteral, RejectsTextThatIsNotOneNumber) {
    EXPECT_FALSE(ReadWholeNumericLiteral(""));
    EXPECT_FALSE(ReadWholeNumericLiteral("   "));
    EXPECT_FALSE(ReadWholeNumericLiteral("abc"));
    EXPECT_FALSE(ReadWholeNumericLiteral("2x"));
    EXPECT_FALSE(ReadWholeNumericLiteral("1,5"));
    EXPECT_FALSE(ReadWholeNumericLiteral("1.2.3"));
    EXPECT_FALSE(ReadWholeNumericLiteral("-"));
    EXPECT_FALSE(ReadWholeNumericLiteral("."));
    EXPECT_FALSE(ReadWholeNumericLiteral("&H"));
    EXPECT_FALSE(ReadWholeNumericLiteral("2\r"));
    EXPECT_FALSE(ReadWholeNumericLiteral(std::string("2\0", 2)));
    EXPECT_FALSE(ReadWholeNumericLiteral("1e400"));
    EXPECT_FALSE(ReadWholeNumericLiteral("&H100000000"));
}

TEST(RoundHalfEvenToInt32, RoundsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEvenToInt32(0.5), 0);
    EXPECT_EQ(RoundHalfEvenToInt32(1.5), 2);
    EXPECT_EQ(RoundHalfEvenToInt32(2.5), 2);
    EXPECT_EQ(RoundHalfEvenToInt32(3.5), 4);
    EXPECT_EQ(RoundHalfEvenToInt32(-0.5), 0);
    EXPECT_EQ(RoundHalfEvenToInt32(-1.5), -2);
    EXPECT_EQ(RoundHalfEvenToInt32(-2.5), -2);
    EXPECT_EQ(RoundHalfEvenToInt32(-3.5), -4);
}

TEST(RoundHalfEvenToInt32, RoundsEverythingElseToTheNearest) {
    EXPECT_EQ(RoundHalfEvenToInt32(0), 0);
    EXPECT_EQ(RoundHalfEvenToInt32(1234), 1234);
    EXPECT_EQ(RoundHalfEvenToInt32(0.49999999999999994), 0);
    EXPECT_EQ(RoundHalfEvenToInt32(2.4999999999999996), 2);
    EXPECT_EQ(RoundHalfEvenToInt32(2.5000000000000004), 3);
    EXPECT_EQ(RoundHalfEvenToInt32(-2.5000000000000004), -3);
    EXPECT_EQ(RoundHalfEvenToInt32(1e-300), 0);
    EXPECT_EQ(RoundHalfEvenToInt32(-0.7), -1);
}

TEST(RoundHalfEvenToInt32, KeepsTo32Bits) {
    EXPECT_EQ(RoundHalfEvenToInt32(2147483647.0), 2147483647);
    EXPECT_EQ(RoundHalfEvenToInt32(2147483647.4), 2147483647);
    EXPECT_EQ(RoundHalfEvenToInt32(2147483646.5), 2147483646);
    EXPECT_FALSE(RoundHalfEvenToInt32(2147483647.5));
    EXPECT_FALSE(RoundHalfEvenToInt32(2147483648.0));
    EXPECT_EQ(RoundHalfEvenToInt32(-2147483648.0), -2147483647 - 1);
    EXPECT_EQ(RoundHalfEvenToInt32(-2147483648.5), -2147483647 - 1);
    EXPECT_FALSE(RoundHalfEvenToInt32(-2147483648.6));
    EXPECT_FALSE(RoundHalfEvenToInt32(-2147483649.5));
    EXPECT_FALSE(RoundHalfEvenToInt32(1e300));
    EXPECT_FALSE(RoundHalfEvenToInt32(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(RoundHalfEvenToInt32(-std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(RoundHalfEvenToInt32(std::numeric_limits<double>::quiet_NaN()));
}

TEST(RoundHalfEvenToInt32, ReadsHandlesTheWayTheCommandLineGivesThem) {
    const auto handle = [](std::string_view text) {
        return RoundHalfEvenToInt32(ReadNumericLiteral(text).value_or(1e300)).value_or(0);
    };
    EXPECT_EQ(handle("1234"), 1234);
    EXPECT_EQ(handle("  1234  "), 1234);
    EXPECT_EQ(handle("1234 extra"), 1234);
    EXPECT_EQ(handle("12.5"), 12);
    EXPECT_EQ(handle("13.5"), 14);
    EXPECT_EQ(handle("2147483647"), 2147483647);
    EXPECT_EQ(handle("2147483648"), 0);
    EXPECT_EQ(handle("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(handle("&H80000000"), -2147483647 - 1);
    EXPECT_EQ(handle("1e10"), 0);
    EXPECT_EQ(handle("1e400"), 0);
    EXPECT_EQ(handle(""), 0);
}

}  // namespace
