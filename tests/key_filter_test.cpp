// The key filters of the four input fields, with real key presses: which keys each field takes,
// what an accepted key does to the result display and the other fields, and the character limits.

#include <QClipboard>
#include <QObject>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <tuple>

#include "Harness.h"

namespace {

// Which fields take a key; a shortcut that the fields have no use for is ignored without a beep.
enum class Taken { kEverywhere, kInBicAndEntropy, kNowhere, kIgnored };

struct Key {
  std::string_view name;
  Qt::Key key;
  const char16_t* text;  // what the keyboard gives with it
  Qt::KeyboardModifiers modifiers;
  Taken taken;
  // The field's text and cursor after the key, from "12" with the cursor between the digits,
  // when the field takes it.
  std::string_view textAfter;
  int cursorAfter;
};

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kAlt = Qt::AltModifier;
constexpr Qt::KeyboardModifiers kKeypad = Qt::KeypadModifier;

const Key kKeys[] = {
    {"Digit0", Qt::Key_0, u"0", kNone, Taken::kEverywhere, "102", 2},
    {"Digit5", Qt::Key_5, u"5", kNone, Taken::kEverywhere, "152", 2},
    {"Digit9", Qt::Key_9, u"9", kNone, Taken::kEverywhere, "192", 2},
    {"Backspace", Qt::Key_Backspace, u"\b", kNone, Taken::kEverywhere, "2", 0},
    {"Delete", Qt::Key_Delete, u"\x7f", kNone, Taken::kEverywhere, "1", 1},
    {"Left", Qt::Key_Left, u"", kNone, Taken::kEverywhere, "12", 0},
    {"Right", Qt::Key_Right, u"", kNone, Taken::kEverywhere, "12", 2},
    {"Tab", Qt::Key_Tab, u"\t", kNone, Taken::kEverywhere, "12", 1},
    {"ShiftTab", Qt::Key_Backtab, u"", Qt::ShiftModifier, Taken::kEverywhere, "12", 1},
    {"Point", Qt::Key_Period, u".", kNone, Taken::kInBicAndEntropy, "1.2", 2},
    {"Slash", Qt::Key_Slash, u"/", kNone, Taken::kNowhere, "", 0},
    {"Colon", Qt::Key_Colon, u":", Qt::ShiftModifier, Taken::kNowhere, "", 0},
    {"LetterA", Qt::Key_A, u"a", kNone, Taken::kNowhere, "", 0},
    {"LetterE", Qt::Key_E, u"e", kNone, Taken::kNowhere, "", 0},
    {"CapitalE", Qt::Key_E, u"E", Qt::ShiftModifier, Taken::kNowhere, "", 0},
    {"Plus", Qt::Key_Plus, u"+", Qt::ShiftModifier, Taken::kNowhere, "", 0},
    {"Minus", Qt::Key_Minus, u"-", kNone, Taken::kNowhere, "", 0},
    {"Comma", Qt::Key_Comma, u",", kNone, Taken::kNowhere, "", 0},
    {"Space", Qt::Key_Space, u" ", kNone, Taken::kNowhere, "", 0},
    {"EAcute", Qt::Key_Eacute, u"\u00e9", kNone, Taken::kNowhere, "", 0},
    {"Return", Qt::Key_Return, u"\r", kNone, Taken::kNowhere, "", 0},
    {"Enter", Qt::Key_Enter, u"\r", Qt::KeypadModifier, Taken::kNowhere, "", 0},
    {"Escape", Qt::Key_Escape, u"\x1b", kNone, Taken::kNowhere, "", 0},
    {"Up", Qt::Key_Up, u"", kNone, Taken::kNowhere, "", 0},
    {"Down", Qt::Key_Down, u"", kNone, Taken::kNowhere, "", 0},
    {"Home", Qt::Key_Home, u"", kNone, Taken::kNowhere, "", 0},
    {"End", Qt::Key_End, u"", kNone, Taken::kNowhere, "", 0},
    {"F1", Qt::Key_F1, u"", kNone, Taken::kNowhere, "", 0},
    // Held with Alt, AltGr or Meta a key types what it types alone.
    {"AltMinus", Qt::Key_Minus, u"-", kAlt, Taken::kNowhere, "", 0},
    {"AltA", Qt::Key_A, u"a", kAlt, Taken::kNowhere, "", 0},
    {"MetaE", Qt::Key_E, u"e", Qt::MetaModifier, Taken::kNowhere, "", 0},
    {"AltGrAt", Qt::Key_At, u"@", Qt::GroupSwitchModifier, Taken::kNowhere, "", 0},
    {"CtrlAltMinus", Qt::Key_Minus, u"-", kCtrl | kAlt, Taken::kNowhere, "", 0},
    {"AltDigit5", Qt::Key_5, u"5", kAlt, Taken::kEverywhere, "152", 2},
    // Only the character the filter judged is typed.
    {"TwoCharacters", Qt::Key_5, u"5-", kNone, Taken::kEverywhere, "152", 2},
    // The keypad's decimal key gives the point whatever the layout gives.
    {"KeypadComma", Qt::Key_Comma, u",", kKeypad, Taken::kInBicAndEntropy, "1.2", 2},
    {"KeypadPoint", Qt::Key_Period, u".", kKeypad, Taken::kInBicAndEntropy, "1.2", 2},
    // Ctrl chords: word deletions act as Backspace and Delete; a character is no typing.
    {"CtrlBackspace", Qt::Key_Backspace, u"", kCtrl, Taken::kEverywhere, "2", 0},
    {"CtrlDelete", Qt::Key_Delete, u"", kCtrl, Taken::kEverywhere, "1", 1},
    {"CtrlDigit5", Qt::Key_5, u"5", kCtrl, Taken::kIgnored, "", 0},
    {"CtrlShiftMinus", Qt::Key_Underscore, u"_", kCtrl | Qt::ShiftModifier, Taken::kIgnored, "", 0},
};

bool Takes(Input input, const Key& key) {
  const bool decimal = input == Input::kBic || input == Input::kEntropy;
  return key.taken == Taken::kEverywhere || (key.taken == Taken::kInBicAndEntropy && decimal);
}

// Every field still holds "12", and the result of Calculated is still shown.
void ExpectUntouched(const class ControlWnd& w, const std::string& result) {
  EXPECT_EQ(DisplayOf(w), ResultDisplay::kShown);
  EXPECT_EQ(w.VorpexFld().Text(), result);
  for (const Input input : kInputs) EXPECT_EQ(FieldOf(w, input).Text(), "12") << input;
}

class KeyInField : public WindowTest,
                   public ::testing::WithParamInterface<std::tuple<Input, Key>> {};

TEST_P(KeyInField, IsTakenWithItsEffectOrRejectedWithOneBeep) {
  const auto& [input, key] = GetParam();
  auto& w = ActiveCalculator();
  const std::string result = Calculated(w);
  auto& field = FieldOf(w, input);
  field.SetFocus();
  Edit(field)->setCursorPosition(1);

  PressWithText(field, key.key, QString::fromUtf16(key.text), key.modifiers);

  const auto otherText = [&](Input other) { return FieldOf(w, other).Text(); };
  if (Takes(input, key)) {
    EXPECT_EQ(rt::testing::BeepCount(), 0);
    EXPECT_EQ(field.Text(), key.textAfter);
    EXPECT_EQ(Edit(field)->cursorPosition(), key.cursorAfter);
    EXPECT_EQ(w.VorpexFld().Text(), "");
    if (input == Input::kClasses) {
      EXPECT_EQ(DisplayOf(w), ResultDisplay::kHidden);
      EXPECT_EQ(otherText(Input::kBic), "");
      EXPECT_EQ(otherText(Input::kEntropy), "");
      EXPECT_EQ(otherText(Input::kN), "12");
    } else {
      EXPECT_EQ(DisplayOf(w), ResultDisplay::kLabelOnly);
      for (const Input other : kInputs) {
        if (other != input) {
          EXPECT_EQ(otherText(other), "12") << other;
        }
      }
    }
  } else {
    EXPECT_EQ(rt::testing::BeepCount(), key.taken == Taken::kIgnored ? 0 : 1);
    EXPECT_EQ(field.Text(), "12");
    EXPECT_EQ(Edit(field)->cursorPosition(), 1);
    EXPECT_TRUE(HasFocus(field));
    ExpectUntouched(w, result);
  }
}

INSTANTIATE_TEST_SUITE_P(FieldsAndKeys, KeyInField,
                         ::testing::Combine(::testing::ValuesIn(kInputs),
                                            ::testing::ValuesIn(kKeys)),
                         [](const ::testing::TestParamInfo<std::tuple<Input, Key>>& info) {
                           return std::string(NameOf(std::get<0>(info.param))) + "_" +
                                  std::string(std::get<1>(info.param).name);
                         });

// The classes filter empties BIC and entropy even when there is nothing to edit.
TEST_F(WindowTest, EditingKeysInAnEmptyClassesFieldStillEmptyBicAndEntropy) {
  auto& w = ActiveCalculator();
  for (const Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Right}) {
    Enter(w, "100", "", "100", ".5");
    w.clasFld().SetFocus();
    Press(w.clasFld(), key);
    EXPECT_EQ(w.bicFld().Text(), "") << key;
    EXPECT_EQ(w.entropyFld().Text(), "") << key;
    EXPECT_EQ(w.nFld().Text(), "100") << key;
  }
  EXPECT_EQ(rt::testing::BeepCount(), 0);
}

