#include "calculator/ControlWnd.h"

#include "app/AboutWnd.h"
#include "help/helpWnd.h"
#include "runtime/Application.h"

using rt::Integer;
using rt::Property;

namespace {

std::unique_ptr<rt::Object> Create() { return std::make_unique<class ControlWnd>(); }

constexpr rt::MethodEntry kMethods[] = {
    {"Layout", "(  )"},
    {"CreateControls", "(  )"},
    {"CreateControls0", "(  )", "Hidden"},
    {"bicText", "(  ) as Label"},
    {"clearBtn", "(  ) as PushButton"},
    {"helpBtn", "(  ) as PushButton"},
    {"calcBtn", "(  ) as PushButton"},
    {"entropyText", "(  ) as Label"},
    {"entropyFld", "(  ) as TextField"},
    {"Canvas1", "(  ) as Canvas"},
    {"nyText", "(  ) as Label"},
    {"nFld", "(  ) as TextField"},
    {"bicFld", "(  ) as TextField"},
    {"VorpexText", "(  ) as Label"},
    {"VorpexFld", "(  ) as TextField"},
    {"clasTxt", "(  ) as Label"},
    {"clasFld", "(  ) as TextField"},
    {"Label1", "(  ) as Label"},
    {"Canvas2", "(  ) as Canvas"},
    {"clearBtn_MouseDown", "( PushButton, Integer, Integer ) as Boolean"},
    {"helpBtn_MouseDown", "( PushButton, Integer, Integer ) as Boolean"},
    {"calcBtn_MouseDown", "( PushButton, Integer, Integer ) as Boolean"},
    {"entropyFld_KeyDown", "( TextField, String ) as Boolean"},
    {"nFld_KeyDown", "( TextField, String ) as Boolean"},
    {"bicFld_KeyDown", "( TextField, String ) as Boolean"},
    {"clasFld_KeyDown", "( TextField, String ) as Boolean"},
    {"entropyFld_TextEdited", "( TextField )"},
    {"nFld_TextEdited", "( TextField )"},
    {"bicFld_TextEdited", "( TextField )"},
    {"clasFld_TextEdited", "( TextField )"},
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
    {"Event_Close", "(  )"},
    {"Event_Open", "(  )"},
    {"FileQuit_Action", "(  ) as Boolean"},
    {"InfoItem_Action", "(  ) as Boolean"},
    {"AboutItem_Action", "(  ) as Boolean"},
    {"IsEventImplemented", "( String ) as Boolean"},
};

using W = class ControlWnd;
constexpr std::string_view kButtonEvent = "( PushButton, Integer, Integer ) as Boolean";
constexpr std::string_view kKeyEvent = "( TextField, String ) as Boolean";
constexpr std::string_view kEditEvent = "( TextField )";
constexpr rt::EventEntry kEvents[] = {
    rt::On<&W::AddMenuHandlers>({}, "AddMenuHandlers", "( Window )", "AddMenuHandlers"),
    rt::On<&W::Event_Close>({}, "Close", "(  )", "Event_Close"),
    rt::On<&W::CreateControls>({}, "CreateControls", "(  )", "CreateControls"),
    rt::On<&W::Layout>({}, "Layout", "(  )", "Layout"),
    rt::On<&W::Event_Open>({}, "Open", "(  )", "Event_Open"),
    rt::On<&W::clearBtn_MouseDown>("clearBtn", "MouseDown", kButtonEvent, "clearBtn_MouseDown"),
    rt::On<&W::helpBtn_MouseDown>("helpBtn", "MouseDown", kButtonEvent, "helpBtn_MouseDown"),
    rt::On<&W::calcBtn_MouseDown>("calcBtn", "MouseDown", kButtonEvent, "calcBtn_MouseDown"),
    rt::On<&W::entropyFld_KeyDown>("entropyFld", "KeyDown", kKeyEvent, "entropyFld_KeyDown"),
    rt::On<&W::nFld_KeyDown>("nFld", "KeyDown", kKeyEvent, "nFld_KeyDown"),
    rt::On<&W::bicFld_KeyDown>("bicFld", "KeyDown", kKeyEvent, "bicFld_KeyDown"),
    rt::On<&W::clasFld_KeyDown>("clasFld", "KeyDown", kKeyEvent, "clasFld_KeyDown"),
    rt::On<&W::entropyFld_TextEdited>("entropyFld", "TextEdited", kEditEvent,
                                      "entropyFld_TextEdited"),
    rt::On<&W::nFld_TextEdited>("nFld", "TextEdited", kEditEvent, "nFld_TextEdited"),
    rt::On<&W::bicFld_TextEdited>("bicFld", "TextEdited", kEditEvent, "bicFld_TextEdited"),
    rt::On<&W::clasFld_TextEdited>("clasFld", "TextEdited", kEditEvent, "clasFld_TextEdited"),
};

constexpr Property kWindow[] = {
    {"Width", Integer{600}},
    {"Height", Integer{500}},
    {"MinimumWidth", Integer{64}},
    {"MinimumHeight", Integer{64}},
    {"MaximumWidth", Integer{32000}},
    {"MaximumHeight", Integer{32000}},
    {"Type", Integer{0}},
    {"Title", std::string_view{"Vorpex"}},
    {"HasCloseButton", true},
    {"HasMaximizeButton", false},
    {"HasMinimizeButton", true},
    {"HasFullScreenButton", false},
    {"Resizeable", false},
    {"Composite", false},
    {"MacProcID", Integer{0}},
    {"FullScreen", false},
    {"DefaultLocation", Integer{0}},
    {"Visible", true},
    {"HasBackgroundColor", true},
    {"BackgroundColor", rt::kWhite},
    {"MenuBarVisible", true},
    {"LiveResize", true},
};

}  // namespace

