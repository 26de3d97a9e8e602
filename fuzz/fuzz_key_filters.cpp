// The key filters of the four input fields with arbitrary key texts: the
// input's first byte picks the field, the rest is the key. A key is accepted
// exactly when its first character is a digit, an editing key (backspace,
// tab, delete, left or right arrow) or, in the BIC and entropy fields, the
// point. An accepted key takes the result away (in the classes field it also
// empties BIC and entropy and hides the result's label); a rejected one beeps
// and changes nothing.
#include <array>
#include <cstdint>
#include <string>

#include "Check.h"
#include "Offscreen.h"
#include "calculator/ControlWnd.h"

namespace {

enum Field { kN, kClasses, kBic, kEntropy };

struct Snapshot {
  std::array<std::string, 5> texts;  // N, classes, BIC, entropy, result
  bool resultVisible, labelVisible;
  friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

Snapshot Take(const class ControlWnd& w) {
  return {{w.nFld().Text(), w.clasFld().Text(), w.bicFld().Text(), w.entropyFld().Text(),
           w.VorpexFld().Text()},
          w.VorpexFld().Visible(),
          w.VorpexText().Visible()};
}

// Decided on the first byte alone: every character but ASCII is rejected.
bool Acceptable(Field field, const std::string& key) {
  if (key.empty()) return false;
  const auto first = static_cast<unsigned char>(key[0]);
  const bool digit = first >= '0' && first <= '9';
  const bool editing = first == 8 || first == 9 || first == 127 || first == 28 || first == 29;
  const bool point = first == '.' && (field == kBic || field == kEntropy);
  return digit || editing || point;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  StartOffscreen();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const auto field = static_cast<Field>(data[0] % 4);
  const std::string key(reinterpret_cast<const char*>(data) + 1, size - 1);

  DeliverPostedEvents();
  auto& w = ControlWnd();
  rt::testing::Clear();
  w.nFld().SetText("1377");
  w.clasFld().SetText("2");
  w.bicFld().SetText("32062");
  w.entropyFld().SetText(".747");
  w.VorpexFld().SetText("32545.0");
  w.VorpexFld().SetVisible(true);
  w.VorpexText().SetVisible(true);
  const Snapshot before = Take(w);

  bool consumed = false;
  switch (field) {
    case kN:
      consumed = w.nFld_KeyDown(w.nFld(), key);
      break;
    case kClasses:
      consumed = w.clasFld_KeyDown(w.clasFld(), key);
      break;
    case kBic:
      consumed = w.bicFld_KeyDown(w.bicFld(), key);
      break;
    case kEntropy:
      consumed = w.entropyFld_KeyDown(w.entropyFld(), key);
      break;
  }

  const Snapshot after = Take(w);
  const bool accepted = Acceptable(field, key);
  FUZZ_CHECK(consumed != accepted, "field %d, key \"%s\": %s", field, Escaped(key).c_str(),
             consumed ? "rejected" : "accepted");
  FUZZ_CHECK(rt::testing::BeepCount() == (accepted ? 0 : 1), "field %d, key \"%s\": %lld beeps",
             field, Escaped(key).c_str(), static_cast<long long>(rt::testing::BeepCount()));
  FUZZ_CHECK(rt::testing::MessageBoxes().empty(), "a key showed a message");
  if (!accepted) {
    FUZZ_CHECK(after == before, "field %d, rejected key \"%s\" changed the window", field,
               Escaped(key).c_str());
    return 0;
  }
  Snapshot expected = before;
  expected.texts[4].clear();
  expected.resultVisible = false;
  if (field == kClasses) {
    expected.texts[kBic].clear();
    expected.texts[kEntropy].clear();
    expected.labelVisible = false;
  }
  FUZZ_CHECK(after == expected, "field %d, accepted key \"%s\": the window is not as expected",
             field, Escaped(key).c_str());
  return 0;
}
