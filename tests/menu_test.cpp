// The shared menu bar: its items, the platform menus every window shows, and
// what a chosen item does depending on the window in front.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <QTextEdit>
#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "Harness.h"
#include "app/AboutWnd.h"
#include "app/MenuBar1.h"
#include "help/helpWnd.h"
#include "runtime/Application.h"
#include "runtime/Window.h"

namespace {

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool Eventually(const std::function<bool()>& condition) { return QTest::qWaitFor(condition); }

bool InFront(const rt::Window& window) {
  return Eventually([&] {
    return rt::FrontWindow() == &window && QApplication::activeWindow() == window.Frame();
  });
}

// Every item below a menu bar or menu, at any depth.
std::set<const rt::MenuItem*> ItemsBelow(const rt::MenuItem& menu) {
  std::set<const rt::MenuItem*> items;
  for (std::size_t i = 0; i < menu.Count(); ++i) {
    items.insert(&menu.Item(i));
    items.merge(ItemsBelow(menu.Item(i)));
  }
  return items;
}

// The names and classes of an item and of everything below it, in order.
std::string Shape(const rt::MenuItem& item) {
  std::string shape = item.Name() + ":" + std::string(item.Record()->name) + "[";
  for (std::size_t i = 0; i < item.Count(); ++i) shape += Shape(item.Item(i)) + " ";
  return shape + "]";
}

// --- The items ---

struct ItemRow {
  std::string_view name;
  std::string_view menu;  // empty for a menu on the bar
  std::string_view caption;
  std::optional<std::string_view> shortcut;  // nothing: never set
  const rt::ClassRecord& (*type)();
  const char* keys;  // the platform's shortcut, in portable text
};

constexpr std::optional<std::string_view> kNeverSet;

constexpr ItemRow kItems[] = {
    {"FileMenu", "", "&File", "", &rt::MenuItem::Class, ""},
    {"FileQuit", "FileMenu", "&Quit", "Cmd+Q", &rt::QuitMenuItem::Class, "Ctrl+Q"},
    {"AboutItem", "FileMenu", "About Title", "", &rt::PrefsMenuItem::Class, ""},
    {"EditMenu", "", "&Edit", "", &rt::MenuItem::Class, ""},
    {"EditUndo", "EditMenu", "&Undo", "Cmd+Z", &rt::MenuItem::Class, "Ctrl+Z"},
    {"UntitledMenu1", "EditMenu", "-", kNeverSet, &rt::MenuItem::Class, ""},
    {"EditCut", "EditMenu", "Cu&t", "Cmd+X", &rt::MenuItem::Class, "Ctrl+X"},
    {"EditCopy", "EditMenu", "&Copy", "Cmd+C", &rt::MenuItem::Class, "Ctrl+C"},
    {"EditPaste", "EditMenu", "&Paste", "Cmd+V", &rt::MenuItem::Class, "Ctrl+V"},
    {"EditClear", "EditMenu", "&Delete", "", &rt::MenuItem::Class, ""},
    {"UntitledMenu0", "EditMenu", "-", kNeverSet, &rt::MenuItem::Class, ""},
    {"EditSelectAll", "EditMenu", "Select &All", "Cmd+A", &rt::MenuItem::Class, "Ctrl+A"},
    {"InfoMenu", "", "Window", "", &rt::MenuItem::Class, ""},
    {"ControlItem", "InfoMenu", "Control", "", &rt::MenuItem::Class, ""},
    {"InfoItem", "InfoMenu", "Info", "", &rt::MenuItem::Class, ""},
};

TEST(MenuBar, HoldsEveryItemInItsPlaceWithItsCaptionAndShortcut) {
  const rt::MenuItem& bar = MenuBar1();
  std::map<std::string_view, std::size_t> nextPlace;  // per menu, the next item's index
  std::set<std::string_view> names;
  for (const ItemRow& row : kItems) {
    SCOPED_TRACE(row.name);
    const rt::MenuItem& menu = row.menu.empty() ? bar : Item(row.menu);
    const std::size_t place = nextPlace[row.menu]++;
    ASSERT_LT(place, menu.Count());
    const rt::MenuItem& item = menu.Item(place);
    EXPECT_EQ(item.Name(), row.name);
    EXPECT_EQ(item.Value(), row.caption);
    EXPECT_EQ(item.Shortcut(), row.shortcut);
    EXPECT_EQ(item.Record(), &row.type());
    EXPECT_EQ(item.IsSeparator(), row.caption == "-");
    EXPECT_TRUE(item.Visible());
    EXPECT_TRUE(item.AutoEnabled());
    EXPECT_EQ(MenuBar1().Lookup(row.name), &item);
    names.insert(item.Name());
  }
  EXPECT_EQ(bar.Count(), 3u);
  EXPECT_EQ(Item("FileMenu").Count(), 2u);
  EXPECT_EQ(Item("EditMenu").Count(), 8u);
  EXPECT_EQ(Item("InfoMenu").Count(), 2u);
  EXPECT_EQ(names.size(), std::size(kItems));  // fifteen distinct names
}

TEST(MenuBar, AFailedFirstBuildLeavesNoSharedBarAndTheNextCallBuildsAWholeOne) {
  // As before the first call there is no shared bar; the one in use comes back after.
  struct Restore {
    std::unique_ptr<class MenuBar1> kept = std::move(MenuBar1::_implicitInstance);
    ~Restore() { MenuBar1::_implicitInstance = std::move(kept); }
  } restore;
  ASSERT_NE(restore.kept, nullptr);

  rt::testing::FailCreation("MenuItem", 4);  // the Edit menu's first separator
  EXPECT_THROW(MenuBar1(), rt::RuntimeException);
  EXPECT_EQ(MenuBar1::_implicitInstance, nullptr);

  const class MenuBar1& bar = MenuBar1();
  EXPECT_NE(&bar, restore.kept.get());
  EXPECT_EQ(&MenuBar1(), &bar);
  EXPECT_EQ(Shape(bar), Shape(*restore.kept));
}

TEST(MenuItem, MakesANewActionOnceItsActionWasReleased) {
  rt::MenuItem item;
  item.SetValue("&One");
  delete item.Action();  // as the runtime releases every action at the end
  item.SetValue("&Two");
  item.SetVisible(false);
  EXPECT_EQ(item.Action()->text(), QStringLiteral("&Two"));
  EXPECT_FALSE(item.Action()->isVisible());
}

// Every window with the menu bar shows the same menus, sharing one action per item.
class PlatformMenus : public WindowTest, public ::testing::WithParamInterface<rt::Window& (*)()> {};

TEST_P(PlatformMenus, ShowTheMenusWithTheirShortcuts) {
  const rt::Window& window = GetParam()();
  auto* bar = window.Frame()->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->actions().size(), 3);
  for (std::size_t m = 0; m < MenuBar1().Count(); ++m) {
    const rt::MenuItem& model = MenuBar1().Item(m);
    SCOPED_TRACE(model.Name());
    QAction* title = bar->actions().at(static_cast<qsizetype>(m));
    EXPECT_EQ(title->text(), ToQString(model.Value()));
    ASSERT_NE(title->menu(), nullptr);
    const QList<QAction*> entries = title->menu()->actions();
    ASSERT_EQ(static_cast<std::size_t>(entries.size()), model.Count());
    for (std::size_t i = 0; i < model.Count(); ++i) {
      rt::MenuItem& item = model.Item(i);
      const ItemRow& row = *std::find_if(std::begin(kItems), std::end(kItems),
                                         [&](const ItemRow& r) { return r.name == item.Name(); });
      SCOPED_TRACE(row.name);
      QAction* entry = entries.at(static_cast<qsizetype>(i));
      EXPECT_EQ(entry->isSeparator(), item.IsSeparator());
      if (item.IsSeparator()) continue;
      EXPECT_EQ(entry, item.Action());
      EXPECT_EQ(entry->text(), ToQString(row.caption));
      EXPECT_EQ(entry->shortcut(), QKeySequence(QString::fromLatin1(row.keys)));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Windows, PlatformMenus,
                         ::testing::Values([]() -> rt::Window& { return ControlWnd(); },
                                           []() -> rt::Window& { return helpWnd(); }),
                         [](const auto& info) { return info.index == 0 ? "Calculator" : "Help"; });

// clang-format off
#define ACCESSOR(item) {#item, [](const MenuBar1Window& w) -> rt::MenuItem& { return w.item(); }}
// clang-format on

const struct {
  std::string_view name;
  rt::MenuItem& (*get)(const MenuBar1Window&);
} kAccessors[] = {
    ACCESSOR(InfoMenu),      ACCESSOR(InfoItem),      ACCESSOR(ControlItem),   ACCESSOR(EditMenu),
    ACCESSOR(EditSelectAll), ACCESSOR(UntitledMenu0), ACCESSOR(EditClear),     ACCESSOR(EditPaste),
    ACCESSOR(EditCopy),      ACCESSOR(EditCut),       ACCESSOR(UntitledMenu1), ACCESSOR(EditUndo),
    ACCESSOR(FileMenu),      ACCESSOR(AboutItem),     ACCESSOR(FileQuit),
};

#undef ACCESSOR

TEST_F(WindowTest, WindowsReachEachItemByItsAccessor) {
  for (const MenuBar1Window* window :
       {static_cast<MenuBar1Window*>(&ControlWnd()), static_cast<MenuBar1Window*>(&helpWnd())}) {
    SCOPED_TRACE(window->Title());
    std::set<const rt::MenuItem*> reached;
    for (const auto& accessor : kAccessors) {
      SCOPED_TRACE(accessor.name);
      EXPECT_EQ(&accessor.get(*window), MenuBar1().Lookup(accessor.name));
      reached.insert(&accessor.get(*window));
    }
    EXPECT_EQ(reached, ItemsBelow(MenuBar1()));  // each item of the bar, by an accessor of its own
    rt::QuitMenuItem& quit = window->FileQuit();
    EXPECT_EQ(quit.Value(), "&Quit");
    EXPECT_EQ(quit.Record(), &rt::QuitMenuItem::Class());
    EXPECT_EQ(window->AboutItem().Record(), &rt::PrefsMenuItem::Class());
  }
}

// --- Choosing items ---

class Menus : public WindowTest {
 protected:
  void TearDown() override {
    rt::testing::ResetQuit();
    WindowTest::TearDown();
  }
  // The calculator, shown and in front.
  class ControlWnd& CalculatorInFront() {
    class ControlWnd& w = ControlWnd();
    EXPECT_TRUE(InFront(w));
    return w;
  }
};

TEST_F(Menus, CalculatorInFrontShowsTheHelpAndAboutWindowsAndQuits) {
  class ControlWnd& w = CalculatorInFront();
  Choose("InfoItem");
  EXPECT_TRUE(helpWnd().Visible());
  EXPECT_TRUE(InFront(helpWnd()));

  w.Show();
  ASSERT_TRUE(InFront(w));
  Choose("AboutItem");
  EXPECT_TRUE(AboutWnd().Visible());
  EXPECT_TRUE(InFront(AboutWnd()));

  w.Show();
  ASSERT_TRUE(InFront(w));
  EXPECT_FALSE(rt::testing::QuitRequested());
  Choose("FileQuit");
  EXPECT_TRUE(rt::testing::QuitRequested());
  EXPECT_EQ(rt::testing::ExitStatus(), 0);
}

TEST_F(Menus, CalculatorInFrontLeavesControlAndEditingToTheRuntime) {
  class ControlWnd& w = CalculatorInFront();
  for (std::string_view name : {"ControlItem", "EditUndo", "EditCut", "EditCopy", "EditPaste",
                                "EditClear", "EditSelectAll"}) {
    EXPECT_EQ(w.MenuHandler(name), nullptr) << name;
  }
  EXPECT_FALSE(Offered(Item("ControlItem")));
  Choose("ControlItem");
  EXPECT_TRUE(InFront(w));
  EXPECT_EQ(rt::GetImplicitWindow("helpWnd.helpWnd"), nullptr);
  EXPECT_FALSE(rt::testing::QuitRequested());
}

TEST_F(Menus, HelpInFrontBringsBackTheSameCalculatorAndStillQuits) {
  class ControlWnd& w = CalculatorInFront();
  Type(w.nFld(), "1377");
  Type(w.clasFld(), "2");
  Type(w.bicFld(), "32062");
  Click(w.helpBtn());
  ASSERT_TRUE(InFront(helpWnd()));

  EXPECT_FALSE(Offered(Item("AboutItem")));
  EXPECT_FALSE(Offered(Item("InfoItem")));
  Choose("AboutItem");
  Choose("InfoItem");
  EXPECT_EQ(rt::GetImplicitWindow("AboutWnd.AboutWnd"), nullptr);
  EXPECT_TRUE(InFront(helpWnd()));

  Choose("ControlItem");
  EXPECT_TRUE(InFront(w));
  EXPECT_EQ(&ControlWnd(), &w);
  EXPECT_EQ(w.nFld().Text(), "1377");
  EXPECT_EQ(w.clasFld().Text(), "2");
  EXPECT_EQ(w.bicFld().Text(), "32062");
  EXPECT_TRUE(helpWnd().Visible());  // still open behind

  helpWnd().Show();
  ASSERT_TRUE(InFront(helpWnd()));
  Choose("FileQuit");
  EXPECT_TRUE(rt::testing::QuitRequested());
  EXPECT_EQ(rt::testing::ExitStatus(), 0);
}

// The editing items on the focused field of the calculator.
struct EditCase {
  const char* name;
  Input field;
  const char* typed;
  const char* clipboard;  // before
  std::vector<const char*> commands;
  const char* text;  // the field's text after
  const char* clipboardAfter;
};
void PrintTo(const EditCase& c, std::ostream* os) { *os << c.name; }

// clang-format off
const EditCase kEditCases[] = {
    {"SelectAllThenCopy", Input::kN, "1377", "", {"EditSelectAll", "EditCopy"}, "1377", "1377"},
    {"SelectAllThenCut", Input::kBic, "32062.5", "old", {"EditSelectAll", "EditCut"}, "", "32062.5"},
    {"SelectAllThenDelete", Input::kEntropy, ".747", "old", {"EditSelectAll", "EditClear"}, "", "old"},
    {"PasteBypassesTheKeyFilter", Input::kBic, "", "32,374", {"EditPaste"}, "32,374", "32,374"},
    {"PasteStopsAtTheCharacterLimit", Input::kN, "", "12a45678", {"EditPaste"}, "12a456", "12a45678"},
    {"PasteIntoAPartlyFilledField", Input::kClasses, "12", "3456789", {"EditPaste"}, "123456", "3456789"},
    {"PasteThenUndo", Input::kN, "13", "77", {"EditPaste", "EditUndo"}, "13", "77"},
};
// clang-format on

class EditItems : public Menus, public ::testing::WithParamInterface<EditCase> {};

TEST_P(EditItems, ActOnTheFocusedField) {
  const EditCase& c = GetParam();
  class ControlWnd& w = CalculatorInFront();
  rt::TextField& field = FieldOf(w, c.field);
  field.SetFocus();
  ASSERT_TRUE(Eventually([&] { return QApplication::focusWidget() == field.Widget(); }));
  Type(field, c.typed);
  QApplication::clipboard()->setText(QString::fromUtf8(c.clipboard));
  rt::testing::Clear();

  for (const char* command : c.commands) {
    EXPECT_TRUE(Offered(Item(command))) << command;
    Choose(command);
  }
  EXPECT_EQ(field.Text(), c.text);
  EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8(c.clipboardAfter));
  EXPECT_EQ(rt::testing::BeepCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(OnTheCalculator, EditItems, ::testing::ValuesIn(kEditCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Alt gives the keyboard to the menu bar: the Edit menu still serves the field, on the selection
// it had, in the calculator and in the help text.
TEST_F(Menus, EditItemsFromTheKeyboardActOnTheSelectionThatHadTheFocus) {
  class ControlWnd& w = CalculatorInFront();
  rt::TextField& field = w.nFld();
  field.SetFocus();
  Type(field, "1377");
  QTest::keySequence(field.Widget(), QKeySequence::SelectAll);
  auto* bar = w.Frame()->findChild<QMenuBar*>();
  QTest::keyClick(bar, Qt::Key_Alt);
  ASSERT_TRUE(Eventually([&] { return QApplication::focusWidget() == bar; }));

  EXPECT_TRUE(Offered(Item("EditCut")));
  Choose("EditCut");
  EXPECT_EQ(field.Text(), "");
  EXPECT_EQ(QApplication::clipboard()->text(), "1377");

  helpWnd().Show();
  ASSERT_TRUE(InFront(helpWnd()));
  auto* area = helpWnd().Frame()->findChild<QTextEdit*>();
  area->setFocus();
  QTest::keySequence(area, QKeySequence::SelectAll);
  QTest::keyClick(helpWnd().Frame()->findChild<QMenuBar*>(), Qt::Key_Alt);
  ASSERT_TRUE(Eventually([&] { return QApplication::focusWidget() != area; }));
  EXPECT_TRUE(Offered(Item("EditClear")));
  Choose("EditClear");
  EXPECT_EQ(area->toPlainText(), "");
}

// Data on the clipboard that counts the questions about it.
class WatchedData : public QMimeData {
 public:
  mutable int asked = 0;      // for the kinds of data offered
  mutable int converted = 0;  // for the data itself
  QStringList formats() const override {
    ++asked;
    return QMimeData::formats();
  }

 protected:
  QVariant retrieveData(const QString& format, QMetaType type) const override {
    ++converted;
    return QMimeData::retrieveData(format, type);
  }
};

TEST_F(Menus, OnlyAnOpeningEditMenuAsksWhatTheClipboardOffersAndNothingReadsIt) {
  auto* data = new WatchedData;
  data->setText("12");
  QApplication::clipboard()->setMimeData(data);
  class ControlWnd& w = CalculatorInFront();
  for (Input input : kInputs) {
    rt::TextField& field = FieldOf(w, input);
    field.SetFocus();
    ASSERT_TRUE(Eventually([&] { return HasFocus(field); })) << input;
    Type(field, "1");
  }
  EXPECT_EQ(data->asked, 0);

  EXPECT_TRUE(Offered(Item("EditPaste")));
  EXPECT_GT(data->asked, 0);
  EXPECT_EQ(data->converted, 0);
}

// --- The editing items on the help text ---

constexpr std::string_view kEditing[] = {"EditUndo",  "EditCut",   "EditCopy",
                                         "EditPaste", "EditClear", "EditSelectAll"};

// The clipboard holds nothing (no format), or data of that format.
void PutOnClipboard(const char* format, const char* data) {
  if (format == nullptr) {
    QApplication::clipboard()->clear();
    return;
  }
  auto* mime = new QMimeData;
  mime->setData(QString::fromLatin1(format), data);
  QApplication::clipboard()->setMimeData(mime);
}

class HelpText : public Menus {
 protected:
  // The help text, in front and focused.
  QTextEdit& Area() {
    rt::TextArea& area = helpWnd().EditField1();
    EXPECT_TRUE(InFront(helpWnd()));
    area.SetFocus();
    EXPECT_TRUE(Eventually([&] { return HasFocus(area); }));
    return *static_cast<QTextEdit*>(area.Widget());
  }
};

struct AreaState {
  const char* name;
  void (*reach)(QTextEdit&);  // from the text as the window opens
  const char* format;         // of the data on the clipboard; null: none
  std::array<bool, std::size(kEditing)> offered;
};
void PrintTo(const AreaState& c, std::ostream* os) { *os << c.name; }

// clang-format off
const AreaState kAreaStates[] = {
    //                                                                      Undo   Cut    Copy   Paste  Delete All
    {"AsOpened", [](QTextEdit&) {}, nullptr,                               {false, false, false, false, false, true}},
    {"TextOnTheClipboard", [](QTextEdit&) {}, "text/plain",                {false, false, false, true,  false, true}},
    {"OtherDataOnTheClipboard", [](QTextEdit&) {}, "image/png",            {false, false, false, false, false, true}},
    {"AllSelected", [](QTextEdit& e) { e.selectAll(); }, nullptr,          {false, true,  true,  false, true,  true}},
    {"AfterTyping", [](QTextEdit& e) { QTest::keyClicks(&e, "a"); }, nullptr, {true, false, false, false, false, true}},
    {"Emptied", [](QTextEdit& e) { e.selectAll(); QTest::keyClick(&e, Qt::Key_Delete); }, nullptr,
                                                                           {true,  false, false, false, false, false}},
};
// clang-format on

class HelpTextOffers : public HelpText, public ::testing::WithParamInterface<AreaState> {};

TEST_P(HelpTextOffers, TheEditingItemsThatApply) {
  const AreaState& c = GetParam();
  QTextEdit& area = Area();
  PutOnClipboard(c.format, "x");
  c.reach(area);
  for (std::size_t i = 0; i < std::size(kEditing); ++i) {
    EXPECT_EQ(Offered(Item(kEditing[i])), c.offered[i]) << kEditing[i];
  }
}

INSTANTIATE_TEST_SUITE_P(Help, HelpTextOffers, ::testing::ValuesIn(kAreaStates),
                         [](const auto& info) { return std::string(info.param.name); });

struct AreaEdit {
  const char* name;
  const char* clipboard;  // before
  std::vector<const char*> commands;
  const char* text;            // after; null: the help text as it was
  const char* clipboardAfter;  // null: the help text
};
void PrintTo(const AreaEdit& c, std::ostream* os) { *os << c.name; }

// clang-format off
const AreaEdit kAreaEdits[] = {
    {"SelectAllThenCopy", "old", {"EditSelectAll", "EditCopy"}, nullptr, nullptr},
    {"SelectAllThenCut", "old", {"EditSelectAll", "EditCut"}, "", nullptr},
    {"SelectAllThenDelete", "old", {"EditSelectAll", "EditClear"}, "", "old"},
    {"PasteReplacesTheSelection", "new", {"EditSelectAll", "EditPaste"}, "new", "new"},
    {"UndoBringsTheTextBack", "old", {"EditSelectAll", "EditClear", "EditUndo"}, nullptr, "old"},
};
// clang-format on

class HelpTextEditing : public HelpText, public ::testing::WithParamInterface<AreaEdit> {};

TEST_P(HelpTextEditing, ActsOnTheWholeText) {
  const AreaEdit& c = GetParam();
  QTextEdit& area = Area();
  const QString help = area.toPlainText();
  ASSERT_FALSE(help.isEmpty());
  QApplication::clipboard()->setText(QString::fromUtf8(c.clipboard));

  for (const char* command : c.commands) {
    EXPECT_TRUE(Offered(Item(command))) << command;
    Choose(command);
  }
  EXPECT_EQ(area.toPlainText(), c.text != nullptr ? QString::fromUtf8(c.text) : help);
  EXPECT_EQ(QApplication::clipboard()->text(),
            c.clipboardAfter != nullptr ? QString::fromUtf8(c.clipboardAfter) : help);
}

INSTANTIATE_TEST_SUITE_P(Help, HelpTextEditing, ::testing::ValuesIn(kAreaEdits),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Closing windows ---

struct Company {
  const char* name;
  void (*open)();  // what else is open when the calculator is closed
};
void PrintTo(const Company& c, std::ostream* os) { *os << c.name; }

const Company kCompany[] = {
    {"Alone", [] {}},
    {"WithHelpOpen", [] { helpWnd(); }},
    {"WithAboutOpen", [] { AboutWnd().Show(); }},
    {"WithHelpInFront", [] { helpWnd().Show(); }},
};

class ClosingTheCalculator : public Menus, public ::testing::WithParamInterface<Company> {};

TEST_P(ClosingTheCalculator, QuitsWithStatusZero) {
  class ControlWnd& w = CalculatorInFront();
  GetParam().open();
  EXPECT_FALSE(rt::testing::QuitRequested());
  w.Frame()->close();
  EXPECT_TRUE(rt::testing::QuitRequested());
  EXPECT_EQ(rt::testing::ExitStatus(), 0);
  EXPECT_TRUE(rt::testing::UnhandledReports().empty());
}

INSTANTIATE_TEST_SUITE_P(Calculator, ClosingTheCalculator, ::testing::ValuesIn(kCompany),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Menus, ClosingTheHelpWindowHidesItAndKeepsItForLater) {
  CalculatorInFront();
  class helpWnd& help = helpWnd();
  ASSERT_TRUE(InFront(help));
  help.Frame()->close();
  EXPECT_FALSE(help.Visible());
  EXPECT_NE(rt::FrontWindow(), &help);
  EXPECT_FALSE(rt::testing::QuitRequested());
  EXPECT_EQ(rt::GetImplicitWindow("helpWnd.helpWnd"), &help);
  EXPECT_EQ(&helpWnd(), &help);

  // Back to the calculator (there is no window manager here to activate it).
  ControlWnd().Frame()->activateWindow();
  ASSERT_TRUE(InFront(ControlWnd()));
  Choose("InfoItem");
  EXPECT_TRUE(help.Visible());
  EXPECT_EQ(&helpWnd(), &help);
}

TEST_F(Menus, QuittingTwiceKeepsTheFirstStatus) {
  class ControlWnd& w = CalculatorInFront();
  Choose("FileQuit");
  ASSERT_TRUE(rt::testing::QuitRequested());
  rt::Quit(3);
  EXPECT_EQ(rt::testing::ExitStatus(), 0);
  w.Frame()->close();
  EXPECT_EQ(rt::testing::ExitStatus(), 0);
}

}  // namespace
