#include "app/AboutWnd.h"

#include "app/Pictures.h"
#include "calculator/ControlWnd.h"
#include "runtime/Declarations.h"

using rt::Integer;
using rt::Property;

namespace {

// The splash timer, in the form a window owns as a control.
class Timer1Control final : public rt::Timer {};
std::unique_ptr<rt::Object> CreateTimer1() { return std::make_unique<Timer1Control>(); }
std::unique_ptr<rt::Object> Create() { return std::make_unique<class AboutWnd>(); }

constexpr rt::MethodEntry kMethods[] = {
    {"Layout", "(  )"},
    {"CreateControls", "(  )"},
    {"CreateControls0", "(  )", "Hidden"},
    {"StaticText2", "(  ) as Label"},
    {"Timer1", "(  ) as Timer"},
    {"Canvas1", "(  ) as Canvas"},
    {"Canvas2", "(  ) as Canvas"},
    {"Timer1_Action", "( Timer )"},
    {"Event_MouseDown", "( Integer, Integer ) as Boolean"},
    {"Event_KeyDown", "( String ) as Boolean"},
    {"IsEventImplemented", "( String ) as Boolean"},
};

constexpr rt::EventEntry kEvents[] = {
    rt::On<&AboutWnd::CreateControls>({}, "CreateControls", "(  )", "CreateControls"),
    rt::On<&AboutWnd::Event_KeyDown>({}, "KeyDown", "( String ) as Boolean", "Event_KeyDown"),
    rt::On<&AboutWnd::Layout>({}, "Layout", "(  )", "Layout"),
    rt::On<&AboutWnd::Event_MouseDown>({}, "MouseDown", "( Integer, Integer ) as Boolean",
                                       "Event_MouseDown"),
    rt::On<&AboutWnd::Timer1_Action>("Timer1", "Action", "( Timer )", "Timer1_Action"),
};

constexpr Property kWindow[] = {
    {"Width", Integer{525}},
    {"Height", Integer{300}},
    {"MinimumWidth", Integer{64}},
    {"MinimumHeight", Integer{64}},
    {"MaximumWidth", Integer{32000}},
    {"MaximumHeight", Integer{32000}},
    {"Type", Integer{2}},
    {"Title", std::string_view{}},
    {"HasCloseButton", true},
    {"HasMaximizeButton", true},
    {"HasMinimizeButton", true},
    {"HasFullScreenButton", false},
    {"Resizeable", true},
    {"Composite", false},
    {"MacProcID", Integer{0}},
    {"FullScreen", false},
    {"DefaultLocation", Integer{0}},
    {"Visible", true},
    {"HasBackgroundColor", true},
    {"BackgroundColor", rt::kWhite},
    {"MenuBarVisible", true},
    {"LiveResize", false},
};

constexpr Property kStaticText2[] = {
    {"InitialParent", std::string_view{}},
    {"DataField", std::string_view{}},
    {"DataSource", std::string_view{}},
    {"Underline", false},
    {"Italic", false},
    {"Bold", false},
    {"Visible", true},
    {"Transparent", false},
    {"TextColor", rt::Color{{0x02, 0x00, 0x80, 0x00}}},
    {"Selectable", false},
    {"Multiline", true},
    {"Enabled", true},
    {"TabStop", false},
    {"TabPanelIndex", Integer{0}},
    {"TabIndex", Integer{3}},
    {"LockBottom", false},
    {"LockRight", false},
    {"LockTop", false},
    {"LockLeft", false},
    {"Height", Integer{15}},
    {"Width", Integer{518}},
    {"Top", Integer{265}},
    {"Left", Integer{0}},
    {"Index", Integer{-2147483648LL}},
    {"Name", std::string_view{"StaticText2"}},
    {"AllowAutoDeactivate", true},
    {"Tooltip", std::string_view{}},
    {"TextAlignment", Integer{2}},
    {"Value", std::string_view{"Vorpex 1.1 \u00b7 by the Vorpex developers \u00b7 MIT License"}},
    {"FontName", std::string_view{"System"}},
    {"FontSize", 9.0f},
    {"FontUnit", Integer{0}},
};

constexpr Property kTimer1[] = {
    {"Period", Integer{4000}},
    {"RunMode", Integer{1}},
};

// The two canvases differ only in their place, size, tab index and name.
constexpr auto CanvasDeclaration(Integer tabIndex, Integer height, Integer width, Integer top,
                                 Integer left, std::string_view name) {
  return std::array<Property, 23>{{
      {"InitialParent", std::string_view{}},
      {"Transparent", true},
      {"DoubleBuffer", false},
      {"Visible", true},
      {"Enabled", true},
      {"TabStop", true},
      {"TabPanelIndex", Integer{0}},
      {"TabIndex", tabIndex},
      {"LockBottom", false},
      {"LockRight", false},
      {"LockTop", true},
      {"LockLeft", true},
      {"Height", height},
      {"Width", width},
      {"Top", top},
      {"Left", left},
      {"Index", Integer{-2147483648LL}},
      {"Name", name},
      {"AllowAutoDeactivate", true},
      {"Tooltip", std::string_view{}},
      {"AllowFocusRing", true},
      {"AllowFocus", false},
      {"AllowTabs", false},
  }};
}
constexpr auto kCanvas1 = CanvasDeclaration(4, 157, 310, 48, 20, "Canvas1");
constexpr auto kCanvas2 = CanvasDeclaration(5, 100, 183, 98, 322, "Canvas2");

const rt::ControlDeclaration kControls[] = {
    {&rt::Label::Class, "StaticText2", kStaticText2},
    {&AboutWnd::Timer1Class, "Timer1", kTimer1},
    {&rt::Canvas::Class, "Canvas1", kCanvas1, &Vessx},
    {&rt::Canvas::Class, "Canvas2", kCanvas2, &bic},
};

// The hand-over: the About window goes, the calculator window comes.
void HandOver() {
  AboutWnd().Hide();
  ControlWnd().Show();
}

}  // namespace

