// Seams for the test suite. Nothing in the program calls these, and no
// command line, setting or environment variable reaches them.
#pragma once

#include <exception>
#include <string_view>
#include <vector>

#include "runtime/Types.h"

namespace rt {
class Timer;
}

namespace rt::testing {

// While on, message boxes (and the unhandled-exception report) are recorded
// and return at once instead of waiting for the user.
void RecordMessageBoxes(bool on);
// The texts given to MsgBox since the last Clear, as given.
const std::vector<String>& MessageBoxes();
// The unhandled-exception reports since the last Clear.
const std::vector<String>& UnhandledReports();
// How often Beep ran since the last Clear.
Integer BeepCount();
void Clear();

// Pictures come from a folder of files instead of the built-in resources; the
// empty text restores the built-in ones.
void SetResourceFolder(std::string_view folder);

// Fires an armed timer now, as if its period had passed.
void FireTimer(Timer& timer);

// The `count`-th object created from now of the class with that full name
// is not created: `error` is raised instead (a RuntimeException when null);
// once.
void FailCreation(std::string_view className, int count, std::exception_ptr error = {});

// Drops every window the runtime holds.
void DestroyWindows();

// Whether Quit (or an unhandled exception) asked the event loop to end, and
// the exit status it set; Reset forgets it.
bool QuitRequested();
int ExitStatus();
void ResetQuit();

}  // namespace rt::testing
