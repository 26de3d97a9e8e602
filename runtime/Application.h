// The application object, the life of the process and the global functions
// that need the user interface.
#pragma once

#include <exception>
#include <memory>
#include <span>
#include <string_view>
#include <type_traits>

#include "runtime/Object.h"

namespace rt {

class MenuBar;

class Application : public Object {
 public:
  static const ClassRecord& Class();

  // Stores the version data; the runtime names the application after
  // PackageInfo (message-box titles, the desktop's application name).
  virtual void _x_SetVersionData(Integer majorVersion, Integer minorVersion, Integer bugVersion,
                                 Integer nonReleaseVersion, Integer stageCode,
                                 std::string_view longVersion, std::string_view shortVersion,
                                 std::string_view packageInfo);

  Integer MajorVersion() const { return major_; }
  Integer MinorVersion() const { return minor_; }
  Integer BugVersion() const { return bug_; }
  Integer NonReleaseVersion() const { return nonRelease_; }
  Integer StageCode() const { return stage_; }
  const String& LongVersion() const { return longVersion_; }
  const String& ShortVersion() const { return shortVersion_; }
  const String& PackageInfo() const { return packageInfo_; }

  MenuBar* GetMenuBar() const { return menuBar_; }
  void SetMenuBar(MenuBar* menuBar);

  // High-resolution support is always on with this platform layer.
  static void SetSupportsHiDPI(bool) {}

 private:
  Integer major_ = 0, minor_ = 0, bug_ = 0, nonRelease_ = 0, stage_ = 0;
  String longVersion_, shortVersion_, packageInfo_;
  MenuBar* menuBar_ = nullptr;
};

// --- The life of the process, in the order the start-up calls it. ---

// Starts the platform. The program takes no command-line arguments, and none
// reaches the platform either. When the display cannot be reached, says so in
// one line on stderr and ends the process with status 1.
void RuntimeInit();

// Runs the class initialisers; each registers one class.
using ClassInitializer = void (*)();
void RuntimePerformInitializers(std::span<const ClassInitializer> initializers);

// The program's exception-catching callback: calls `function(argument)` and
// returns the RuntimeException it raised, or nothing; the runtime makes every
// call into program code through it.
using ExceptionHelper = std::exception_ptr (*)(void (*function)(void*), void* argument);
void RuntimeSetExceptionHelper(ExceptionHelper helper);

// The runtime's own classes (value wrappers, exceptions, message dialog, weak
// references) and plug-in entry points; this platform layer has no plug-ins.
void RuntimeInitExternalClasses();
void InitPluginEntrypoints();

// The runtime holds the application object from here on.
void RuntimeRegisterAppObject(std::unique_ptr<Application> application);
Application* App();

// Runs the late start-up callback once (before the event loop starts).
void RunFrameworkInitialization(void (*callback)());

// The event loop, until Quit (or an unhandled exception). When the platform
// loses its display, the process ends at once with status 1.
void RuntimeRun();

// Releases every window, menu action and the platform, in that order.
void RuntimePerformFinalizers();

// The exit status: the code given to the first Quit, 0 without one, and 1
// after an unhandled exception, whatever Quit said.
int RuntimeExit();

// The report of an unhandled exception: written to stderr and shown in a
// message box; then the event loop ends and the process exits with status 1.
void UnhandledException(std::exception_ptr exception);

// Runs program code from the event loop: no exception crosses it, each goes to
// UnhandledException. Returns what `function` returned, or false.
bool CallProgram(bool (*function)(void*), void* argument);
template <class F>
bool Guarded(F&& function) {
  using Callable = std::remove_reference_t<F>;
  return CallProgram([](void* f) -> bool { return (*static_cast<Callable*>(f))(); },
                     const_cast<void*>(static_cast<const void*>(&function)));
}

// --- Global functions. ---

// Ends the event loop; the process exits with `code`. A second Quit while
// quitting changes nothing.
void Quit(Integer code = 0);

// Shows a modal message, titled with the application's name, with one OK
// button; returns when it is dismissed. A trailing carriage return ends the
// text and is not shown; other carriage returns break lines.
void MsgBox(std::string_view text);

// The platform's alert sound.
void Beep();

}  // namespace rt