// What the window shows at the moment the field's text changes, or the focus leaves it.
struct Seen {
  ResultDisplay display;
  std::string result, bic, entropy;
};

Seen Look(const class ControlWnd& w) {
  return {DisplayOf(w), w.VorpexFld().Text(), w.bicFld().Text(), w.entropyFld().Text()};
}

class InputField : public WindowTest, public ::testing::WithParamInterface<Input> {};

TEST_P(InputField, KeyEffectsHappenBeforeTheFieldSeesTheKey) {
  const Input input = GetParam();
  auto& w = ActiveCalculator();
  auto& field = FieldOf(w, input);
  std::optional<Seen> whenEdited;
  std::optional<Seen> whenLeft;
  {
    QObject connections;  // ends the connections with this block
    QObject::connect(Edit(field), &QLineEdit::textEdited, &connections,
                     [&] { whenEdited = Look(w); });
    QObject::connect(qApp, &QApplication::focusChanged, &connections, [&](QWidget* old, QWidget*) {
      if (old == field.Widget()) whenLeft = Look(w);
    });
    Calculated(w);
    field.SetFocus();
    Type(field, "7");
    Calculated(w);
    Press(field, Qt::Key_Tab);
  }
  ASSERT_TRUE(whenEdited.has_value());
  ASSERT_TRUE(whenLeft.has_value());

  for (const Seen& seen : {*whenEdited, *whenLeft}) {
    EXPECT_EQ(seen.result, "");
    if (input == Input::kClasses) {
      EXPECT_EQ(seen.display, ResultDisplay::kHidden);
      EXPECT_EQ(seen.bic, "");
      EXPECT_EQ(seen.entropy, "");
    } else {
      EXPECT_EQ(seen.display, ResultDisplay::kLabelOnly);
      if (input != Input::kBic) {
        EXPECT_EQ(seen.bic, "12");
      }
    }
  }
}

