// What the fuzz targets share: stopping the run on a broken property, and
// starting the program on the offscreen platform.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// A text with its bytes outside printable ASCII as \xNN, for failure reports.
inline std::string Escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7f && c != '\\') {
      out += c;
    } else {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02x", byte);
      out += hex;
    }
  }
  return out;
}

// Stops the run: libFuzzer keeps the input that broke the property.
#define FUZZ_CHECK(condition, ...)                                                          \
  do {                                                                                      \
    if (!(condition)) {                                                                     \
      std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
      std::fprintf(stderr, __VA_ARGS__);                                                    \
      std::fputc('\n', stderr);                                                             \
      std::abort();                                                                         \
    }                                                                                       \
  } while (false)
