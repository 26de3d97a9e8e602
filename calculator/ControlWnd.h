// The calculator window: four input fields with their key filters, the
// Calculate, Clear and "?" buttons, the result, and the menu commands it
// answers while it is in front.
#pragma once

#include <string_view>

#include "app/MenuBar1.h"
#include "runtime/Controls.h"

class ControlWnd final : public MenuBar1Window {
 public:
  static const rt::ClassRecord& Class();

  void Layout();
  void CreateControls();
  void CreateControls0();

  // The sixteen controls, in their creation order.
  rt::Label& bicText() const;
  rt::PushButton& clearBtn() const;
  rt::PushButton& helpBtn() const;
  rt::PushButton& calcBtn() const;
  rt::Label& entropyText() const;
  rt::TextField& entropyFld() const;
  rt::Canvas& Canvas1() const;
  rt::Label& nyText() const;
  rt::TextField& nFld() const;
  rt::TextField& bicFld() const;
  rt::Label& VorpexText() const;
  rt::TextField& VorpexFld() const;
  rt::Label& clasTxt() const;
  rt::TextField& clasFld() const;
  rt::Label& Label1() const;
  rt::Canvas& Canvas2() const;

  bool clearBtn_MouseDown(rt::PushButton& button, rt::Integer x, rt::Integer y);
  bool helpBtn_MouseDown(rt::PushButton& button, rt::Integer x, rt::Integer y);
  bool calcBtn_MouseDown(rt::PushButton& button, rt::Integer x, rt::Integer y);
  bool entropyFld_KeyDown(rt::TextField& field, const rt::String& key);
  bool nFld_KeyDown(rt::TextField& field, const rt::String& key);
  bool bicFld_KeyDown(rt::TextField& field, const rt::String& key);
  bool clasFld_KeyDown(rt::TextField& field, const rt::String& key);
  void entropyFld_TextEdited(rt::TextField& field);
  void nFld_TextEdited(rt::TextField& field);
  void bicFld_TextEdited(rt::TextField& field);
  void clasFld_TextEdited(rt::TextField& field);

  void AddMenuHandlers(rt::Window& window);
  void Event_Close();
  void Event_Open();
  bool FileQuit_Action();
  bool InfoItem_Action();
  bool AboutItem_Action();

  bool IsEventImplemented(std::string_view name) const;
};

// The calculator window, built on first use. (Within ControlWnd's own methods
// the class name hides this function: call it as ::ControlWnd() there.)
class ControlWnd& ControlWnd();
