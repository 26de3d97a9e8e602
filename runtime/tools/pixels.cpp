// Build step: decodes a picture file and writes its pre-decoded twin, in the
// format and with the conversion that rt::Picture uses when it decodes.
//
//   pixels IN.png OUT.png.pixels
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <cstdio>
#include <cstring>

#include "runtime/Pixels_p.h"

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s PICTURE OUTPUT\n", argv[0]);
    return 2;
  }
  QImage image;
  QImageReader reader(QFile::decodeName(argv[1]));
  if (!reader.read(&image)) {
    std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(reader.errorString()));
    return 1;
  }
  image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                          : QImage::Format_RGB32);
  rt::detail::PixelsHeader header{};
  std::memcpy(header.magic, rt::detail::kPixelsMagic, sizeof header.magic);
  header.byteOrder = rt::detail::kPixelsByteOrder;
  header.width = static_cast<std::uint32_t>(image.width());
  header.height = static_cast<std::uint32_t>(image.height());
  header.format = static_cast<std::uint32_t>(image.format());

  QFile out(QFile::decodeName(argv[2]));
  bool written = out.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                 out.write(reinterpret_cast<const char*>(&header), sizeof header) ==
                     static_cast<qint64>(sizeof header);
  const qint64 row = static_cast<qint64>(image.width()) * 4;
  for (int y = 0; written && y < image.height(); ++y) {
    written = out.write(reinterpret_cast<const char*>(image.constScanLine(y)), row) == row;
  }
  if (!written || !out.flush()) {
    std::fprintf(stderr, "%s: cannot write\n", argv[2]);
    out.remove();
    return 1;
  }
  return 0;
}
