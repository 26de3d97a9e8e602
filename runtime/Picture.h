// Pictures from the application's resources.
#pragma once

#include <memory>
#include <string_view>

#include "runtime/Types.h"

class QImage;

namespace rt {

class Picture {
 public:
  explicit Picture(std::unique_ptr<QImage> image);
  ~Picture();

  // Opens a picture resource by file name ("bic.png"): its pre-decoded twin
  // ("bic.png.pixels") where there is a sound one, else the file, decoded. A
  // version for high-resolution screens ("bic@2x.png") is taken instead where
  // the screen needs it and the resource has one. Nothing when there is no such
  // resource or it does not decode.
  static std::shared_ptr<Picture> OpenFromApp(std::string_view name);

  // The size in device-independent pixels.
  Integer Width() const;
  Integer Height() const;
  const QImage& Image() const { return *image_; }

 private:
  std::unique_ptr<QImage> image_;
};

}  // namespace rt
