// The help window: one text area with the help text, its title line in bold.
#pragma once

#include <string_view>

#include "app/MenuBar1.h"
#include "runtime/Controls.h"

class helpWnd final : public MenuBar1Window {
 public:
  static const rt::ClassRecord& Class();

  void Layout();
  void CreateControls();
  void CreateControls0();
  rt::TextArea& EditField1() const;
  void EditField1_Open(rt::TextArea& area);
  void AddMenuHandlers(rt::Window& window);
  bool ControlItem_Action();
  bool IsEventImplemented(std::string_view name) const;
};

// The help window, built on first use. (Within helpWnd's own methods the
// class name hides this function: call it as ::helpWnd() there.)
class helpWnd& helpWnd();
