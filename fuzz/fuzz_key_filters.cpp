// The key filters of the four input fields with arbitrary key texts: the
// input's first byte picks the field, the rest is the key. Which keys are
// accepted is pinned by the key filter tests; here the filters must agree
// with one another: a rejected key beeps and changes nothing, an accepted one
// takes the result away (in the classes field it also empties BIC and entropy
// and hides the result's label); the decision rests on the key's first
// character alone; N and classes decide alike, BIC and entropy decide alike,
// and these two accept what N accepts and, beyond it, only keys starting with
// a point; nothing outside ASCII gets through.
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

// A result shown beside filled inputs.
Snapshot Fill(class ControlWnd& w) {
  rt::testing::Clear();
  w.nFld().SetText("1377");
  w.clasFld().SetText("2");
  w.bicFld().SetText("32062");
  w.entropyFld().SetText(".747");
  w.VorpexFld().SetText("32545.0");
  w.VorpexFld().SetVisible(true);
  w.VorpexText().SetVisible(true);
  return Take(w);
}

// Whether the field's filter accepts the key; checks what the key did to the window.
bool Accepts(class ControlWnd& w, Field field, const std::string& key) {
  const Snapshot before = Fill(w);
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
  const bool accepted = !consumed;
  const Snapshot after = Take(w);
  FUZZ_CHECK(rt::testing::BeepCount() == (accepted ? 0 : 1), "field %d, key \"%s\": %lld beeps",
             field, Escaped(key).c_str(), static_cast<long long>(rt::testing::BeepCount()));
  FUZZ_CHECK(rt::testing::MessageBoxes().empty(), "a key showed a message");
  Snapshot expected = before;
  if (accepted) {
    expected.texts[4].clear();
    expected.resultVisible = false;
    if (field == kClasses) {
      expected.texts[kBic].clear();
      expected.texts[kEntropy].clear();
      expected.labelVisible = false;
    }
  }
  FUZZ_CHECK(after == expected, "field %d, %s key \"%s\": the window is not as expected", field,
             accepted ? "accepted" : "rejected", Escaped(key).c_str());
  DeliverPostedEvents();  // what showing and hiding posted, within the input that posted it
  return accepted;
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
  const std::string text = Escaped(key);
  const char* escaped = text.c_str();
  std::array<bool, 4> accepted{};
  for (const Field f : {kN, kClasses, kBic, kEntropy}) accepted[f] = Accepts(w, f, key);

  FUZZ_CHECK(accepted[kN] == accepted[kClasses], "N and classes differ on \"%s\"", escaped);
  FUZZ_CHECK(accepted[kBic] == accepted[kEntropy], "BIC and entropy differ on \"%s\"", escaped);
  FUZZ_CHECK(!accepted[kN] || accepted[kBic], "N takes \"%s\", BIC does not", escaped);
  FUZZ_CHECK(accepted[kN] == accepted[kBic] || key[0] == '.',
             "BIC and N differ on \"%s\", which starts with no point", escaped);
  FUZZ_CHECK(!accepted[field] || static_cast<unsigned char>(key[0]) < 0x80,
             "field %d takes \"%s\", which starts with no ASCII character", field, escaped);
  if (key.empty()) return 0;
  // What follows the first character does not matter.
  FUZZ_CHECK(Accepts(w, field, key + "x") == accepted[field], "field %d: \"%s\" then x", field,
             escaped);
  if (static_cast<unsigned char>(key[0]) < 0x80) {
    FUZZ_CHECK(Accepts(w, field, key.substr(0, 1)) == accepted[field],
               "field %d: \"%s\" and its first character", field, escaped);
  }
  return 0;
}
