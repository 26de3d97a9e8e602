#include <ostream>
#include <string>

#include "Harness.h"
#include "calculator/Criterion.h"
#include "help/HelpText.h"
#include "runtime/Functions.h"

namespace {

struct Example {
  const char* n;
  const char* classes;
  const char* bic;
  const char* entropy;
  const char* shown;
};

void PrintTo(const Example& e, std::ostream* os) {
  *os << "N " << e.n << ", classes " << e.classes << ", BIC " << e.bic << ", entropy " << e.entropy;
}

// The worked examples of the help text.
constexpr Example kExamples[] = {
    {"1377", "1", "32374", "1.00", "32374.0"},
    {"1377", "2", "32062", ".747", "32545.0"},
    {"1377", "3", "31892", ".774", "32575.8"},
    {"1377", "4", "31832", ".794", "32618.5"},
};

class Calculation : public WindowTest, public ::testing::WithParamInterface<Example> {};

TEST_P(Calculation, TypedInputsShowTheCriterionWithOneDecimal) {
  const Example& e = GetParam();
  auto& w = ControlWnd();
  Type(w.nFld(), e.n);
  Type(w.clasFld(), e.classes);
  Type(w.bicFld(), e.bic);
  Type(w.entropyFld(), e.entropy);
  Click(w.calcBtn());
  EXPECT_TRUE(rt::testing::MessageBoxes().empty());
  EXPECT_TRUE(w.VorpexText().Visible());
  EXPECT_TRUE(w.VorpexFld().Visible());
  EXPECT_EQ(w.VorpexFld().Text(), e.shown);
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, Calculation, ::testing::ValuesIn(kExamples),
                         [](const ::testing::TestParamInfo<Example>& info) {
                           return "Classes" + std::string(info.param.classes);
                         });

}  // namespace
