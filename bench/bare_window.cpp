// The yardsticks: a bare Qt window of the splash's size (525 x 300) that
// reports its first paint and its peak memory, then quits. Built a second
// time with BARE_WINDOW_TEXT, the window also shows one line of text where
// and as large as the splash shows its credit line, which is what it costs to
// draw any text at all (the platform's font set-up).
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <memory>

#include "FirstPaint.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.resize(525, 300);
#ifdef BARE_WINDOW_TEXT
  auto* text = new QLabel(
      QStringLiteral("Vorpex 1.1 \u00b7 by the Vorpex developers \u00b7 MIT License"), &window);
  QFont font = text->font();
  font.setPixelSize(9);
  text->setFont(font);
  text->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  text->setWordWrap(true);
  text->setGeometry(0, 265, 518, 15);
#endif

  auto watch = std::make_unique<bench::FirstPaint>();
  application.installEventFilter(watch.get());
  watch->Watch([&window] { return &window; },
               [](long long paint, long long painted) {
                 bench::Report("first_paint_ns", paint);
                 bench::Report("painted_ns", painted);
                 bench::Report("cpu_ns", bench::ProcessCpuNs());
                 bench::Report("hwm_kib", bench::PeakResidentKiB());
                 QCoreApplication::quit();
               });

  window.show();
  const int status = QApplication::exec();
  application.removeEventFilter(watch.get());
  return status;
}
