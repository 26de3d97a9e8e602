// The About window, which is also the splash screen: two pictures and a
// credit line; after 4 seconds, or at the first click or key press in it, it
// hands over to the calculator window.
#pragma once

#include <string_view>

#include "runtime/Controls.h"
#include "runtime/Window.h"

class AboutWnd final : public rt::Window {
 public:
  static const rt::ClassRecord& Class();
  static const rt::ClassRecord& Timer1Class();  // the splash timer's class

  void Layout();
  void CreateControls();
  void CreateControls0();
  rt::Label& StaticText2() const;
  rt::Timer& Timer1() const;
  rt::Canvas& Canvas1() const;
  rt::Canvas& Canvas2() const;
  void Timer1_Action(rt::Timer& timer);
  bool Event_MouseDown(rt::Integer x, rt::Integer y);
  bool Event_KeyDown(const rt::String& key);
  bool IsEventImplemented(std::string_view name) const;
};

// The About window, built on first use. (Within AboutWnd's own methods the
// class name hides this function: call it as ::AboutWnd() there.)
class AboutWnd& AboutWnd();
