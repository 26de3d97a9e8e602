#include "app/Pictures.h"

namespace {

// The shared steps of both accessors, each with statics of its own.
std::shared_ptr<rt::Picture> Cached(bool& initialised, std::shared_ptr<rt::Picture>& pic,
                                    std::string_view resource) {
  if (!initialised) {
    initialised = true;
    pic = nullptr;
  }
  if (pic == nullptr) pic = rt::Picture::OpenFromApp(resource);  // a raised error leaves it empty
  return pic;
}

}  // namespace

std::shared_ptr<rt::Picture> Vessx() {
  static bool initialised = false;
  static std::shared_ptr<rt::Picture> pic;
  return Cached(initialised, pic, "Vessx.png");
}

std::shared_ptr<rt::Picture> bic() {
  static bool initialised = false;
  static std::shared_ptr<rt::Picture> pic;
  return Cached(initialised, pic, "bic.png");
}
