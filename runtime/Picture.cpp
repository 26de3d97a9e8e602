#include "runtime/Picture.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>

#include "runtime/Bridge_p.h"
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
bool Decode(QImage& image, const QString& path) {
  QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
  reader.setAutoDetectImageFormat(false);
  return reader.read(&image) || image.load(path);
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
    if (Decode(*image, doubled)) image->setDevicePixelRatio(2.0);
  }
  if (image->isNull() && !Decode(*image, path)) return nullptr;
  // Drawn in the screen's own format, so that painting only copies or blends.
  image->convertTo(image->hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                            : QImage::Format_RGB32);
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
