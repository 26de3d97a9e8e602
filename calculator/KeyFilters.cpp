// The key filters of the four input fields, their other edits, Clear and "?".
#include <algorithm>
#include <array>

#include "calculator/ControlWnd.h"
#include "help/helpWnd.h"
#include "runtime/Application.h"
#include "runtime/Functions.h"

namespace {

// Backspace, tab, delete, left and right arrow: accepted in every field.
constexpr std::array<rt::Integer, 5> kEditingKeys{8, 9, 127, 28, 29};
constexpr rt::Integer kPoint = 46;

bool Accepts(rt::Integer code, bool point) {
  return (47 < code && code < 58) || (point && code == kPoint) ||
         std::find(kEditingKeys.begin(), kEditingKeys.end(), code) != kEditingKeys.end();
}

// A field's filter: an accepted key first takes effect, then goes on to the
// field; any other key beeps and is dropped.
template <class Effects>
bool Filter(const rt::String& key, bool point, Effects effects) {
  if (Accepts(rt::Asc(key), point)) {
    effects();
    return false;
  }
  rt::Beep();
  return true;
}

void TakeResultAway(const class ControlWnd& w) {
  w.VorpexFld().SetText("");
  w.VorpexFld().SetVisible(false);
}

// A new number of classes asks for the BIC and entropy of that model.
void StartNewModel(const class ControlWnd& w) {
  w.bicFld().SetText("");
  w.entropyFld().SetText("");
  w.VorpexText().SetVisible(false);
  TakeResultAway(w);
}

}  // namespace

bool ControlWnd::nFld_KeyDown(rt::TextField&, const rt::String& key) {
  return Filter(key, false, [this] { TakeResultAway(*this); });
}

bool ControlWnd::clasFld_KeyDown(rt::TextField&, const rt::String& key) {
  return Filter(key, false, [this] { StartNewModel(*this); });
}

bool ControlWnd::bicFld_KeyDown(rt::TextField&, const rt::String& key) {
  return Filter(key, true, [this] { TakeResultAway(*this); });
}

bool ControlWnd::entropyFld_KeyDown(rt::TextField&, const rt::String& key) {
  return Filter(key, true, [this] { TakeResultAway(*this); });
}

// Any other edit of an input by the user (a paste, cut, deletion, undo, redo or
// drop) has the effects of an accepted key in that field.
void ControlWnd::nFld_TextEdited(rt::TextField&) { TakeResultAway(*this); }
void ControlWnd::clasFld_TextEdited(rt::TextField&) { StartNewModel(*this); }
void ControlWnd::bicFld_TextEdited(rt::TextField&) { TakeResultAway(*this); }
void ControlWnd::entropyFld_TextEdited(rt::TextField&) { TakeResultAway(*this); }

bool ControlWnd::clearBtn_MouseDown(rt::PushButton&, rt::Integer, rt::Integer) {
  nFld().SetFocus();
  bicFld().SetText("");
  entropyFld().SetText("");
  nFld().SetText("");
  clasFld().SetText("");
  VorpexFld().SetText("");
  VorpexText().SetVisible(false);
  VorpexFld().SetVisible(false);
  return false;
}

bool ControlWnd::helpBtn_MouseDown(rt::PushButton&, rt::Integer, rt::Integer) {
  helpWnd().Show();
  return false;
}
