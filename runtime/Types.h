// Value types and exceptions of the runtime layer.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace rt {

using Integer = std::int64_t;
using Double = double;
using Boolean = bool;
using String = std::string;  // UTF-8

// A colour as four stored bytes. The runtime reads the first byte as red, the
// second as green and the third as blue; the fourth is unused (always 0).
struct Color {
  std::uint8_t bytes[4];
  constexpr std::uint8_t Red() const { return bytes[0]; }
  constexpr std::uint8_t Green() const { return bytes[1]; }
  constexpr std::uint8_t Blue() const { return bytes[2]; }
  friend constexpr bool operator==(const Color&, const Color&) = default;
};

inline constexpr Color kWhite{{0xff, 0xff, 0xff, 0x00}};
inline constexpr Color kBlack{{0x00, 0x00, 0x00, 0x00}};

// Every error the runtime raises is a RuntimeException; the program catches none.
class RuntimeException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
  virtual const char* Kind() const { return "RuntimeException"; }
};

class NilObjectException : public RuntimeException {
 public:
  using RuntimeException::RuntimeException;
  const char* Kind() const override { return "NilObjectException"; }
};

class IllegalCastException : public RuntimeException {
 public:
  using RuntimeException::RuntimeException;
  const char* Kind() const override { return "IllegalCastException"; }
};

class ThreadAccessingUIException : public RuntimeException {
 public:
  using RuntimeException::RuntimeException;
  const char* Kind() const override { return "ThreadAccessingUIException"; }
};

class UnsupportedOperationException : public RuntimeException {
 public:
  using RuntimeException::RuntimeException;
  const char* Kind() const override { return "UnsupportedOperationException"; }
};

}  // namespace rt
