#include "runtime/Picture.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>

#include "runtime/Bridge_p.h"
#include "runtime/Testing.h"

namespace rt {

namespace {
QString& ResourceFolder() {
  static QString folder = QStringLiteral(":/pictures");
  return folder;
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
    if (image->load(doubled)) image->setDevicePixelRatio(2.0);
  }
  if (image->isNull() && !image->load(path)) return nullptr;
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