const rt::ClassRecord& AboutWnd::Class() {
  static const rt::ClassRecord record{"AboutWnd.AboutWnd", &rt::Window::Class(), kMethods, kEvents,
                                      &Create};
  static const rt::ClassRecord& registered = rt::RegisterClass(record);
  return registered;
}

const rt::ClassRecord& AboutWnd::Timer1Class() {
  static const rt::ClassRecord record{
      "AboutWnd.Timer1", &rt::Timer::Class(), {}, {}, &CreateTimer1};
  static const rt::ClassRecord& registered = rt::RegisterClass(record);
  return registered;
}

void AboutWnd::Layout() { SetProperties(kWindow); }  // no menu bar of its own
void AboutWnd::CreateControls() { CreateControls0(); }
void AboutWnd::CreateControls0() { BuildControls(kControls); }

rt::Label& AboutWnd::StaticText2() const { return ControlNamed<rt::Label>("StaticText2"); }
rt::Timer& AboutWnd::Timer1() const { return ControlNamed<rt::Timer>("Timer1"); }
rt::Canvas& AboutWnd::Canvas1() const { return ControlNamed<rt::Canvas>("Canvas1"); }
rt::Canvas& AboutWnd::Canvas2() const { return ControlNamed<rt::Canvas>("Canvas2"); }

void AboutWnd::Timer1_Action(rt::Timer&) { HandOver(); }

bool AboutWnd::Event_MouseDown(Integer, Integer) {
  HandOver();
  return false;
}

bool AboutWnd::Event_KeyDown(const rt::String&) {
  HandOver();
  return false;
}

bool AboutWnd::IsEventImplemented(std::string_view name) const {
  return rt::RuntimeIsEventHandled(*this, "AboutWnd.AboutWnd", name, true);
}

class AboutWnd& AboutWnd() {
  return rt::ImplicitWindow<class AboutWnd>(AboutWnd::Class());
}
