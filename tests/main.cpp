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
  // Listing the tests, as the build does to find them, starts no Qt: Qt would
  // set up its runtime folder under the temporary directory.
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  rt::RuntimeInit();
  rt::RuntimePerformInitializers(ClassInitializers());
  rt::testing::RecordMessageBoxes(true);
  EarlyStartup();  // the application object and the shared menu bar
  const int result = RUN_ALL_TESTS();
  rt::RuntimePerformFinalizers();
  return result;
}
