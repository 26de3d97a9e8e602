// The application object and the start-up and shut-down of the process.
#pragma once

#include <string_view>

#include "runtime/Application.h"

class Vorpex final : public rt::Application {
 public:
  static const rt::ClassRecord& Class();
  void Constructor() {}
  bool IsEventImplemented(std::string_view name) const;
};

// The one-line notice of the version data.
inline constexpr std::string_view kLongVersion =
    "Vorpex 1.1, copyright (c) 2026 the Vorpex developers, MIT License";

// The whole life of the process after the runtime has started: the
// exception-catching callback, the early start-up, the framework's
// initialisation with the late start-up, and the event loop. An exception
// that escapes goes to the runtime's report.
void Main();
void EarlyStartup();
void InitFileTypes();
void NewAppInstance();
void ApplicationAddMenuHandlers();
void LateStartup();
void MakeDefaultView();

// The class initialisers start-up runs, in their order.
std::span<const rt::ClassInitializer> ClassInitializers();
