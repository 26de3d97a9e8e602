// Calculate: the input checks and the computation.
#include "calculator/ControlWnd.h"
#include "calculator/Criterion.h"
#include "runtime/Application.h"
#include "runtime/Functions.h"

namespace {

// An empty field is reported, and gets the focus once the message is gone.
bool Missing(rt::TextField& field, std::string_view sentence) {
  if (!field.Text().empty()) return false;
  rt::MsgBox(rt::String(sentence) + rt::Chr(13));
  field.SetFocus();
  return true;
}

}  // namespace

bool ControlWnd::calcBtn_MouseDown(rt::PushButton&, rt::Integer, rt::Integer) {
  if (Missing(nFld(), "Please enter the number of subjects.")) return false;
  const rt::Integer n = rt::ToInteger(rt::Val(nFld().Text()));
  if (Missing(clasFld(), "Please enter the number of classes/profiles.")) return false;
  const rt::Integer k = rt::ToInteger(rt::Val(clasFld().Text()));
  if (Missing(bicFld(), "Please enter the BIC value.")) return false;
  const rt::Double bic = rt::Val(bicFld().Text());
  if (Missing(entropyFld(), "Please enter the entropy value.")) return false;
  const rt::Double entropy = rt::Val(entropyFld().Text());

  const rt::String result = rt::Format(VorpexCriterion(bic, entropy, n, k), "#.0");
  VorpexText().SetVisible(true);
  VorpexFld().SetVisible(true);
  VorpexFld().SetText(result);
  return false;
}
