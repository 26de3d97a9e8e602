// The widget tests run against the real program on the offscreen platform,
// started the way the application starts, with message boxes recorded.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>

#include "app/Vorpex.h"
#include "runtime/Testing.h"

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
  ::testing::InitGoogleTest(&argc, argv);
  rt::RuntimeInit();
  rt::RuntimePerformInitializers(ClassInitializers());
  rt::testing::RecordMessageBoxes(true);
  EarlyStartup();  // the application object and the shared menu bar
  const int result = RUN_ALL_TESTS();
  rt::RuntimePerformFinalizers();
  return result;
}
