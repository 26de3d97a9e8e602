// The calculator window's sixteen controls, in their creation order.
#include <array>

#include "app/Pictures.h"
#include "calculator/ControlWnd.h"
#include "runtime/Declarations.h"

using rt::Integer;
using rt::Property;

namespace {

// Where a control sits, its tab order and visibility (one row of the table).
struct Place {
  std::string_view name;
  Integer left, top, width, height;
  bool locked;  // LockLeft and LockTop; LockRight and LockBottom are false everywhere
  Integer tabIndex;
  bool tabStop;
  bool visible;
};
constexpr bool kLocked = true;
constexpr bool kFree = false;

constexpr std::array<Property, 14> Placement(const Place& p) {
  return {{
      {"Name", p.name},
      {"Index", Integer{-2147483648LL}},
      {"Left", p.left},
      {"Top", p.top},
      {"Width", p.width},
      {"Height", p.height},
      {"LockLeft", p.locked},
      {"LockTop", p.locked},
      {"LockRight", false},
      {"LockBottom", false},
      {"TabIndex", p.tabIndex},
      {"TabStop", p.tabStop},
      {"Visible", p.visible},
      {"TabPanelIndex", Integer{0}},
  }};
}

// What every control of the window shares.
constexpr std::array<Property, 6> kEveryControl{{
    {"Enabled", true},
    {"AllowAutoDeactivate", true},
    {"Tooltip", std::string_view{}},
    {"InitialParent", std::string_view{}},
    {"DataSource", std::string_view{}},
    {"DataField", std::string_view{}},
}};

constexpr std::array<Property, 3> Font(float size) {
  return {{{"FontName", std::string_view{"System"}}, {"FontSize", size}, {"FontUnit", Integer{0}}}};
}

constexpr std::array<Property, 3> Style(bool bold) {
  return {{{"Bold", bold}, {"Italic", false}, {"Underline", false}}};
}

constexpr auto LabelDeclaration(const Place& place, std::string_view text, Integer alignment,
                                rt::Color color) {
  return rt::Join(Placement(place), kEveryControl, Font(12.0f), Style(true),
                  std::array<Property, 7>{{
                      {"Value", text},
                      {"TextAlignment", alignment},
                      {"TextColor", color},
                      {"Multiline", false},
                      {"Selectable", false},
                      {"Transparent", false},
                      {"AllowFocusRing", true},
                  }});
}

constexpr auto FieldDeclaration(const Place& place, Integer maximum, bool transparent) {
  return rt::Join(Placement(place), kEveryControl, Font(12.0f), Style(false),
                  std::array<Property, 15>{{
                      {"Value", std::string_view{}},
                      {"MaximumCharactersAllowed", maximum},
                      {"Transparent", transparent},
                      {"TextAlignment", Integer{2}},
                      {"TextColor", rt::kBlack},
                      {"BackgroundColor", rt::kWhite},
                      {"HasBorder", true},
                      {"Password", false},
                      {"ReadOnly", false},
                      {"AllowTabs", false},
                      {"AllowSpellChecking", false},
                      {"AllowFocusRing", true},
                      {"Format", std::string_view{}},
                      {"ValidationMask", std::string_view{}},
                      {"Hint", std::string_view{}},
                  }});
}

constexpr auto ButtonDeclaration(const Place& place, std::string_view caption) {
  return rt::Join(Placement(place), kEveryControl, Font(18.0f), Style(true),
                  std::array<Property, 5>{{
                      {"Caption", caption},
                      {"Default", true},
                      {"Cancel", false},
                      {"MacButtonStyle", Integer{0}},
                      {"Transparent", true},
                  }});
}

constexpr auto CanvasDeclaration(const Place& place) {
  return rt::Join(Placement(place), kEveryControl,
                  std::array<Property, 5>{{
                      {"AllowFocus", false},
                      {"AllowFocusRing", true},
                      {"AllowTabs", false},
                      {"Transparent", true},
                      {"DoubleBuffer", false},
                  }});
}

constexpr rt::Color kDarkBlue{{0x00, 0x00, 0x6c, 0x00}};
constexpr rt::Color kCreditBlue{{0x02, 0x00, 0x9c, 0x00}};

// clang-format off
//                                              name           left  top  width height locks    tab stop   visible
constexpr auto kBicText     = LabelDeclaration({"bicText",       40, 270,   80,  22, kFree,    3, false, true},  "BIC:", 3, rt::kBlack);
constexpr auto kClearBtn    = ButtonDeclaration({"clearBtn",    460, 428,  120,  40, kFree,    4, false, true},  "Clear");
constexpr auto kHelpBtn     = ButtonDeclaration({"helpBtn",     260, 428,   80,  40, kFree,    5, false, true},  "?");
constexpr auto kCalcBtn     = ButtonDeclaration({"calcBtn",      20, 428,  120,  40, kFree,    6, false, true},  "Calculate");
constexpr auto kEntropyText = LabelDeclaration({"entropyText",   40, 300,   80,  22, kFree,    7, false, true},  "Entropy:", 3, rt::kBlack);
constexpr auto kEntropyFld  = FieldDeclaration({"entropyFld",   145, 300,   80,  22, kFree,    2, true,  true},  9, true);
constexpr auto kCanvas1     = CanvasDeclaration({"Canvas1",      20,   7,  311, 160, kLocked, 10, true,  true});
constexpr auto kNyText      = LabelDeclaration({"nyText",        40, 210,   80,  20, kFree,   11, false, true},  "N:", 3, rt::kBlack);
constexpr auto kNFld        = FieldDeclaration({"nFld",         145, 210,   80,  22, kFree,    3, true,  true},  6, true);
constexpr auto kBicFld      = FieldDeclaration({"bicFld",       145, 270,   80,  22, kLocked,  1, true,  true},  9, false);
constexpr auto kVorpexText  = LabelDeclaration({"VorpexText",   345, 243,  100,  22, kLocked, 12, false, false}, "Vorpex:", 3, kDarkBlue);
constexpr auto kVorpexFld   = FieldDeclaration({"VorpexFld",    450, 242,   80,  22, kLocked, 13, false, false}, 9, false);
constexpr auto kClasTxt     = LabelDeclaration({"clasTxt",       40, 240,   80,  22, kFree,   14, false, true},  "Num Classes:", 3, rt::kBlack);
constexpr auto kClasFld     = FieldDeclaration({"clasFld",      145, 240,   80,  22, kFree,    4, true,  true},  6, true);
constexpr auto kLabel1      = LabelDeclaration({"Label1",       320,  39,  210,  20, kLocked, 15, false, true},  "by the Vorpex developers", 2, kCreditBlue);
constexpr auto kCanvas2     = CanvasDeclaration({"Canvas2",     320,  56,  210, 100, kLocked, 16, true,  true});
// clang-format on

const rt::ControlDeclaration kControls[] = {
    {&rt::Label::Class, "bicText", kBicText},
    {&rt::PushButton::Class, "clearBtn", kClearBtn},
    {&rt::PushButton::Class, "helpBtn", kHelpBtn},
    {&rt::PushButton::Class, "calcBtn", kCalcBtn},
    {&rt::Label::Class, "entropyText", kEntropyText},
    {&rt::TextField::Class, "entropyFld", kEntropyFld},
    {&rt::Canvas::Class, "Canvas1", kCanvas1, &Vessx},
    {&rt::Label::Class, "nyText", kNyText},
    {&rt::TextField::Class, "nFld", kNFld},
    {&rt::TextField::Class, "bicFld", kBicFld},
    {&rt::Label::Class, "VorpexText", kVorpexText},
    {&rt::TextField::Class, "VorpexFld", kVorpexFld},
    {&rt::Label::Class, "clasTxt", kClasTxt},
    {&rt::TextField::Class, "clasFld", kClasFld},
    {&rt::Label::Class, "Label1", kLabel1},
    {&rt::Canvas::Class, "Canvas2", kCanvas2, &bic},
};

}  // namespace

void ControlWnd::CreateControls0() { BuildControls(kControls); }
