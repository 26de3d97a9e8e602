// The pre-decoded form of a picture, made from its file when the program is
// built: this header, then the rows of pixels in the format the screen draws
// from (4 bytes a pixel, no padding), so that opening it decodes nothing.
#pragma once

#include <cstdint>

namespace rt::detail {

struct PixelsHeader {
  char magic[4];            // kPixelsMagic
  std::uint32_t byteOrder;  // kPixelsByteOrder as the writing machine stores it
  std::uint32_t width;
  std::uint32_t height;
  std::uint32_t format;  // QImage::Format_RGB32 or QImage::Format_ARGB32_Premultiplied
  std::uint32_t reserved[3];
};
static_assert(sizeof(PixelsHeader) == 32, "the rows start 32 bytes in");

inline constexpr char kPixelsMagic[4] = {'V', 'X', 'P', 'X'};
inline constexpr std::uint32_t kPixelsByteOrder = 0x01020304;

// The pre-decoded twin of a picture file: "bic.png" -> "bic.png.pixels".
inline constexpr char kPixelsSuffix[] = ".pixels";

}  // namespace rt::detail
