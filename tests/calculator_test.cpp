// The calculator window driven as the user drives it: Calculate with missing and odd inputs,
// Clear, "?" and the tab order of the inputs.

#include <QLocale>
#include <QWidget>
#include <algorithm>
#include <clocale>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "Harness.h"
#include "help/helpWnd.h"
#include "runtime/Window.h"

namespace {

// --- Missing inputs ---

struct MissingCase {
  std::string_view name;
  std::string_view n, classes, bic, entropy;
  Input focusBefore;
  Input missing;
  std::string_view message;
};

constexpr std::string_view kNoSubjects = "Please enter the number of subjects.\r";
constexpr std::string_view kNoClasses = "Please enter the number of classes/profiles.\r";
constexpr std::string_view kNoBic = "Please enter the BIC value.\r";
constexpr std::string_view kNoEntropy = "Please enter the entropy value.\r";

// The first empty field, in the order N, classes, BIC, entropy, is the one reported.
constexpr MissingCase kMissing[] = {
    {"AllEmpty", "", "", "", "", Input::kEntropy, Input::kN, kNoSubjects},
    {"OnlyNGiven", "100", "", "", "", Input::kN, Input::kClasses, kNoClasses},
    {"NAndClassesGiven", "100", "2", "", "", Input::kN, Input::kBic, kNoBic},
    {"OnlyEntropyMissing", "100", "2", "100", "", Input::kN, Input::kEntropy, kNoEntropy},
    {"OnlyNMissing", "", "2", "100", ".5", Input::kEntropy, Input::kN, kNoSubjects},
    {"OnlyClassesMissing", "100", "", "100", ".5", Input::kEntropy, Input::kClasses, kNoClasses},
    {"OnlyBicMissing", "100", "2", "", ".5", Input::kN, Input::kBic, kNoBic},
    {"BicAndEntropyMissing", "100", "2", "", "", Input::kEntropy, Input::kBic, kNoBic},
};

class CalculateWithMissingInput : public WindowTest,
                                  public ::testing::WithParamInterface<MissingCase> {};

TEST_P(CalculateWithMissingInput, ReportsTheFirstEmptyFieldAndFocusesIt) {
  const MissingCase& c = GetParam();
  auto& w = ActiveCalculator();
  Enter(w, c.n, c.classes, c.bic, c.entropy);
  FieldOf(w, c.focusBefore).SetFocus();
  ASSERT_TRUE(HasFocus(FieldOf(w, c.focusBefore)));

  Click(w.calcBtn());

  EXPECT_EQ(rt::testing::MessageBoxes(), std::vector<rt::String>{rt::String(c.message)});
  EXPECT_TRUE(HasFocus(FieldOf(w, c.missing)));
  EXPECT_EQ(DisplayOf(w), ResultDisplay::kHidden);
  EXPECT_EQ(w.VorpexFld().Text(), "");
  EXPECT_EQ(rt::testing::BeepCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Fields, CalculateWithMissingInput, ::testing::ValuesIn(kMissing), kByName);

TEST_F(WindowTest, SuccessfulCalculationLeavesTheFocusWhereItWas) {
  auto& w = ActiveCalculator();
  Enter(w, "100", "2", "100", ".5");
  for (const Input input : kInputs) {
    SCOPED_TRACE(NameOf(input));
    FieldOf(w, input).SetFocus();
    Click(w.calcBtn());
    EXPECT_TRUE(HasFocus(FieldOf(w, input)));
    EXPECT_EQ(w.VorpexFld().Text(), "169.3");
  }
  EXPECT_TRUE(rt::testing::MessageBoxes().empty());
}

// --- What odd inputs give ---

struct ResultCase {
  std::string_view name;
  std::string_view n, classes, bic, entropy;
  std::string_view shown;
};
void PrintTo(const ResultCase& c, std::ostream* os) {
  *os << "N \"" << c.n << "\", classes \"" << c.classes << "\", BIC \"" << c.bic << "\", entropy \""
      << c.entropy << '"';
}

// With N 100, 2 classes, BIC 100 and entropy .5 the criterion is 100 + 100 ln 2 = 169.3; each row
// changes one or two of these. N and the classes are whole numbers: fractions are cut toward zero
// and values beyond the Integer range are its largest value.
constexpr ResultCase kResults[] = {
    {"Reference", "100", "2", "100", ".5", "169.3"},
    {"SpaceAsNIsNoSubjects", " ", "2", "100", ".5", "100.0"},
    {"MinusAsNIsNoSubjects", "-", "2", "100", ".5", "100.0"},
    {"NoSubjects", "0", "2", "100", ".5", "100.0"},
    {"NegativeSubjects", "-100", "2", "100", ".5", "30.7"},
    {"NegativeFractionalSubjectsCutTowardZero", "-2.9", "2", "100", ".5", "98.6"},
    {"SubjectsBeyondDoubleRange", "9e999", "2", "100", ".5", "6393154322601328000.0"},
    {"LongDigitSubjects", "12345678901234567890123", "2", "100", ".5", "6393154322601328000.0"},
    {"FractionalClassesCutToOne", "100", "1.9", "100", ".5", "100.0"},
    {"FractionalClassesCutToTwo", "100", "2.9", "100", ".5", "169.3"},
    {"NegativeFractionalClassesCutToNoClasses", "100", "-.9", "100", ".5", "-Infinity"},
    {"NoClasses", "100", "0", "100", ".5", "-Infinity"},
    {"PointAsClassesIsNoClasses", "100", ".", "100", ".5", "-Infinity"},
    {"SpaceAsClassesIsNoClasses", "100", " ", "100", ".5", "-Infinity"},
    {"NoClassesAndEntropyOne", "100", "0", "100", "1", "NaN"},
    {"NegativeClasses", "100", "-2", "100", ".5", "NaN"},
    {"LongDigitClasses", "100", "99999999999999999999", "100", ".5", "4466.8"},
    {"PointAsBicIsZero", "100", "2", ".", ".5", "69.3"},
    {"TwoPointsAsBicIsZero", "100", "2", "..", ".5", "69.3"},
    {"MinusAsBicIsZero", "100", "2", "-", ".5", "69.3"},
    {"SecondPointEndsTheBic", "100", "2", "1.2.3", ".5", "70.5"},
    {"BicBeyondDoubleRange", "100", "2", "9e999", ".5", "Infinity"},
    {"NegativeBicBeyondDoubleRange", "100", "2", "-9e999", ".5", "-Infinity"},
    {"InfiniteBicWithNoClasses", "100", "0", "9e999", ".5", "NaN"},
    {"LongDigitBic", "100", "2", "123456789012345678901234567890", "1",
     "123456789012345680000000000000.0"},
    {"ResultLongerThanTheFieldLimit", "100", "2", "123456789", "1", "123456789.0"},
    {"PointAsEntropyIsZero", "100", "2", "100", ".", "238.6"},
    {"EntropyAboveOne", "100", "2", "100", "1.5", "30.7"},
    {"EntropyBeyondDoubleRange", "100", "2", "100", "9e999", "-Infinity"},
    {"HalfWithoutLeadingZero", "100", "1", ".5", ".5", ".5"},
    {"NegativeBelowOneWithoutLeadingZero", "100", "1", "-.3", ".5", "-.3"},
    {"ZeroAsPointZero", "100", "1", "0", ".5", ".0"},
    // The products in the order ((2 (1 - entropy)) N) ln K: regrouped, this shows "...514.5".
    {"ProductsInTheStatedOrder", "8348", "78366", "269836", "481895229", "-90668419297514.4"},
    // N 1377, 4 classes, BIC 31832, entropy .794, with N pasted in full-width digits.
    {"FullWidthDigitSubjects", "\uFF11\uFF13\uFF17\uFF17", "4", "31832", ".794", "32618.5"},
};

class CalculateShows : public WindowTest, public ::testing::WithParamInterface<ResultCase> {};

TEST_P(CalculateShows, TheDefinedResultText) {
  const ResultCase& c = GetParam();
  auto& w = ControlWnd();
  Enter(w, c.n, c.classes, c.bic, c.entropy);
  Click(w.calcBtn());
  EXPECT_TRUE(rt::testing::MessageBoxes().empty());
  EXPECT_EQ(DisplayOf(w), ResultDisplay::kShown);
  EXPECT_EQ(w.VorpexFld().Text(), c.shown);
}

INSTANTIATE_TEST_SUITE_P(Inputs, CalculateShows, ::testing::ValuesIn(kResults), kByName);

// The calculation cases run once more with LC_ALL=de_DE.UTF-8 (see CMakeLists.txt): there, the
// decimal comma must really be in force, for the C library and for Qt alike.
TEST(Locale, AskedForIsInForce) {
  const QByteArray asked = qgetenv("LC_ALL");
  if (asked != "de_DE.UTF-8") GTEST_SKIP() << "not run in the German locale";
  EXPECT_STREQ(std::localeconv()->decimal_point, ",");
  EXPECT_EQ(QLocale::system().decimalPoint(), ",");
}

// --- Clear ---

struct ClearCase {
  std::string_view name;
  void (*before)(class ControlWnd&);
};

const ClearCase kClearCases[] = {
    {"AlreadyEmpty", [](class ControlWnd&) {}},
    {"AfterACalculation",
     [](class ControlWnd& w) {
       Enter(w, "100", "2", "100", ".5");
       Click(w.calcBtn());
     }},
    {"WithTheLabelOnly",
     [](class ControlWnd& w) {
       Enter(w, "100", "2", "100", ".5");
       Click(w.calcBtn());
       Press(w.nFld(), Qt::Key_Left);
     }},
    {"WithInputsButNoResult", [](class ControlWnd& w) { Enter(w, "100", "2", "100", ".5"); }},
};

class ClearButton : public WindowTest, public ::testing::WithParamInterface<ClearCase> {};

TEST_P(ClearButton, EmptiesEveryFieldHidesTheResultAndFocusesN) {
  auto& w = ActiveCalculator();
  GetParam().before(w);
  w.entropyFld().SetFocus();

  Click(w.clearBtn());

  for (const rt::TextField* field :
       {&w.nFld(), &w.clasFld(), &w.bicFld(), &w.entropyFld(), &w.VorpexFld()}) {
    EXPECT_EQ(field->Text(), "") << field->Name();
  }
  EXPECT_EQ(DisplayOf(w), ResultDisplay::kHidden);
  EXPECT_TRUE(HasFocus(w.nFld()));
  EXPECT_EQ(rt::testing::BeepCount(), 0);
  EXPECT_TRUE(rt::testing::MessageBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(States, ClearButton, ::testing::ValuesIn(kClearCases), kByName);

// --- "?" ---

TEST_F(WindowTest, HelpButtonShowsTheOneHelpWindow) {
  auto& w = ControlWnd();
  ASSERT_EQ(rt::GetImplicitWindow("helpWnd.helpWnd"), nullptr);

  Click(w.helpBtn());
  rt::Window* shown = rt::GetImplicitWindow("helpWnd.helpWnd");
  ASSERT_NE(shown, nullptr);
  EXPECT_TRUE(shown->Visible());
  EXPECT_EQ(shown->Title(), "Info");

  shown->Hide();
  Click(w.helpBtn());
  EXPECT_EQ(rt::GetImplicitWindow("helpWnd.helpWnd"), shown);
  EXPECT_EQ(&helpWnd(), shown);
  EXPECT_TRUE(shown->Visible());

  Click(w.helpBtn());
  EXPECT_EQ(rt::GetImplicitWindow("helpWnd.helpWnd"), shown);
  int infoWindows = 0;
  for (const QWidget* top : QApplication::topLevelWidgets()) {
    if (top->isVisible() && top->windowTitle() == "Info") ++infoWindows;
  }
  EXPECT_EQ(infoWindows, 1);
}

// --- Tab order ---

// Presses a key where the keyboard focus is, as the keyboard would.
void PressAtFocus(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QWidget* focus = QApplication::focusWidget();
  ASSERT_NE(focus, nullptr);
  QTest::keyClick(focus, key, modifiers);
}

struct TabCase {
  std::string_view name;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  Input visits[4];
};

const TabCase kTabCases[] = {
    {"TabGoesForward",
     Qt::Key_Tab,
     Qt::NoModifier,
     {Input::kClasses, Input::kBic, Input::kEntropy, Input::kN}},
    {"ShiftTabGoesBack",
     Qt::Key_Backtab,
     Qt::ShiftModifier,
     {Input::kEntropy, Input::kBic, Input::kClasses, Input::kN}},
};

class TabOrder : public WindowTest, public ::testing::WithParamInterface<TabCase> {};

TEST_P(TabOrder, VisitsOnlyTheFourInputsInTurn) {
  auto& w = ActiveCalculator();
  w.nFld().SetFocus();
  ASSERT_TRUE(HasFocus(w.nFld()));
  for (const Input expected : GetParam().visits) {
    PressAtFocus(GetParam().key, GetParam().modifiers);
    EXPECT_TRUE(HasFocus(FieldOf(w, expected)))
        << "expected " << NameOf(expected) << ", focus on "
        << (QApplication::focusWidget() ? QApplication::focusWidget()->metaObject()->className()
                                        : "nothing");
  }
  EXPECT_EQ(rt::testing::BeepCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Keys, TabOrder, ::testing::ValuesIn(kTabCases), kByName);

TEST_F(WindowTest, OnlyTheFourInputsTakeTheFocusByTab) {
  auto& w = ControlWnd();
  Enter(w, "100", "2", "100", ".5");
  Click(w.calcBtn());  // the result field is shown
  const std::vector<const QWidget*> inputs = {w.nFld().Widget(), w.clasFld().Widget(),
                                              w.bicFld().Widget(), w.entropyFld().Widget()};
  for (const auto& control : w.Controls()) {
    const auto* rect = dynamic_cast<const rt::RectControl*>(control.get());
    ASSERT_NE(rect, nullptr) << control->Name();
    const bool input = std::find(inputs.begin(), inputs.end(), rect->Widget()) != inputs.end();
    EXPECT_EQ((rect->Widget()->focusPolicy() & Qt::TabFocus) != 0, input) << control->Name();
  }
}

}  // namespace
