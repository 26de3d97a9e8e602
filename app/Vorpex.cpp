#include "app/Vorpex.h"

#include "app/AboutWnd.h"
#include "app/MenuBar1.h"
#include "calculator/ControlWnd.h"
#include "help/helpWnd.h"

namespace {

std::unique_ptr<rt::Object> Create() { return std::make_unique<Vorpex>(); }

constexpr rt::MethodEntry kMethods[] = {{"Constructor", "(  )"}};

// Calls a function and hands back the runtime error it raised, if any; other
// errors pass on to the caller.
std::exception_ptr CallFunctionWithExceptionHandling(void (*function)(void*), void* argument) {
  try {
    function(argument);
  } catch (const rt::RuntimeException&) {
    return std::current_exception();
  }
  return nullptr;
}

constexpr rt::ClassInitializer kInitializers[] = {
    [] { Vorpex::Class(); },
    [] { ControlWnd::Class(); },
    [] {},  // the shared menu bar starts empty
    [] { MenuBar1::Class(); },
    [] { helpWnd::Class(); },
    [] { AboutWnd::Timer1Class(); },
    [] { AboutWnd::Class(); },
};

}  // namespace

const rt::ClassRecord& Vorpex::Class() {
  static const rt::ClassRecord record{"Vorpex", &rt::Application::Class(), kMethods, {}, &Create};
  static const rt::ClassRecord& registered = rt::RegisterClass(record);
  return registered;
}

bool Vorpex::IsEventImplemented(std::string_view name) const {
  return rt::RuntimeIsEventHandled(*this, "Vorpex", name, true);
}

std::span<const rt::ClassInitializer> ClassInitializers() { return kInitializers; }

void Main() {
  try {
    rt::RuntimeSetExceptionHelper(&CallFunctionWithExceptionHandling);
    EarlyStartup();
    rt::RunFrameworkInitialization(&LateStartup);
    rt::RuntimeRun();
  } catch (...) {
    rt::UnhandledException(std::current_exception());
  }
}

void EarlyStartup() {
  rt::Application::SetSupportsHiDPI(true);
  rt::RuntimeInitExternalClasses();
  rt::InitPluginEntrypoints();
  InitFileTypes();
  NewAppInstance();
  ApplicationAddMenuHandlers();
}

void InitFileTypes() {}  // the program opens no documents

void NewAppInstance() {
  auto app = rt::NewAs<Vorpex>(Vorpex::Class());
  app->Constructor();
  app->_x_SetVersionData(1, 1, 0, 0, 3, kLongVersion, "1.1", "Vorpex");
  app->SetMenuBar(&MenuBar1());
  rt::RuntimeRegisterAppObject(std::move(app));
}

void ApplicationAddMenuHandlers() {}  // the application object handles no menu item

void LateStartup() { MakeDefaultView(); }

void MakeDefaultView() { AboutWnd(); }  // declared visible: building it shows it
