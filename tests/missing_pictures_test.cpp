// Start-up without the pictures. The pictures, once loaded, are kept for the
// whole process, so this runs in a process of its own that loads none before.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "Harness.h"
#include "app/AboutWnd.h"
#include "app/Pictures.h"
#include "app/Vorpex.h"
#include "runtime/Window.h"

namespace {

class MissingPictures : public WindowTest {
 protected:
  void TearDown() override {
    rt::testing::SetResourceFolder("");
    WindowTest::TearDown();
  }
};

TEST_F(MissingPictures, WindowsStillWorkAndEachPictureIsTriedAgainUntilItLoads) {
  static int runs = 0;
  if (runs++ > 0) GTEST_SKIP() << "the first run in this process loaded the pictures for good";
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  rt::testing::SetResourceFolder(folder.path().toStdString());
  EXPECT_EQ(Vessx(), nullptr);
  EXPECT_EQ(bic(), nullptr);

  LateStartup();
  class AboutWnd& about = AboutWnd();
  EXPECT_TRUE(about.Visible());
  EXPECT_EQ(about.Canvas1().Backdrop(), nullptr);
  EXPECT_EQ(about.Canvas2().Backdrop(), nullptr);

  rt::testing::FireTimer(about.Timer1());
  EXPECT_FALSE(about.Visible());
  rt::Window* built = rt::GetImplicitWindow("ControlWnd.ControlWnd");
  ASSERT_NE(built, nullptr);
  auto& calculator = rt::Cast<class ControlWnd>(built);
  EXPECT_TRUE(calculator.Visible());
  EXPECT_EQ(calculator.Canvas1().Backdrop(), nullptr);
  EXPECT_EQ(calculator.Canvas2().Backdrop(), nullptr);
  EXPECT_FALSE(rt::testing::QuitRequested());
  EXPECT_TRUE(rt::testing::UnhandledReports().empty());

  // One picture turns up in the folder: the next call loads it, and keeps it.
  ASSERT_TRUE(QFile::copy(QStringLiteral(":/pictures/bic.png"), folder.filePath("bic.png")));
  const auto loaded = bic();
  ASSERT_NE(loaded, nullptr);
  EXPECT_GT(loaded->Width(), 0);
  EXPECT_EQ(bic(), loaded);
  EXPECT_EQ(Vessx(), nullptr);

  rt::testing::SetResourceFolder("");  // the built-in pictures again
  EXPECT_NE(Vessx(), nullptr);
  EXPECT_EQ(bic(), loaded);
}

// A file that is there but does not decode counts as missing.
TEST_F(MissingPictures, UndecodablePictureGivesNothing) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  QFile broken(folder.filePath("Vessx.png"));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("not a picture");
  broken.close();
  rt::testing::SetResourceFolder(folder.path().toStdString());
  EXPECT_EQ(rt::Picture::OpenFromApp("Vessx.png"), nullptr);
  EXPECT_EQ(rt::Picture::OpenFromApp("bic.png"), nullptr);
}

}  // namespace
