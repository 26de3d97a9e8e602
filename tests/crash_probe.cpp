// A test-only start of the real program whose event loop meets an exception
// that nothing catches: after the usual start-up the splash hands over to the
// calculator (as when its timer runs out) and File > Quit is chosen there.
// The first argument says what the Quit handler does:
//   runtime-exception    raises a NilObjectException
//   std-exception        raises a std::out_of_range
//   quit-then-exception  quits with status 0, then raises a RuntimeException
//   posted-call          (no handler) a posted call into program code raises
//                        an IllegalCastException
//   quit                 (the calculator's own handler) quits normally
// Message boxes are recorded; the reports the runtime showed are printed on
// stdout as "report shown: ...". The exit status is the program's own.
#include <QAction>
#include <QTimer>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "app/AboutWnd.h"
#include "app/MenuBar1.h"
#include "app/Vorpex.h"
#include "calculator/ControlWnd.h"
#include "runtime/Application.h"
#include "runtime/Testing.h"

namespace {

bool Raise(const std::string& variant) {
  if (variant == "runtime-exception") throw rt::NilObjectException("probe: nothing there");
  if (variant == "std-exception") throw std::out_of_range("probe: out of range");
  rt::Quit(0);
  throw rt::RuntimeException("probe: raised after Quit");
}

void ChooseQuit(const std::string& variant) {
  rt::testing::FireTimer(AboutWnd().Timer1());  // the splash hands over to the calculator
  if (variant == "posted-call") {
    QTimer::singleShot(0, [] {
      rt::Guarded([]() -> bool { throw rt::IllegalCastException("probe: posted call"); });
    });
    return;
  }
  if (variant != "quit") {
    ControlWnd().AddMenuHandler("FileQuit", [variant] { return Raise(variant); });
  }
  MenuBar1().Lookup("FileQuit")->Action()->trigger();
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::string variant = argc > 1 ? argv[1] : "";
  if (variant != "runtime-exception" && variant != "std-exception" &&
      variant != "quit-then-exception" && variant != "posted-call" && variant != "quit") {
    std::fprintf(stderr, "crash_probe: unknown variant '%s'\n", variant.c_str());
    return 2;
  }
  rt::RuntimeInit();
  rt::RuntimePerformInitializers(ClassInitializers());
  rt::testing::RecordMessageBoxes(true);
  QTimer::singleShot(0, [variant] { ChooseQuit(variant); });
  Main();
  for (const rt::String& report : rt::testing::UnhandledReports()) {
    std::printf("report shown: %s\n", report.c_str());
  }
  rt::RuntimePerformFinalizers();
  return rt::RuntimeExit();
}
