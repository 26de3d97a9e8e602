#include "app/Vorpex.h"

// The program takes no command-line arguments.
int main() {
  rt::RuntimeInit();
  rt::RuntimePerformInitializers(ClassInitializers());
  Main();
  rt::RuntimePerformFinalizers();
  return rt::RuntimeExit();
}
