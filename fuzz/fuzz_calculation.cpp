// The whole calculation in the real calculator window: the input is split at
// newlines into the texts of N, the number of classes, BIC and entropy (the
// rest goes to the last), the texts are set in the fields and Calculate is
// pressed. An empty field must be reported by its message, get the focus and
// leave the result alone; otherwise the result shows the criterion with one
// decimal, near the value computed here in long double for moderate inputs,
// from the texts as read here by the standard library.
#include <QWidget>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>

#include "Check.h"
#include "InAscii.h"
#include "Offscreen.h"
#include "calculator/ControlWnd.h"

namespace {

constexpr std::array<const char*, 4> kMissing{
    "Please enter the number of subjects.\r",
    "Please enter the number of classes/profiles.\r",
    "Please enter the BIC value.\r",
    "Please enter the entropy value.\r",
};

constexpr const char* kEarlier = "earlier result";

std::array<rt::TextField*, 4> Inputs(class ControlWnd& w) {
  return {&w.nFld(), &w.clasFld(), &w.bicFld(), &w.entropyFld()};
}

// One decimal, or the names of the non-finite values.
bool HasResultShape(const std::string& text) {
  if (text == "NaN" || text == "Infinity" || text == "-Infinity") return true;
  std::string_view rest(text);
  if (!rest.empty() && rest[0] == '-') rest.remove_prefix(1);
  if (rest.size() < 2 || rest[rest.size() - 2] != '.') return false;
  if (rest.size() > 2 && rest[0] == '0') return false;
  rest.remove_suffix(2);
  return std::all_of(rest.begin(), rest.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
         text.back() >= '0' && text.back() <= '9';
}

// The number a field's text starts with, its digits and spaces of any script read in ASCII:
// spaces and tabs skipped, then a sign and a decimal number; no number reads as 0, one beyond
// the range of a double as NaN.
double Read(std::string_view field) {
  const std::string ascii = InAscii(field);
  std::string_view text = ascii;
  const std::size_t start = text.find_first_not_of(" \t");
  if (start == std::string_view::npos) return 0;
  text.remove_prefix(start);
  const bool minus = text[0] == '-';
  if (minus || text[0] == '+') text.remove_prefix(1);
  // A digit or a point must follow: from_chars would also read "inf" and "nan".
  if (text.empty() || (text[0] != '.' && (text[0] < '0' || text[0] > '9'))) return 0;
  double value = 0;
  if (std::from_chars(text.data(), text.data() + text.size(), value).ec ==
      std::errc::result_out_of_range) {
    return std::numeric_limits<double>::quiet_NaN();
  }
  return minus ? -value : value;
}

void CheckValue(const std::array<std::string, 4>& texts, const std::string& shown) {
  const double nValue = Read(texts[0]), kValue = Read(texts[1]);
  const double bic = Read(texts[2]), entropy = Read(texts[3]);
  constexpr double kModerate = 1e9;
  if (!(std::fabs(nValue) < kModerate && kValue >= 1 && kValue < kModerate &&
        std::fabs(bic) < kModerate && std::fabs(entropy) < kModerate)) {
    return;
  }
  // N and K are whole numbers: the fraction is dropped.
  const long double n = std::trunc(static_cast<long double>(nValue));
  const long double k = std::trunc(static_cast<long double>(kValue));
  const long double penalty = 2 * (1 - static_cast<long double>(entropy)) * n * std::log(k);
  const long double expected = bic + penalty;
  const long double tolerance = 0.05L + 1e-13L * (std::fabs(bic) + std::fabs(penalty));
  const double read = Read(shown);
  FUZZ_CHECK(std::fabs(read - expected) <= tolerance,
             "N \"%s\", K \"%s\", BIC \"%s\", entropy \"%s\": shown \"%s\", expected %.6Lf",
             Escaped(texts[0]).c_str(), Escaped(texts[1]).c_str(), Escaped(texts[2]).c_str(),
             Escaped(texts[3]).c_str(), shown.c_str(), expected);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  StartOffscreen();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::array<std::string, 4> given;
  for (std::size_t i = 0; i < given.size(); ++i) {
    const std::size_t end = i + 1 < given.size() ? input.find('\n') : std::string_view::npos;
    given[i] = std::string(input.substr(0, end));
    input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
  }

  DeliverPostedEvents();
  auto& w = ControlWnd();
  const auto fields = Inputs(w);
  rt::testing::Clear();
  w.VorpexFld().SetText(kEarlier);
  w.VorpexFld().SetVisible(false);
  w.VorpexText().SetVisible(false);
  std::array<std::string, 4> texts;
  std::size_t missing = fields.size();
  for (std::size_t i = 0; i < fields.size(); ++i) {
    fields[i]->SetText(given[i]);
    texts[i] = fields[i]->Text();
    // A one-line field holds no control characters; printable ASCII is kept as given.
    const auto control = [](unsigned char c) { return c < 0x20 || c == 0x7f; };
    FUZZ_CHECK(std::none_of(texts[i].begin(), texts[i].end(), control),
               "field %zu holds the control characters of \"%s\"", i, Escaped(texts[i]).c_str());
    if (std::all_of(given[i].begin(), given[i].end(),
                    [&](unsigned char c) { return c < 0x80 && !control(c); })) {
      FUZZ_CHECK(texts[i] == given[i], "field %zu holds \"%s\" after \"%s\" was set", i,
                 Escaped(texts[i]).c_str(), Escaped(given[i]).c_str());
    }
    if (texts[i].empty() && missing == fields.size()) missing = i;
  }
  // The focus starts elsewhere, so that giving it to the empty field shows.
  fields[(missing + 1) % fields.size()]->SetFocus();

  w.calcBtn_MouseDown(w.calcBtn(), 0, 0);

  const auto& messages = rt::testing::MessageBoxes();
  const std::string shown = w.VorpexFld().Text();
  for (std::size_t i = 0; i < fields.size(); ++i) {
    FUZZ_CHECK(fields[i]->Text() == texts[i], "Calculate changed field %zu", i);
  }
  FUZZ_CHECK(rt::testing::BeepCount() == 0, "Calculate beeped");
  if (missing < fields.size()) {
    FUZZ_CHECK(messages.size() == 1 && messages[0] == kMissing[missing],
               "field %zu is empty: %zu messages, the first \"%s\"", missing, messages.size(),
               messages.empty() ? "" : Escaped(messages[0]).c_str());
    QWidget* field = fields[missing]->Widget();
    FUZZ_CHECK(field->window()->focusWidget() == field, "the empty field %zu has no focus",
               missing);
    FUZZ_CHECK(shown == kEarlier && !w.VorpexFld().Visible() && !w.VorpexText().Visible(),
               "field %zu is empty, yet the result shows \"%s\"", missing, shown.c_str());
    return 0;
  }
  FUZZ_CHECK(messages.empty(), "all fields are filled, yet \"%s\" was shown",
             Escaped(messages[0]).c_str());
  FUZZ_CHECK(w.VorpexFld().Visible() && w.VorpexText().Visible(), "the result is hidden");
  FUZZ_CHECK(HasResultShape(shown), "the result \"%s\" has not one decimal", shown.c_str());
  CheckValue(texts, shown);
  return 0;
}