const rt::ClassRecord& ControlWnd::Class() {
  static const rt::ClassRecord record{"ControlWnd.ControlWnd", &rt::Window::Class(), kMethods,
                                      kEvents, &Create};
  static const rt::ClassRecord& registered = rt::RegisterClass(record);
  return registered;
}

void ControlWnd::Layout() {
  SetMenuBar(&MenuBar1());
  SetProperties(kWindow);
}

void ControlWnd::CreateControls() { CreateControls0(); }

rt::Label& ControlWnd::bicText() const { return ControlNamed<rt::Label>("bicText"); }
rt::PushButton& ControlWnd::clearBtn() const { return ControlNamed<rt::PushButton>("clearBtn"); }
rt::PushButton& ControlWnd::helpBtn() const { return ControlNamed<rt::PushButton>("helpBtn"); }
rt::PushButton& ControlWnd::calcBtn() const { return ControlNamed<rt::PushButton>("calcBtn"); }
rt::Label& ControlWnd::entropyText() const { return ControlNamed<rt::Label>("entropyText"); }
rt::TextField& ControlWnd::entropyFld() const { return ControlNamed<rt::TextField>("entropyFld"); }
rt::Canvas& ControlWnd::Canvas1() const { return ControlNamed<rt::Canvas>("Canvas1"); }
rt::Label& ControlWnd::nyText() const { return ControlNamed<rt::Label>("nyText"); }
rt::TextField& ControlWnd::nFld() const { return ControlNamed<rt::TextField>("nFld"); }
rt::TextField& ControlWnd::bicFld() const { return ControlNamed<rt::TextField>("bicFld"); }
rt::Label& ControlWnd::VorpexText() const { return ControlNamed<rt::Label>("VorpexText"); }
rt::TextField& ControlWnd::VorpexFld() const { return ControlNamed<rt::TextField>("VorpexFld"); }
rt::Label& ControlWnd::clasTxt() const { return ControlNamed<rt::Label>("clasTxt"); }
rt::TextField& ControlWnd::clasFld() const { return ControlNamed<rt::TextField>("clasFld"); }
rt::Label& ControlWnd::Label1() const { return ControlNamed<rt::Label>("Label1"); }
rt::Canvas& ControlWnd::Canvas2() const { return ControlNamed<rt::Canvas>("Canvas2"); }

void ControlWnd::AddMenuHandlers(rt::Window& window) {
  auto& self = rt::Cast<ControlWnd>(window);
  self.AddMenuHandler("FileQuit", [&self] { return self.FileQuit_Action(); });
  self.AddMenuHandler("InfoItem", [&self] { return self.InfoItem_Action(); });
  self.AddMenuHandler("AboutItem", [&self] { return self.AboutItem_Action(); });
}

void ControlWnd::Event_Close() { rt::Quit(0); }

void ControlWnd::Event_Open() { nFld().SetFocus(); }

bool ControlWnd::FileQuit_Action() {
  rt::Quit(0);
  return true;
}

bool ControlWnd::InfoItem_Action() {
  helpWnd().Show();
  return true;
}

bool ControlWnd::AboutItem_Action() {
  AboutWnd().Show();
  return true;
}

bool ControlWnd::IsEventImplemented(std::string_view name) const {
  return rt::RuntimeIsEventHandled(*this, "ControlWnd.ControlWnd", name, true);
}

class ControlWnd& ControlWnd() {
  return rt::ImplicitWindow<class ControlWnd>(ControlWnd::Class());
}