// Shortcuts are no typing: they reach the field's editing, never the filter.
TEST_P(InputField, ShortcutsNeitherBeepNorTouchTheResult) {
  const Input input = GetParam();
  auto& w = ActiveCalculator();
  const std::string result = Calculated(w);
  auto& field = FieldOf(w, input);
  field.SetFocus();
  QApplication::clipboard()->clear();

  PressWithText(field, Qt::Key_A, QString(QChar(1)), Qt::ControlModifier);
  EXPECT_EQ(Edit(field)->selectedText(), "12");
  PressWithText(field, Qt::Key_C, QString(QChar(3)), Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "12");

  EXPECT_EQ(rt::testing::BeepCount(), 0);
  ExpectUntouched(w, result);
}

// Return and Enter are rejected like any other key: they never press Calculate.
TEST_P(InputField, ReturnAndEnterBeepAndNeverCalculate) {
  auto& w = ActiveCalculator();
  Enter(w, "100", "2", "100", ".5");
  auto& field = FieldOf(w, GetParam());
  field.SetFocus();
  Press(field, Qt::Key_Return);
  PressWithText(field, Qt::Key_Enter, "\r", Qt::KeypadModifier);
  EXPECT_EQ(rt::testing::BeepCount(), 2);
  EXPECT_EQ(DisplayOf(w), ResultDisplay::kHidden);
  EXPECT_EQ(w.VorpexFld().Text(), "");
  EXPECT_TRUE(rt::testing::MessageBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Fields, InputField, ::testing::ValuesIn(kInputs),
                         [](const auto& info) { return NameOf(info.param); });

// --- Typing whole texts ---

struct TypingCase {
  std::string_view name;
  Input input;
  std::string_view typed;
  std::string_view text;
  int beeps;
};

constexpr TypingCase kTyping[] = {
    {"PointDroppedInN", Input::kN, "1.5", "15", 1},
    {"PointDroppedInClasses", Input::kClasses, "1.5", "15", 1},
    {"PointKeptInBic", Input::kBic, "1.5", "1.5", 0},
    {"LeadingPointKeptInEntropy", Input::kEntropy, ".747", ".747", 0},
    {"SecondPointKeptInBic", Input::kBic, ".5.5", ".5.5", 0},
    {"SecondPointKeptInEntropy", Input::kEntropy, "1..2", "1..2", 0},
    {"SignAndExponentDroppedInBic", Input::kBic, "-1e5", "15", 2},
    {"CommaAndSpaceDroppedInEntropy", Input::kEntropy, "1, 5", "15", 2},
    {"NStopsAtSix", Input::kN, "1234567", "123456", 0},
    {"ClassesStopAtSix", Input::kClasses, "9876543", "987654", 0},
    {"BicStopsAtNine", Input::kBic, "1234567890", "123456789", 0},
    {"BicStopsAtNineWithAPoint", Input::kBic, "32374.12345", "32374.123", 0},
    {"EntropyStopsAtNine", Input::kEntropy, "0.12345678901", "0.1234567", 0},
    {"RejectedKeysDoNotCountTowardsTheLimit", Input::kN, "12a34567", "123456", 1},
};

class Typing : public WindowTest, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(Typing, KeepsOnlyWhatTheFieldTakes) {
  const TypingCase& c = GetParam();
  auto& w = ControlWnd();
  auto& field = FieldOf(w, c.input);
  Type(field, QString::fromUtf8(c.typed.data(), static_cast<qsizetype>(c.typed.size())));
  EXPECT_EQ(field.Text(), c.text);
  EXPECT_EQ(rt::testing::BeepCount(), c.beeps);
}

INSTANTIATE_TEST_SUITE_P(Texts, Typing, ::testing::ValuesIn(kTyping), kByName);

// --- The result display over a session ---

struct Step {
  std::string_view what;
  std::function<void(class ControlWnd&)> act;
  ResultDisplay expected;
};

void Calculate(class ControlWnd& w) { Click(w.calcBtn()); }
void TypeBicAndEntropy(class ControlWnd& w) {
  Type(w.bicFld(), "100");
  Type(w.entropyFld(), ".5");
}

TEST_F(WindowTest, ResultDisplayMovesOnlyBetweenItsThreeStates) {
  using enum ResultDisplay;
  const Step steps[] = {
      {"new window", [](auto&) {}, kHidden},
      {"type N", [](auto& w) { Type(w.nFld(), "100"); }, kHidden},
      {"type classes", [](auto& w) { Type(w.clasFld(), "2"); }, kHidden},
      {"type BIC", [](auto& w) { Type(w.bicFld(), "100"); }, kHidden},
      {"type entropy", [](auto& w) { Type(w.entropyFld(), ".5"); }, kHidden},
      {"calculate", Calculate, kShown},
      {"rejected key in N", [](auto& w) { Type(w.nFld(), "x"); }, kShown},
      {"rejected key in classes", [](auto& w) { Type(w.clasFld(), "-"); }, kShown},
      {"Backspace in entropy", [](auto& w) { Press(w.entropyFld(), Qt::Key_Backspace); },
       kLabelOnly},
      {"calculate again", Calculate, kShown},
      {"Left in N", [](auto& w) { Press(w.nFld(), Qt::Key_Left); }, kLabelOnly},
      {"digit in BIC", [](auto& w) { Type(w.bicFld(), "1"); }, kLabelOnly},
      {"calculate with N pasted away",
       [](auto& w) {
         w.nFld().SetText("");
         Calculate(w);
       },
       kLabelOnly},
      {"type N again", [](auto& w) { Type(w.nFld(), "50"); }, kLabelOnly},
      {"calculate", Calculate, kShown},
      {"Right in classes", [](auto& w) { Press(w.clasFld(), Qt::Key_Right); }, kHidden},
      {"calculate without BIC", Calculate, kHidden},
      {"type BIC and entropy", TypeBicAndEntropy, kHidden},
      {"calculate", Calculate, kShown},
      {"Delete in BIC", [](auto& w) { Press(w.bicFld(), Qt::Key_Delete); }, kLabelOnly},
      {"digit in classes", [](auto& w) { Type(w.clasFld(), "3"); }, kHidden},
      {"rejected key in classes", [](auto& w) { Type(w.clasFld(), "a"); }, kHidden},
      {"type BIC and entropy", TypeBicAndEntropy, kHidden},
      {"calculate", Calculate, kShown},
      {"Clear", [](auto& w) { Click(w.clearBtn()); }, kHidden},
      {"calculate with nothing", Calculate, kHidden},
  };
  auto& w = ControlWnd();
  for (const Step& step : steps) {
    step.act(w);
    EXPECT_EQ(DisplayOf(w), step.expected) << "after: " << step.what;
    if (step.expected != kShown) {
      EXPECT_EQ(w.VorpexFld().Text(), "") << "after: " << step.what;
    }
  }
  EXPECT_EQ(rt::testing::MessageBoxes().size(), 3u);
  EXPECT_EQ(rt::testing::BeepCount(), 3);
}

}  // namespace
