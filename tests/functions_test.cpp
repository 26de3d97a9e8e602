// The runtime's pure functions and the criterion, against the behaviour their headers promise.

#include "runtime/Functions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <ios>
#include <limits>
#include <ostream>
#include <string>
#include <string_view>

#include "calculator/Criterion.h"

namespace {

using rt::Double;
using rt::Integer;

constexpr Double kInf = std::numeric_limits<Double>::infinity();
constexpr Double kNaN = std::numeric_limits<Double>::quiet_NaN();
constexpr Integer kMaxInteger = std::numeric_limits<Integer>::max();
constexpr Integer kMinInteger = std::numeric_limits<Integer>::min();

// Equality that tells -0 from +0 and accepts NaN for NaN.
::testing::AssertionResult SameDouble(Double actual, Double expected) {
  const bool same = std::isnan(expected)
                        ? std::isnan(actual)
                        : actual == expected && std::signbit(actual) == std::signbit(expected);
  if (same) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "got " << std::hexfloat << actual << ", expected " << expected;
}

// --- Val ---

struct ValCase {
  std::string name;
  std::string text;
  Double value;
};
void PrintTo(const ValCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

const std::string k400Zeros(400, '0');
// 2^53 + 1 lies exactly halfway between two Doubles: a 1 in the 400th digit decides the rounding.
const std::string kHalfwayThenOne = "9007199254740993." + std::string(383, '0') + "1";
const std::string kExactlyHalfway = "9007199254740993." + std::string(384, '0');

const ValCase kValCases[] = {
    {"Integer", "42", 42},
    {"Fraction", "0.1", 0.1},
    {"NoIntegerDigits", ".5", 0.5},
    {"NoFractionDigits", "5.", 5},
    {"LeadingSpacesAndTabs", " \t  7.5", 7.5},
    {"PlusSign", "+3", 3},
    {"MinusSign", "-3.25", -3.25},
    {"MinusZeroKeepsItsSign", "-0", -0.0},
    {"SignedFraction", "-.5", -0.5},
    {"SpacesBeforeTheSign", "  -5", -5},
    {"SignedFractionWithExponent", "\t+.5e1", 5},
    {"HexIsNotRead", "0x1A", 0},
    {"InfinityTextIsNoNumber", "inf", 0},
    {"NanTextIsNoNumber", "nan", 0},
    {"OnlySpacesAndTabsAreSkipped", "\n5", 0},
    {"NoBreakSpaceBeforeTheDigits", "\u00A01377", 1377},
    {"IdeographicSpaceBeforeTheDigits", "\u3000\uFF11\uFF13\uFF17\uFF17", 1377},
    {"FullWidthDigits", "\uFF11\uFF13\uFF17\uFF17", 1377},
    {"ArabicIndicDigits", "\u0661\u0663\u0667\u0667", 1377},
    {"DigitsOfMixedScriptsWithPointAndExponent", "\u0967\u0663\uFF177.\u0665e\uFF11", 13775},
    {"CommaEndsArabicIndicDigits", "\u0661\u0663\u0667\u0667,\u0665", 1377},
    {"SuperscriptIsNoDecimalDigit", "1\u00B2", 1},
    {"OverlongEncodedDigitIsNoDigit", "1\xC0\xB5", 1},
    {"SignThenSpaceIsNoNumber", "- 3", 0},
    {"SecondPointEndsTheNumber", "1.2.3", 1.2},
    {"TrailingLettersIgnored", "12abc", 12},
    {"LettersOnly", "abc", 0},
    {"Empty", "", 0},
    {"Space", " ", 0},
    {"PointOnly", ".", 0},
    {"TwoPoints", "..", 0},
    {"MinusOnly", "-", 0},
    {"PlusOnly", "+", 0},
    {"ExponentOnlyIsNoNumber", "e5", 0},
    {"Exponent", "1e3", 1000},
    {"ExponentWithoutDigits", "1e", 1},
    {"ExponentWithSignOnly", "1e+", 1},
    {"CapitalNegativeExponent", "2.5E-1", 0.25},
    {"Largest", "1.7976931348623157e308", std::numeric_limits<Double>::max()},
    {"Subnormal", "1e-310", 1e-310},
    {"SmallestSubnormal", "4.9406564584124654e-324", std::numeric_limits<Double>::denorm_min()},
    {"BelowHalfTheSmallestSubnormal", "2e-324", 0},
    {"Overflow", "1e400", kInf},
    {"NegativeOverflow", "-1e400", -kInf},
    {"Underflow", "1e-400", 0},
    {"NegativeUnderflowKeepsItsSign", "-1e-400", -0.0},
    {"HugeExponent", "1e99999999999999999999", kInf},
    {"HugeNegativeExponent", "1e-99999999999999999999", 0},
    {"ZeroWithHugeExponent", "0e99999999999999999999", 0},
    {"SmallMantissaWithLargeExponent", "0.000001e400", kInf},
    {"FourHundredDigitsOverflow", "1" + k400Zeros.substr(1), kInf},
    {"FourHundredLeadingZeros", k400Zeros + "25", 25},
    {"ThreeHundredDigitFraction", "0." + std::string(299, '0') + "1", 1e-300},
    {"FourHundredDigitsScaledIntoRange", "1" + k400Zeros + "e-395", 1e5},
    {"FourHundredDigitsScaledDownStillOverflow", "1" + k400Zeros + "e-10", kInf},
    {"FourHundredDigitFractionScaledBack", "0." + k400Zeros.substr(2) + "1e400", 10},
    {"FourHundredDigitsRoundUpPastHalfway", kHalfwayThenOne, 9007199254740994.0},
    {"FourHundredDigitsExactlyHalfwayToEven", kExactlyHalfway, 9007199254740992.0},
};

class ValReads : public ::testing::TestWithParam<ValCase> {};

TEST_P(ValReads, TheLeadingNumber) {
  EXPECT_TRUE(SameDouble(rt::Val(GetParam().text), GetParam().value));
}

INSTANTIATE_TEST_SUITE_P(Texts, ValReads, ::testing::ValuesIn(kValCases),
                         [](const auto& info) { return info.param.name; });

// --- Format ---

struct FormatCase {
  Double value;
  std::string_view pattern;
  std::string_view text;
  std::string_view name;
};
void PrintTo(const FormatCase& c, std::ostream* os) {
  *os << c.value << " as \"" << c.pattern << '"';
}

const FormatCase kOneDecimal[] = {
    {0, "#.0", ".0", "Zero"},
    {-0.0, "#.0", ".0", "MinusZeroWithoutSign"},
    {0.25, "#.0", ".3", "HalfwayAwayFromZero"},
    {0.15, "#.0", ".2", "HalfwayOfTheShortestDigits"},
    {-2.25, "#.0", "-2.3", "NegativeHalfwayAwayFromZero"},
    {0.04, "#.0", ".0", "RoundsToZero"},
    {-0.04, "#.0", ".0", "NegativeRoundsToZeroWithoutSign"},
    {0.05, "#.0", ".1", "SmallHalfway"},
    {-0.05, "#.0", "-.1", "NegativeSmallHalfway"},
    {0.96, "#.0", "1.0", "CarryIntoAnEmptyIntegerPart"},
    {-0.96, "#.0", "-1.0", "NegativeCarryIntoAnEmptyIntegerPart"},
    {9.96, "#.0", "10.0", "CarryGainsADigit"},
    {99999.95, "#.0", "100000.0", "CarryThroughEveryDigit"},
    {1e20, "#.0", "100000000000000000000.0", "TenToTheTwenty"},
    {123456789, "#.0", "123456789.0", "NineDigits"},
    {std::numeric_limits<Double>::denorm_min(), "#.0", ".0", "SmallestSubnormal"},
    {kInf, "#.0", "Infinity", "Infinity"},
    {-kInf, "#.0", "-Infinity", "MinusInfinity"},
    {kNaN, "#.0", "NaN", "NaN"},
};

const FormatCase kOtherPatterns[] = {
    {1234567.891, "#,##0.00", "1,234,567.89", "GroupsOfThree"},
    {-1234.5, "#,##0.00", "-1,234.50", "NegativeGrouped"},
    {999.995, "#,##0.00", "1,000.00", "CarryGainsAGroup"},
    {0.5, "#,##0.00", "0.50", "RequiredIntegerDigit"},
    {0.25, "0.0", "0.3", "RequiredDigitHalfway"},
    {-0.04, "0.0", "0.0", "RequiredDigitZeroWithoutSign"},
    {5, "000.0", "005.0", "LeadingZeros"},
    {2.5, "#", "3", "WholeHalfwayAwayFromZero"},
    {-2.5, "#", "-3", "NegativeWholeHalfwayAwayFromZero"},
    {0.5, "#", "1", "WholeCarryFromNothing"},
    {1.2, "#.##", "1.2", "OptionalPlacesDropTrailingZeros"},
    {2.675, "#.00", "2.68", "TwoPlacesFromTheShortestDigits"},
    {12.34, "[#.0]", "[12.3]", "LiteralsAround"},
    {32374, "Vorpex #.0 points", "Vorpex 32374.0 points", "WordsAround"},
    {kInf, "#,##0.00", "Infinity", "InfinityWhateverThePattern"},
};

class FormatGives : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatGives, TheExpectedText) {
  EXPECT_EQ(rt::Format(GetParam().value, GetParam().pattern), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(OneDecimal, FormatGives, ::testing::ValuesIn(kOneDecimal),
                         [](const auto& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(OtherPatterns, FormatGives, ::testing::ValuesIn(kOtherPatterns),
                         [](const auto& info) { return std::string(info.param.name); });

// --- ToInteger ---

struct ToIntegerCase {
  std::string_view name;
  Double value;
  Integer integer;
};
void PrintTo(const ToIntegerCase& c, std::ostream* os) { *os << c.value; }

constexpr ToIntegerCase kToIntegerCases[] = {
    {"NaN", kNaN, 0},
    {"Infinity", kInf, kMaxInteger},
    {"MinusInfinity", -kInf, kMinInteger},
    {"Huge", 1e300, kMaxInteger},
    {"MinusHuge", -1e300, kMinInteger},
    {"TruncatesDown", 2.9, 2},
    {"TruncatesTowardZero", -2.9, -2},
    {"BelowOne", 0.999, 0},
    {"MinusZero", -0.0, 0},
    {"TwoToThe63", 9223372036854775808.0, kMaxInteger},
    {"MinusTwoToThe63", -9223372036854775808.0, kMinInteger},
    {"LargestBelowTwoToThe63", 9223372036854774784.0, 9223372036854774784},
};

class ToIntegerGives : public ::testing::TestWithParam<ToIntegerCase> {};

TEST_P(ToIntegerGives, TheTruncatedOrSaturatedValue) {
  EXPECT_EQ(rt::ToInteger(GetParam().value), GetParam().integer);
}

INSTANTIATE_TEST_SUITE_P(Values, ToIntegerGives, ::testing::ValuesIn(kToIntegerCases),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Asc and Chr ---

TEST(AscAndChr, RoundTripEveryEncodedLength) {
  for (const Integer code : {0x00, 0x41, 0x7F, 0x80, 0xE9, 0x7FF, 0x800, 0x20AC, 0xFFFD, 0xFFFF,
                             0x10000, 0x1F600, 0x10FFFF}) {
    const std::string text = rt::Chr(code);
    EXPECT_EQ(rt::Asc(text), code) << std::hex << code;
  }
  EXPECT_EQ(rt::Chr(0xE9), "\u00E9");
  EXPECT_EQ(rt::Chr(0x20AC), "\u20AC");
  EXPECT_EQ(rt::Chr(0x1F600), "\U0001F600");
  EXPECT_EQ(rt::Chr(0x10FFFF).size(), 4u);
}

TEST(AscAndChr, AscReadsOnlyTheFirstCharacter) {
  EXPECT_EQ(rt::Asc("AB"), 65);
  EXPECT_EQ(rt::Asc("\u00E9t\u00E9"), 0xE9);
  EXPECT_EQ(rt::Asc("\U0001F600x"), 0x1F600);
  EXPECT_EQ(rt::Asc(""), 0);
}

TEST(AscAndChr, AscOfInvalidUtf8IsTheReplacementCode) {
  for (const std::string_view bad : {
           "\x80",              // stray continuation byte
           "\xC3",              // truncated two-byte sequence
           "\xE2\x82",          // truncated three-byte sequence
           "\xC3\x41",          // lead byte followed by an ASCII letter
           "\xC0\xAF",          // overlong slash
           "\xE0\x80\x80",      // overlong zero
           "\xED\xA0\x80",      // surrogate
           "\xF4\x90\x80\x80",  // above U+10FFFF
           "\xF8\x88\x80\x80\x80",
           "\xFF",
       }) {
    EXPECT_EQ(rt::Asc(bad), 65533) << ::testing::PrintToString(bad);
  }
}

TEST(AscAndChr, ChrOfNoCharacterIsEmpty) {
  for (const Integer code : {Integer{-1}, Integer{0xD800}, Integer{0xDFFF}, Integer{0x110000},
                             kMaxInteger, kMinInteger}) {
    EXPECT_EQ(rt::Chr(code), "") << code;
  }
}

// --- Log ---

TEST(Log, FollowsIeeeAtTheEdges) {
  EXPECT_TRUE(SameDouble(rt::Log(0), -kInf));
  EXPECT_TRUE(SameDouble(rt::Log(-0.0), -kInf));
  EXPECT_TRUE(std::isnan(rt::Log(-1)));
  EXPECT_TRUE(SameDouble(rt::Log(1), 0));
  EXPECT_TRUE(SameDouble(rt::Log(kInf), kInf));
}

// --- The criterion ---

struct CriterionCase {
  std::string_view name;
  Double bic, entropy;
  Integer n, k;
  Double value;
};
void PrintTo(const CriterionCase& c, std::ostream* os) { *os << c.name; }

// Bit for bit, each operation rounded in turn in the order ((2 (1 - entropy)) N) ln K + BIC.
// Each row tells that order from another: (1 - entropy) (N ln K), ((1 - entropy) ln K) N, or the
// last product and the sum fused into one rounding.
constexpr CriterionCase kExact[] = {
    {"NotTimesNLnK", 269836, 481895229, 8348, 78366, -0x1.49d98bb2c3a9cp+46},
    {"NeitherRegrouping", 31832, .794, 1377, 4, 0x1.fda9e9891e548p+14},
    {"NotFused", 100, .5, 100, 2, 0x1.52a122b99bea2p+7},
};

class CriterionInOrder : public ::testing::TestWithParam<CriterionCase> {};

TEST_P(CriterionInOrder, GivesTheExactDouble) {
  const auto& c = GetParam();
  EXPECT_TRUE(SameDouble(VorpexCriterion(c.bic, c.entropy, c.n, c.k), c.value));
}

INSTANTIATE_TEST_SUITE_P(Products, CriterionInOrder, ::testing::ValuesIn(kExact),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Criterion, IsExactlyTheBicWhenThePenaltyVanishes) {
  for (const Double bic : {0.0, -17.5, 1234.5, 32374.0, 1e300}) {
    for (const Double entropy : {0.0, 0.3, 0.999, 1.5}) {
      for (const Integer n : {Integer{1}, Integer{1377}, Integer{1000000}}) {
        EXPECT_EQ(VorpexCriterion(bic, entropy, n, 1), bic) << "one class";
        EXPECT_EQ(VorpexCriterion(bic, 1.0, n, 7), bic) << "entropy 1";
      }
      EXPECT_EQ(VorpexCriterion(bic, entropy, 0, 7), bic) << "no subjects";
    }
  }
}

TEST(Criterion, NoClassesGiveMinusInfinityOrNaN) {
  EXPECT_TRUE(SameDouble(VorpexCriterion(100, 0.5, 100, 0), -kInf));
  EXPECT_TRUE(SameDouble(VorpexCriterion(100, 0.0, 1, 0), -kInf));
  EXPECT_TRUE(std::isnan(VorpexCriterion(100, 1.0, 100, 0))) << "0 times minus infinity";
  EXPECT_TRUE(std::isnan(VorpexCriterion(100, 0.5, 0, 0))) << "0 times minus infinity";
  EXPECT_TRUE(std::isnan(VorpexCriterion(100, 0.5, 100, -2))) << "logarithm of a negative";
}

}  // namespace
