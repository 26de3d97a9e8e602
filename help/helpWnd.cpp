#include "help/helpWnd.h"

#include "calculator/ControlWnd.h"
#include "help/HelpText.h"

using rt::Integer;
using rt::Property;

namespace {

std::unique_ptr<rt::Object> Create() { return std::make_unique<class helpWnd>(); }

constexpr rt::MethodEntry kMethods[] = {
    {"Layout", "(  )"},
    {"CreateControls", "(  )"},
    {"CreateControls0", "(  )", "Hidden"},
    {"EditField1", "(  ) as TextArea"},
    {"EditField1_Open", "( TextArea )"},
    {"InfoMenu", "(  ) as MenuItem"},
    {"InfoItem", "(  ) as MenuItem"},
    {"ControlItem", "(  ) as MenuItem"},
    {"EditMenu", "(  ) as MenuItem"},
    {"EditSelectAll", "(  ) as MenuItem"},
    {"UntitledMenu0", "(  ) as MenuItem"},
    {"EditClear", "(  ) as MenuItem"},
    {"EditPaste", "(  ) as MenuItem"},
    {"EditCopy", "(  ) as MenuItem"},
    {"EditCut", "(  ) as MenuItem"},
    {"UntitledMenu1", "(  ) as MenuItem"},
    {"EditUndo", "(  ) as MenuItem"},
    {"FileMenu", "(  ) as MenuItem"},
    {"AboutItem", "(  ) as PrefsMenuItem"},
    {"FileQuit", "(  ) as QuitMenuItem"},
    {"AddMenuHandlers", "( Window )"},
    {"ControlItem_Action", "(  ) as Boolean"},
    {"IsEventImplemented", "( String ) as Boolean"},
};

using W = class helpWnd;
constexpr rt::EventEntry kEvents[] = {
    rt::On<&W::AddMenuHandlers>({}, "AddMenuHandlers", "( Window )", "AddMenuHandlers"),
    rt::On<&W::CreateControls>({}, "CreateControls", "(  )", "CreateControls"),
    rt::On<&W::Layout>({}, "Layout", "(  )", "Layout"),
    rt::On<&W::EditField1_Open>("EditField1", "Open", "( TextArea )", "EditField1_Open"),
};

constexpr Property kWindow[] = {
    {"Width", Integer{550}},
    {"Height", Integer{500}},
    {"MinimumWidth", Integer{64}},
    {"MinimumHeight", Integer{64}},
    {"MaximumWidth", Integer{32000}},
    {"MaximumHeight", Integer{32000}},
    {"Type", Integer{0}},
    {"Title", std::string_view{"Info"}},
    {"HasCloseButton", true},
    {"HasMaximizeButton", false},
    {"HasMinimizeButton", true},
    {"HasFullScreenButton", false},
    {"Resizeable", true},
    {"Composite", false},
    {"MacProcID", Integer{0}},
    {"FullScreen", false},
    {"DefaultLocation", Integer{3}},
    {"Visible", true},
    {"HasBackgroundColor", false},
    {"BackgroundColor", rt::kWhite},
    {"MenuBarVisible", true},
    {"LiveResize", false},
};

const Property kEditField1[] = {
    // not constexpr: the help text lives in its own file
    {"Name", std::string_view{"EditField1"}},
    {"Index", Integer{-2147483648LL}},
    {"Left", Integer{0}},
    {"Top", Integer{0}},
    {"Width", Integer{551}},
    {"Height", Integer{498}},
    {"LockLeft", false},
    {"LockTop", false},
    {"LockRight", false},
    {"LockBottom", false},
    {"TabIndex", Integer{0}},
    {"TabPanelIndex", Integer{0}},
    {"TabStop", false},
    {"AllowAutoDeactivate", true},
    {"BackgroundColor", rt::kWhite},
    {"HasBorder", true},
    {"Enabled", true},
    {"Format", std::string_view{}},
    {"Tooltip", std::string_view{}},
    {"HideSelection", true},
    {"LineHeight", 0.0},
    {"LineSpacing", 1.0},
    {"Multiline", true},
    {"HasHorizontalScrollbar", false},
    {"HasVerticalScrollbar", true},
    {"AllowStyledText", true},
    {"TextColor", rt::kBlack},
    {"Transparent", true},
    {"AllowFocusRing", true},
    {"Visible", true},
    {"Bold", false},
    {"Italic", false},
    {"FontName", std::string_view{"Courier"}},
    {"FontSize", 12.0f},
    {"FontUnit", Integer{0}},
    {"Underline", false},
    {"Value", kHelpText},
    {"AllowTabs", true},
    {"TextAlignment", Integer{0}},
    {"AllowSpellChecking", false},
    {"MaximumCharactersAllowed", Integer{0}},
    {"ValidationMask", std::string_view{}},
    {"ReadOnly", false},
    {"DataSource", std::string_view{}},
    {"DataField", std::string_view{}},
    {"InitialParent", std::string_view{}},
};

const rt::ControlDeclaration kControls[] = {
    {&rt::TextArea::Class, "EditField1", kEditField1},
};

}  // namespace

const rt::ClassRecord& helpWnd::Class() {
  static const rt::ClassRecord record{"helpWnd.helpWnd", &rt::Window::Class(), kMethods, kEvents,
                                      &Create};
  static const rt::ClassRecord& registered = rt::RegisterClass(record);
  return registered;
}

void helpWnd::Layout() {
  SetMenuBar(&MenuBar1());
  SetProperties(kWindow);
}

void helpWnd::CreateControls() { CreateControls0(); }
void helpWnd::CreateControls0() { BuildControls(kControls); }

rt::TextArea& helpWnd::EditField1() const { return ControlNamed<rt::TextArea>("EditField1"); }

// The title line, "Vorpex", in bold.
void helpWnd::EditField1_Open(rt::TextArea&) { EditField1().GetStyledText().Bold(0, 6, true); }

void helpWnd::AddMenuHandlers(rt::Window& window) {
  auto& self = rt::Cast<helpWnd>(window);
  self.AddMenuHandler("ControlItem", [&self] { return self.ControlItem_Action(); });
}

bool helpWnd::ControlItem_Action() {
  ControlWnd().Show();
  return true;
}

bool helpWnd::IsEventImplemented(std::string_view name) const {
  return rt::RuntimeIsEventHandled(*this, "helpWnd.helpWnd", name, true);
}

class helpWnd& helpWnd() {
  return rt::ImplicitWindow<class helpWnd>(helpWnd::Class());
}
