#include "runtime/Picture.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QResource>
#include <cstring>

#include "runtime/Bridge_p.h"
#include "runtime/Pixels_p.h"
#include "runtime/Testing.h"

namespace rt {

namespace {
QString& ResourceFolder() {
  static QString folder = QStringLiteral(":/pictures");
  return folder;
}

// Decodes a picture file with the reader its suffix names. Left to guess, Qt
// first loads every image-format plugin installed to ask each whether it reads
// the file; a file the suffix does not describe is still read that way.
// The result is in the screen's own format, so that painting only copies or
// blends.
bool Decode(QImage& image, const QString& path) {
  QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
  reader.setAutoDetectImageFormat(false);
  if (!reader.read(&image) && !image.load(path)) return false;
  image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                          : QImage::Format_RGB32);
  return true;
}

// Opens the pre-decoded twin of a picture file, made when the program was
// built. A twin among the built-in resources is stored uncompressed and lasts
// as long as the process: the picture is drawn from it in place. Any other is
// read and copied. False when there is none, or when it does not describe
// itself consistently (another machine's byte order, a size that does not
// match its header): the picture file is decoded then.
bool OpenPixels(QImage& image, const QString& path) {
  using namespace detail;
  const QString twin = path + QLatin1String(kPixelsSuffix);
  const QResource resource(twin);
  const bool inPlace =
      resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression;
  QByteArray read;
  if (!inPlace) {
    QFile file(twin);
    if (!file.open(QIODevice::ReadOnly)) return false;
    read = file.readAll();
  }
  const auto* data = inPlace ? resource.data() : reinterpret_cast<const uchar*>(read.constData());
  const qint64 size = inPlace ? resource.size() : read.size();

  PixelsHeader header;
  if (size < static_cast<qint64>(sizeof header)) return false;
  std::memcpy(&header, data, sizeof header);
  const auto format = static_cast<QImage::Format>(header.format);
  if (std::memcmp(header.magic, kPixelsMagic, sizeof header.magic) != 0 ||
      header.byteOrder != kPixelsByteOrder ||
      (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied) ||
      header.width == 0 || header.height == 0 || header.width > 32767 || header.height > 32767) {
    return false;
  }
  const int width = static_cast<int>(header.width);
  const int height = static_cast<int>(header.height);
  const qsizetype row = static_cast<qsizetype>(width) * 4;
  if (size != static_cast<qint64>(sizeof header) + row * height) return false;
  const uchar* pixels = data + sizeof header;

  if (inPlace && reinterpret_cast<quintptr>(pixels) % alignof(quint32) == 0) {
    image = QImage(pixels, width, height, row, format);  // read-only: never written to
    return !image.isNull();
  }
  image = QImage(width, height, format);
  if (image.isNull()) return false;
  for (int y = 0; y < height; ++y) std::memcpy(image.scanLine(y), pixels + y * row, row);
  return true;
}

bool Open(QImage& image, const QString& path) {
  return OpenPixels(image, path) || Decode(image, path);
}
}  // namespace

Picture::Picture(std::unique_ptr<QImage> image) : image_(std::move(image)) {}
Picture::~Picture() = default;

std::shared_ptr<Picture> Picture::OpenFromApp(std::string_view name) {
  const QString path = ResourceFolder() + QLatin1Char('/') + detail::ToQt(name);
  auto image = std::make_unique<QImage>();
  if (qGuiApp != nullptr && qGuiApp->devicePixelRatio() > 1.0) {
    const QFileInfo file(path);
    const QString doubled = file.path() + QLatin1Char('/') + file.completeBaseName() +
                            QStringLiteral("@2x.") + file.suffix();
    if (Open(*image, doubled)) image->setDevicePixelRatio(2.0);
  }
  if (image->isNull() && !Open(*image, path)) return nullptr;
  return std::make_shared<Picture>(std::move(image));
}

Integer Picture::Width() const {
  return static_cast<Integer>(image_->width() / image_->devicePixelRatio());
}
Integer Picture::Height() const {
  return static_cast<Integer>(image_->height() / image_->devicePixelRatio());
}

namespace testing {
void SetResourceFolder(std::string_view folder) {
  ResourceFolder() = folder.empty() ? QStringLiteral(":/pictures") : detail::ToQt(folder);
}
}  // namespace testing

}  // namespace rt
