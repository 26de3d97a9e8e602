// Layout checks for the help text. The help window relies on this layout: it splits nothing
// itself, shows the text as is and sets the first six characters in bold, and the example table
// lines up only with the exact tabs and spaces below.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "HelpLines.h"
#include "runtime/Functions.h"

namespace {

constexpr int kLineCount = 43;

// Whether the text is UTF-8 throughout: each character, decoded by Asc and encoded again by Chr,
// gives back the same bytes; a sequence that does not decode gives the replacement character.
bool IsValidUtf8(std::string_view text) {
  for (std::string_view rest = text; !rest.empty();) {
    const std::string character = rt::Chr(rt::Asc(rest));
    if (character.empty() || !rest.starts_with(character)) return false;
    rest.remove_prefix(character.size());
  }
  return true;
}

TEST(HelpTextLineEnds, AreSingleCarriageReturnsWithNoneAfterTheLastLine) {
  EXPECT_EQ(kHelpText.find('\n'), std::string_view::npos) << "line feed in the help text";
  ASSERT_FALSE(kHelpText.empty());
  EXPECT_NE(kHelpText.back(), '\r') << "line end after the last line";
  EXPECT_EQ(std::count(kHelpText.begin(), kHelpText.end(), '\r'), kLineCount - 1);
}

TEST(HelpTextLineEnds, OnlySeparatorLinesAreBlankAndTheyAreEmpty) {
  // Between sections, and between the reference entries (the entry on lines 29-30 is the one
  // that continues over two lines).
  const std::set<int> blank = {2, 4, 6, 8, 11, 19, 22, 24, 26, 28, 31, 33, 35, 37, 40, 42};
  for (int number = 1; number <= kLineCount; ++number) {
    SCOPED_TRACE("line " + std::to_string(number));
    EXPECT_EQ(HelpLine(number).empty(), blank.contains(number)) << HelpLine(number);
  }
}

struct ExactLine {
  int number;
  std::string_view text;
};

void PrintTo(const ExactLine& line, std::ostream* os) { *os << "line " << line.number; }

class HelpTextFixedLine : public testing::TestWithParam<ExactLine> {};

TEST_P(HelpTextFixedLine, ReadsExactly) { EXPECT_EQ(HelpLine(GetParam().number), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    TitleFormulaTableAndDividers, HelpTextFixedLine,
    testing::Values(
        ExactLine{1, "Vorpex"},
        ExactLine{10, "     Vorpex = BIC + (2 * (1 - entropy) * N) * log (# classes)"},
        ExactLine{13, "  N\t\tClass\tBIC\t\tEntropy\t\t\tVorpex"},
        ExactLine{14, "1377\t  1\t\t32,374\t1.00\t\t\t32,374"},
        ExactLine{15, "1377\t  2\t\t32,062\t.747\t\t\t32,545"},
        ExactLine{16, "1377\t  3\t\t31,892\t.774\t\t\t32,576"},
        ExactLine{17, "1377\t  4\t\t31,832\t.794\t\t\t32,616"}, ExactLine{20, "References"},
        // 72 asterisks.
        ExactLine{38, "************************************************************************"}),
    [](const testing::TestParamInfo<ExactLine>& info) {
      return "Line" + std::to_string(info.param.number);
    });

TEST(HelpTextExampleTable, RowsAreThirtyCharactersWide) {
  for (int number = 14; number <= 17; ++number) {
    SCOPED_TRACE("line " + std::to_string(number));
    EXPECT_EQ(HelpLine(number).size(), 30u);
  }
}

TEST(HelpTextExampleTable, TabsOccurOnlyInTheTable) {
  EXPECT_EQ(std::count(kHelpText.begin(), kHelpText.end(), '\t'), 36);
  for (int number = 1; number <= kLineCount; ++number) {
    if (number >= 13 && number <= 17) continue;
    EXPECT_EQ(HelpLine(number).find('\t'), std::string_view::npos) << "tab in line " << number;
  }
}

TEST(HelpTextProse, LeadInLinesEndInAColon) {
  for (int number : {9, 12}) {
    ASSERT_FALSE(HelpLine(number).empty()) << "line " << number;
    EXPECT_EQ(HelpLine(number).back(), ':') << "line " << number;
  }
}

TEST(HelpTextProse, ExplanatoryParagraphsQuoteNothing) {
  for (int number : {3, 5, 7}) {
    for (std::string_view mark : {"\"", "\u201C", "\u201D", "\u201E", "\u00AB", "\u00BB"}) {
      EXPECT_EQ(HelpLine(number).find(mark), std::string_view::npos)
          << "quotation mark " << mark << " in line " << number;
    }
  }
}

TEST(HelpTextEncoding, IsValidUtf8) {
  EXPECT_TRUE(IsValidUtf8(kHelpText));
  EXPECT_NE(kHelpText.find("Muth\u00E9n"), std::string_view::npos);
}

}  // namespace
