// At a device pixel ratio of 2 (QT_SCALE_FACTOR=2) the canvases draw the
// pictures made for it, pixel for pixel, not the ordinary ones enlarged.
#include <QImage>
#include <QWidget>

#include "Harness.h"
#include "app/AboutWnd.h"
#include "app/Pictures.h"
#include "runtime/Picture.h"
#include "runtime/Window.h"

namespace {

// How many pixels of `shown` differ from those of `expected` at the same place.
int Differences(const QImage& shown, const QImage& expected) {
  int count = 0;
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) count += shown.pixel(x, y) != expected.pixel(x, y);
  }
  return count;
}

struct Drawn {
  const char* window;
  const char* canvas;
  std::shared_ptr<rt::Picture> (*picture)();
  const char* file;
};

TEST_F(WindowTest, CanvasesDrawTheDoubleSizePictures) {
  ASSERT_EQ(qApp->devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2";
  for (const Drawn& drawn : {Drawn{"about", "Canvas1", &Vessx, ":/pictures/Vessx@2x.png"},
                             Drawn{"about", "Canvas2", &bic, ":/pictures/bic@2x.png"},
                             Drawn{"calculator", "Canvas1", &Vessx, ":/pictures/Vessx@2x.png"},
                             Drawn{"calculator", "Canvas2", &bic, ":/pictures/bic@2x.png"}}) {
    SCOPED_TRACE(std::string(drawn.window) + " " + drawn.canvas);
    const rt::Window& window = std::string_view(drawn.window) == "about"
                                   ? static_cast<rt::Window&>(AboutWnd())
                                   : ControlWnd();
    const QImage file = QImage(drawn.file).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(file.isNull());
    const auto picture = drawn.picture();
    EXPECT_EQ(picture->Image().size(), file.size());
    EXPECT_EQ(picture->Width() * 2, file.width());  // in window units, as at 1x

    QWidget* canvas = window.ControlNamed<rt::Canvas>(drawn.canvas).Widget();
    const QImage shown = canvas->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.devicePixelRatio(), 2.0);
    const QImage drawnPart = shown.copy(0, 0, std::min(shown.width(), file.width()),
                                        std::min(shown.height(), file.height()));
    EXPECT_EQ(Differences(drawnPart, file), 0);
  }
}

}  // namespace
