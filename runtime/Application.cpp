#include "runtime/Application.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "runtime/Bridge_p.h"
#include "runtime/Controls.h"
#include "runtime/Display_p.h"
#include "runtime/Menu.h"
#include "runtime/Testing.h"
#include "runtime/Window.h"

namespace rt {

namespace {

struct Runtime {
  std::unique_ptr<QApplication> platform;
  std::unique_ptr<Application> application;
  ExceptionHelper helper = nullptr;
  bool quitting = false;
  bool reporting = false;
  int status = 0;
  // Test seams.
  bool recordMessages = false;
  std::vector<String> messages;
  std::vector<String> reports;
  Integer beeps = 0;
};

Runtime& State() {
  static Runtime runtime;
  return runtime;
}

// The name the platform knows the process by, in place of a command line.
constexpr char kProgramName[] = "vorpex";

// The platform ends the process with exit() from inside its event loop when
// the X connection breaks (so does Xlib when its display goes away). The
// destructors that exit() runs would then tear down the windows and the
// platform under that loop. An exit while the platform runs therefore ends
// the process at once with status 1; after the finalisers it goes on as usual.
// A handler runs before the destructors of whatever existed when it was
// registered, so the event loop registers it again, after start-up has built
// the first windows.
void EndAtOnceWhileRunning() {
  if (State().platform == nullptr) return;
  std::fflush(nullptr);
  std::_Exit(1);
}

constexpr MethodEntry kApplicationMethods[] = {
    {"_x_SetVersionData",
     "( Integer, Integer, Integer, Integer, Integer, String, String, String )"},
};
constexpr ClassRecord kApplicationRecord{"Application", nullptr, kApplicationMethods, {}, nullptr};

String Describe(std::exception_ptr exception) {
  try {
    std::rethrow_exception(exception);
  } catch (const RuntimeException& e) {
    return String(e.Kind()) + ": " + e.what();
  } catch (const std::exception& e) {
    return String("exception: ") + e.what();
  } catch (...) {
    return "an exception of unknown type";
  }
}

void EndLoop(int status) {
  Runtime& rt = State();
  rt.quitting = true;
  rt.status = status;
  if (QCoreApplication::instance() != nullptr) QCoreApplication::exit(status);
}

}  // namespace

const ClassRecord& Application::Class() {
  static const ClassRecord& record = RegisterClass(kApplicationRecord);
  return record;
}

void Application::_x_SetVersionData(Integer majorVersion, Integer minorVersion, Integer bugVersion,
                                    Integer nonReleaseVersion, Integer stageCode,
                                    std::string_view longVersion, std::string_view shortVersion,
                                    std::string_view packageInfo) {
  major_ = majorVersion;
  minor_ = minorVersion;
  bug_ = bugVersion;
  nonRelease_ = nonReleaseVersion;
  stage_ = stageCode;
  longVersion_ = longVersion;
  shortVersion_ = shortVersion;
  packageInfo_ = packageInfo;
  QCoreApplication::setApplicationName(detail::ToQt(packageInfo));
  QCoreApplication::setApplicationVersion(detail::ToQt(shortVersion));
}

void Application::SetMenuBar(MenuBar* menuBar) {
  menuBar_ = menuBar;
#ifdef Q_OS_MACOS
  if (menuBar != nullptr) detail::MakeMenuBar(*menuBar, nullptr);
#endif
}

void RuntimeInit() {
  Runtime& rt = State();
  if (rt.platform != nullptr) return;
  const detail::DisplayCheck display(kProgramName);  // held until the platform has connected
  if (!display.Problem().empty()) {
    std::fprintf(stderr, "%s\n", display.Problem().c_str());
    std::exit(1);
  }
  // The platform reads options of its own from a command line (-style,
  // -stylesheet, -reverse, -qwindowtitle ...); it is given the name alone.
  static int argc = 1;
  static char name[sizeof kProgramName];
  std::memcpy(name, kProgramName, sizeof name);
  static char* argv[] = {name, nullptr};
  rt.platform = std::make_unique<QApplication>(argc, argv);
  std::atexit(&EndAtOnceWhileRunning);
  QApplication::setQuitOnLastWindowClosed(false);  // only Quit ends the application
  QCoreApplication::setOrganizationName(QString());
  // Names the installed vorpex.desktop, so that desktops match the windows to its icon.
  QGuiApplication::setDesktopFileName(QString::fromLatin1(kProgramName));
}

void RuntimePerformInitializers(std::span<const ClassInitializer> initializers) {
  for (const ClassInitializer initializer : initializers) initializer();
}

void RuntimeSetExceptionHelper(ExceptionHelper helper) { State().helper = helper; }

void RuntimeInitExternalClasses() {
  Window::Class();
  Control::Class();
  RectControl::Class();
  Label::Class();
  TextField::Class();
  PushButton::Class();
  Canvas::Class();
  TextArea::Class();
  Timer::Class();
  MenuItem::Class();
  QuitMenuItem::Class();
  PrefsMenuItem::Class();
  MenuBar::Class();
  Application::Class();
}

void InitPluginEntrypoints() {}

void RuntimeRegisterAppObject(std::unique_ptr<Application> application) {
  State().application = std::move(application);
}

Application* App() { return State().application.get(); }

void RunFrameworkInitialization(void (*callback)()) { callback(); }

void RuntimeRun() {
  if (State().quitting) return;
  std::atexit(&EndAtOnceWhileRunning);  // ahead of the windows' destructors
  QApplication::exec();
}

void RuntimePerformFinalizers() {
  detail::ReleaseWindows();
  detail::ReleaseMenuActions();
  State().application.reset();
  State().platform.reset();
}

int RuntimeExit() { return State().status; }

void UnhandledException(std::exception_ptr exception) {
  Runtime& rt = State();
  const String report = "Unhandled " + Describe(exception);
  std::fprintf(stderr, "%s\n", report.c_str());
  if (!rt.reporting) {
    rt.reporting = true;
    if (rt.recordMessages) {
      rt.reports.push_back(report);
    } else if (QCoreApplication::instance() != nullptr) {
      try {
        MsgBox(report + "\r");
      } catch (...) {
        std::fprintf(stderr, "The report could not be shown.\n");
      }
    }
    rt.reporting = false;
  }
  EndLoop(1);  // never 0, whatever Quit said before
}

bool CallProgram(bool (*function)(void*), void* argument) {
  struct Call {
    bool (*function)(void*);
    void* argument;
    bool result = false;
  } call{function, argument};
  const auto run = [](void* c) {
    auto* self = static_cast<Call*>(c);
    self->result = self->function(self->argument);
  };
  try {
    std::exception_ptr raised;
    if (State().helper != nullptr) {
      raised = State().helper(run, &call);
    } else {
      run(&call);
    }
    if (raised) {
      UnhandledException(raised);
      return false;
    }
    return call.result;
  } catch (...) {
    UnhandledException(std::current_exception());
    return false;
  }
}

void Quit(Integer code) {
  if (State().quitting) return;
  EndLoop(static_cast<int>(std::clamp<Integer>(code, INT32_MIN, INT32_MAX)));
}

void MsgBox(std::string_view text) {
  Runtime& rt = State();
  if (rt.recordMessages) {
    rt.messages.emplace_back(text);
    return;
  }
  QString shown = detail::ToQt(text);
  if (shown.endsWith(QChar('\r'))) shown.chop(1);
  shown.replace(QChar('\r'), QChar('\n'));
  Window* front = FrontWindow();
  QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), shown, QMessageBox::Ok,
                  front != nullptr ? front->Frame() : nullptr);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

void Beep() {
  ++State().beeps;
  QApplication::beep();
}

namespace testing {

void RecordMessageBoxes(bool on) { State().recordMessages = on; }
const std::vector<String>& MessageBoxes() { return State().messages; }
const std::vector<String>& UnhandledReports() { return State().reports; }
Integer BeepCount() { return State().beeps; }
void Clear() {
  State().messages.clear();
  State().reports.clear();
  State().beeps = 0;
}
void DestroyWindows() { detail::ReleaseWindows(); }
bool QuitRequested() { return State().quitting; }
int ExitStatus() { return State().status; }
void ResetQuit() {
  State().quitting = false;
  State().status = 0;
}

}  // namespace testing
}  // namespace rt
