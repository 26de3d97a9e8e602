// How the runtime treats the program's classes: event tables, class records,
// declarations, type-tested conversions, the field limit and errors raised
// from handlers.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTest>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "Harness.h"
#include "app/AboutWnd.h"
#include "app/MenuBar1.h"
#include "app/Vorpex.h"
#include "help/helpWnd.h"
#include "runtime/Application.h"
#include "runtime/Window.h"

namespace {

// --- Event tables ---

struct EventQuery {
  const char* window;
  bool (*implemented)(std::string_view event);
  const char* event;
  bool expected;
};
void PrintTo(const EventQuery& c, std::ostream* os) { *os << c.window << ' ' << c.event; }

bool OfCalculator(std::string_view event) { return ControlWnd().IsEventImplemented(event); }
bool OfAbout(std::string_view event) { return AboutWnd().IsEventImplemented(event); }
bool OfHelp(std::string_view event) { return helpWnd().IsEventImplemented(event); }

const EventQuery kEventQueries[] = {
    {"Calculator", &OfCalculator, "Open", true},
    {"Calculator", &OfCalculator, "Close", true},
    {"Calculator", &OfCalculator, "Layout", true},
    {"Calculator", &OfCalculator, "CreateControls", true},
    {"Calculator", &OfCalculator, "AddMenuHandlers", true},
    {"Calculator", &OfCalculator, "KeyDown", false},
    {"Calculator", &OfCalculator, "MouseDown", false},
    {"About", &OfAbout, "KeyDown", true},
    {"About", &OfAbout, "MouseDown", true},
    {"About", &OfAbout, "Layout", true},
    {"About", &OfAbout, "Open", false},
    {"About", &OfAbout, "Close", false},
    {"About", &OfAbout, "AddMenuHandlers", false},
    {"Help", &OfHelp, "AddMenuHandlers", true},
    {"Help", &OfHelp, "Layout", true},
    {"Help", &OfHelp, "Close", false},
    {"Help", &OfHelp, "Open", false},
    {"Help", &OfHelp, "KeyDown", false},
};

class EventTable : public WindowTest, public ::testing::WithParamInterface<EventQuery> {};

TEST_P(EventTable, SaysWhichEventsTheWindowHandles) {
  EXPECT_EQ(GetParam().implemented(GetParam().event), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Windows, EventTable, ::testing::ValuesIn(kEventQueries),
                         [](const auto& info) {
                           return std::string(info.param.window) + info.param.event;
                         });

// --- Class records ---

TEST(ClassRecords, AreRegisteredOncePerName) {
  const char* const names[] = {"Vorpex",          "ControlWnd.ControlWnd", "MenuBar1.MenuBar1",
                               "helpWnd.helpWnd", "AboutWnd.Timer1",       "AboutWnd.AboutWnd"};
  std::vector<const rt::ClassRecord*> before;
  for (const char* name : names) before.push_back(rt::LookupClass(name));

  rt::RuntimePerformInitializers(ClassInitializers());  // a second start-up registers nothing new
  for (std::size_t i = 0; i < std::size(names); ++i) {
    SCOPED_TRACE(names[i]);
    ASSERT_NE(before[i], nullptr);
    EXPECT_EQ(rt::LookupClass(names[i]), before[i]);
    EXPECT_EQ(before[i]->name, names[i]);
  }

  static constexpr rt::ClassRecord kSameName{"ControlWnd.ControlWnd", nullptr, {}, {}, nullptr};
  EXPECT_EQ(&rt::RegisterClass(kSameName), &ControlWnd::Class());
  EXPECT_EQ(rt::LookupClass("ControlWnd.ControlWnd"), &ControlWnd::Class());
  EXPECT_EQ(rt::LookupClass("NoSuchWindow.NoSuchWindow"), nullptr);
}

TEST(ClassRecords, OnlyTheControlBuilderIsHidden) {
  for (const rt::ClassRecord* record :
       {&ControlWnd::Class(), &AboutWnd::Class(), &helpWnd::Class()}) {
    SCOPED_TRACE(record->name);
    std::vector<std::string_view> hidden;
    for (const rt::MethodEntry& method : record->methods) {
      if (!method.attributes.empty()) {
        EXPECT_EQ(method.attributes, "Hidden") << method.name;
        hidden.push_back(method.name);
      }
    }
    EXPECT_EQ(hidden, std::vector<std::string_view>{"CreateControls0"});
  }
}

// --- Errors the runtime raises ---

struct RaisedError {
  const char* name;
  std::function<void()> action;
  std::string_view kind;
};

rt::Declaration One(const rt::Property& property) { return {&property, 1}; }

// A control of that class, made for the calculator window and given one property.
std::function<void()> Declare(const rt::ClassRecord& (*type)(), rt::Property property) {
  return [type, property] {
    auto control = ControlWnd().NewControl(type());
    control->SetProperties(One(property));
  };
}

// A window whose event table names "okBtm" where its one control is "okBtn".
const rt::ControlDeclaration kOneButton[] = {{&rt::PushButton::Class, "okBtn", {}}};
class MisspeltWnd final : public rt::Window {
 public:
  void CreateControls() { BuildControls(kOneButton); }
  bool okBtn_MouseDown(rt::PushButton&, rt::Integer, rt::Integer) { return true; }
};
constexpr rt::EventEntry kMisspeltEvents[] = {
    rt::On<&MisspeltWnd::CreateControls>({}, "CreateControls", "(  )", "CreateControls"),
    rt::On<&MisspeltWnd::okBtn_MouseDown>(
        "okBtm", "MouseDown", "( PushButton, Integer, Integer ) as Boolean", "okBtn_MouseDown"),
};
const rt::ClassRecord kMisspeltWnd{
    "MisspeltWnd.MisspeltWnd",
    &rt::Window::Class(),
    {},
    kMisspeltEvents,
    []() -> std::unique_ptr<rt::Object> { return std::make_unique<MisspeltWnd>(); }};

const rt::Property kUnknown{"Sparkle", true};
constexpr std::string_view kUnsupported = "UnsupportedOperationException";
constexpr std::string_view kIllegalCast = "IllegalCastException";
constexpr std::string_view kNilObject = "NilObjectException";
constexpr std::string_view kRuntime = "RuntimeException";

const RaisedError kRaisedErrors[] = {
    {"WindowUnknownProperty", [] { ControlWnd().SetProperties(One(kUnknown)); }, kUnsupported},
    {"WindowPropertyOfWrongType",
     [] {
       ControlWnd().SetProperties(One({"Width", std::string_view{"wide"}}));
     },
     kUnsupported},
    {"WindowUnknownType",
     [] {
       ControlWnd().SetProperties(One({"Type", rt::Integer{1}}));
     },
     kUnsupported},
    {"LabelUnknownProperty", Declare(&rt::Label::Class, kUnknown), kUnsupported},
    {"FieldRightLock", Declare(&rt::TextField::Class, {"LockRight", true}), kUnsupported},
    {"TextAreaUnknownProperty", Declare(&rt::TextArea::Class, kUnknown), kUnsupported},
    {"TimerUnknownProperty", Declare(&rt::Timer::Class, kUnknown), kUnsupported},
    {"TimerUnknownMode", Declare(&rt::Timer::Class, {"RunMode", rt::Integer{3}}), kUnsupported},
    {"CreatingAnAbstractClass", [] { rt::New(rt::Window::Class()); }, kUnsupported},
    {"CastToAnotherControlClass", [] { rt::Cast<rt::TextField>(&ControlWnd().bicText()); },
     kIllegalCast},
    {"CastToAnotherWindowClass", [] { rt::Cast<class AboutWnd>(&ControlWnd()); }, kIllegalCast},
    {"ControlOfAnotherClass", [] { ControlWnd().ControlNamed<rt::TextField>("calcBtn"); },
     kIllegalCast},
    {"MenuItemOfAnotherClass", [] { ControlWnd().MenuItemNamed<rt::QuitMenuItem>("AboutItem"); },
     kIllegalCast},
    {"CastOfNothing", [] { rt::Cast<rt::Label>(static_cast<rt::Object*>(nullptr)); }, kNilObject},
    {"ControlThatDoesNotExist", [] { ControlWnd().ControlNamed<rt::Label>("resultFld"); },
     kNilObject},
    {"MenuItemOfAWindowWithoutMenuBar", [] { AboutWnd().MenuItemNamed<rt::MenuItem>("FileQuit"); },
     kNilObject},
    {"HandlerForAControlTheWindowLacks", [] { rt::NewImplicitWindow(kMisspeltWnd); }, kRuntime},
};

class RuntimeError : public WindowTest, public ::testing::WithParamInterface<RaisedError> {};

TEST_P(RuntimeError, IsRaisedWithItsKind) {
  try {
    GetParam().action();
    ADD_FAILURE() << "nothing was raised";
  } catch (const rt::RuntimeException& e) {
    EXPECT_EQ(e.Kind(), GetParam().kind) << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(Runtime, RuntimeError, ::testing::ValuesIn(kRaisedErrors), kByName);

// --- The field limit ---

TEST_F(WindowTest, ProgramTextIgnoresTheFieldLimitButTypingKeepsIt) {
  class ControlWnd& w = ControlWnd();
  rt::TextField& n = w.nFld();
  ASSERT_EQ(n.MaximumCharactersAllowed(), 6);

  n.SetText("1234567890123");
  EXPECT_EQ(n.Text(), "1234567890123");
  Type(n, "4");
  EXPECT_EQ(n.Text(), "1234567890123");  // no room for typing

  w.VorpexFld().SetText("123456789012.5");
  EXPECT_EQ(w.VorpexFld().Text(), "123456789012.5");
}

// --- The edit event ---

// A window with one field of 4 characters, whose filter lets every key through and which counts
// the edits it is told of.
const rt::Property kFourCharacters[] = {{"Width", rt::Integer{80}},
                                        {"MaximumCharactersAllowed", rt::Integer{4}}};
const rt::ControlDeclaration kOneField[] = {{&rt::TextField::Class, "fld", kFourCharacters}};
class CountingWnd final : public rt::Window {
 public:
  void CreateControls() { BuildControls(kOneField); }
  bool fld_KeyDown(rt::TextField&, const rt::String&) { return false; }
  void fld_TextEdited(rt::TextField&) { ++edits; }
  int edits = 0;
};
constexpr rt::EventEntry kCountingEvents[] = {
    rt::On<&CountingWnd::CreateControls>({}, "CreateControls", "(  )", "CreateControls"),
    rt::On<&CountingWnd::fld_KeyDown>("fld", "KeyDown", "( TextField, String ) as Boolean",
                                      "fld_KeyDown"),
    rt::On<&CountingWnd::fld_TextEdited>("fld", "TextEdited", "( TextField )", "fld_TextEdited"),
};
const rt::ClassRecord kCountingWnd{
    "CountingWnd.CountingWnd",
    &rt::Window::Class(),
    {},
    kCountingEvents,
    []() -> std::unique_ptr<rt::Object> { return std::make_unique<CountingWnd>(); }};

// Each change of the text that the program did not make raises one edit event; a key the filter
// accepted and text the program sets raise none.
TEST_F(WindowTest, FieldRaisesOneEditPerChangeTheProgramDidNotMake) {
  auto& w = rt::Cast<CountingWnd>(rt::NewImplicitWindow(kCountingWnd));
  auto& field = w.ControlNamed<rt::TextField>("fld");
  QLineEdit& edit = *Edit(field);
  const auto ctrl = [&](Qt::Key key) { QTest::keyClick(&edit, key, Qt::ControlModifier); };
  const struct Step {
    const char* what;
    std::function<void()> act;
    const char* text;
    int edits;  // counted so far
  } steps[] = {
      {"typed", [&] { Type(field, "12"); }, "12", 0},
      {"typed with no room left", [&] { Type(field, "345"); }, "1234", 0},
      {"typing undone", [&] { ctrl(Qt::Key_Z); }, "", 1},
      {"set by the program", [&] { field.SetText("123456"); }, "123456", 1},
      {"Backspace", [&] { Press(field, Qt::Key_Backspace); }, "12345", 1},
      {"pasted over the whole",
       [&] { edit.selectAll(), QApplication::clipboard()->setText("56\n7"), ctrl(Qt::Key_V); },
       "56", 2},
      {"paste undone, the whole text back", [&] { ctrl(Qt::Key_Z); }, "12345", 3},
      {"cut", [&] { edit.selectAll(), ctrl(Qt::Key_X); }, "", 4},
      {"set through the accessibility interface", [&] { SetThroughAccessibility(field, "78"); },
       "78", 5},
      {"set by the program again", [&] { field.SetText("9"); }, "9", 5},
  };
  for (const Step& step : steps) {
    step.act();
    EXPECT_EQ(field.Text(), step.text) << step.what;
    EXPECT_EQ(w.edits, step.edits) << step.what;
  }
}

// --- Errors raised by the program's handlers ---

struct HandlerFault {
  const char* name;
  void (*raise)();
  const char* reported;    // the start of the report
  rt::Integer quitBefore;  // a Quit code given before the error, or -1 for none
};

const HandlerFault kHandlerFaults[] = {
    {"RuntimeError", [] { throw rt::NilObjectException("no control"); },
     "Unhandled NilObjectException: no control", -1},
    {"CastError", [] { rt::Cast<rt::Label>(&ControlWnd().nFld()); },
     "Unhandled IllegalCastException", -1},
    {"OtherError", [] { throw std::logic_error("broken"); }, "Unhandled exception: broken", -1},
    {"AfterQuitZero",
     [] {
       rt::Quit(0);
       throw rt::NilObjectException("late");
     },
     "Unhandled NilObjectException: late", -1},
    {"AfterAnEarlierQuit", [] { throw rt::IllegalCastException("late"); },
     "Unhandled IllegalCastException: late", 0},
};

class HandlerError : public WindowTest, public ::testing::WithParamInterface<HandlerFault> {
 protected:
  void TearDown() override {
    rt::testing::ResetQuit();
    WindowTest::TearDown();
  }
};

TEST_P(HandlerError, IsReportedAndEndsWithStatusOne) {
  const HandlerFault& fault = GetParam();
  class ControlWnd& w = ControlWnd();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.Frame()));
  w.AddMenuHandler("ControlItem", [raise = fault.raise] {
    raise();
    return true;
  });
  if (fault.quitBefore >= 0) rt::Quit(fault.quitBefore);

  // Window > Control, chosen as the user does: the menu opens, then the item.
  QAction* action = w.ControlItem().Action();
  for (QMenu* menu : w.Frame()->findChildren<QMenu*>()) emit menu->aboutToShow();
  ASSERT_TRUE(action->isEnabled());
  action->trigger();

  ASSERT_EQ(rt::testing::UnhandledReports().size(), 1u);
  EXPECT_EQ(rt::testing::UnhandledReports()[0].rfind(fault.reported, 0), 0u)
      << rt::testing::UnhandledReports()[0];
  EXPECT_TRUE(rt::testing::QuitRequested());
  EXPECT_EQ(rt::testing::ExitStatus(), 1);
  rt::Quit(0);
  EXPECT_EQ(rt::testing::ExitStatus(), 1);
  EXPECT_EQ(rt::RuntimeExit(), 1);
}

INSTANTIATE_TEST_SUITE_P(MenuHandler, HandlerError, ::testing::ValuesIn(kHandlerFaults), kByName);

}  // namespace
