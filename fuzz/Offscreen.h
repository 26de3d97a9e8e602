// Starts the real program for a fuzz target the way the widget tests do: the
// offscreen platform, the class initialisers, the application object and the
// shared menu bar, with message boxes recorded instead of shown; then builds
// the calculator window, so that what the platform sets up once (fonts) is
// done before the first input.
#pragma once

#include <QCoreApplication>
#include <cstdlib>

#include "app/Vorpex.h"
#include "calculator/ControlWnd.h"
#include "runtime/Testing.h"

inline void StartOffscreen() {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);  // Qt's own choice of platform
  rt::RuntimeInit();
  rt::RuntimePerformInitializers(ClassInitializers());
  rt::testing::RecordMessageBoxes(true);
  EarlyStartup();
  ControlWnd();
  // libFuzzer leaves through exit(): the windows must go before the platform.
  std::atexit([] { rt::RuntimePerformFinalizers(); });
}

// What an event loop would do between two inputs: deliver the events that
// Qt posted (showing and hiding a control posts some); left alone, they pile
// up for the whole run.
inline void DeliverPostedEvents() { QCoreApplication::sendPostedEvents(); }

// fontconfig's own allocations: the configuration it parses when Qt first
// loads the fonts, and the fallback patterns it makes when Qt lays out a
// character that the field's font lacks. While the process runs, the leak
// checker finds no pointer to them and takes them for lost; memcheck finds
// them all freed when the platform ends. Only Qt calls into fontconfig, never
// our code. (Each window target includes this header once.)
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
