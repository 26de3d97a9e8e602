#include "app/Vorpex.h"

int main(int argc, char* argv[]) {
  rt::RuntimeInit(argc, argv);
  rt::RuntimePerformInitializers(ClassInitializers());
  Main();
  rt::RuntimePerformFinalizers();
  return rt::RuntimeExit();
}
