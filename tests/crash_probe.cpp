// A test-only start of the real program in which something meets an
// exception that nothing catches. The first argument says what:
//   runtime-exception    the Quit handler raises a NilObjectException
//   std-exception        the Quit handler raises a std::out_of_range
//   quit-then-exception  the Quit handler quits with status 0, then raises a
//                        RuntimeException
//   posted-call          a posted call into program code raises an
//                        IllegalCastException
//   quit                 (the calculator's own handler) quits normally
// For these the splash hands over to the calculator (as when its timer runs
// out) and File > Quit is chosen there. Or start-up itself fails:
//   app-object-fails     creating the application object raises a
//                        NilObjectException
//   about-window-fails   creating the About window raises std::bad_alloc
//   unknown-error        creating the application object raises an int
// Message boxes are recorded; the reports the runtime showed are printed on
// stdout as "report shown: ...". The exit status is the program's own.
#include <QAction>
#include <QTimer>
#include <cstdio>
#include <new>
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

// Plans the failure of a start-up variant; false for the other variants.
bool PlanStartupFailure(const std::string& variant) {
  if (variant == "app-object-fails") {
    rt::testing::FailCreation(
        "Vorpex", 1,
        std::make_exception_ptr(rt::NilObjectException("probe: no application object")));
  } else if (variant == "about-window-fails") {
    rt::testing::FailCreation("AboutWnd.AboutWnd", 1, std::make_exception_ptr(std::bad_alloc()));
  } else if (variant == "unknown-error") {
    rt::testing::FailCreation("Vorpex", 1, std::make_exception_ptr(42));
  } else {
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::string variant = argc > 1 ? argv[1] : "";
  rt::RuntimeInit();
  rt::RuntimePerformInitializers(ClassInitializers());
  rt::testing::RecordMessageBoxes(true);
  if (PlanStartupFailure(variant)) {
    // Main must report and return without starting the event loop.
  } else if (variant == "runtime-exception" || variant == "std-exception" ||
             variant == "quit-then-exception" || variant == "posted-call" || variant == "quit") {
    QTimer::singleShot(0, [variant] { ChooseQuit(variant); });
  } else {
    std::fprintf(stderr, "crash_probe: unknown variant '%s'\n", variant.c_str());
    return 2;
  }
  Main();
  for (const rt::String& report : rt::testing::UnhandledReports()) {
    std::printf("report shown: %s\n", report.c_str());
  }
  rt::RuntimePerformFinalizers();
  return rt::RuntimeExit();
}
