// Start-up without the pictures. The pictures, once loaded, are kept for the
// whole process, so this runs in a process of its own that loads none before.
#include <QFile>
#include <QImage>
#include <QResource>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <functional>

#include "Harness.h"
#include "app/AboutWnd.h"
#include "app/Pictures.h"
#include "app/Vorpex.h"
#include "runtime/Window.h"

namespace {

// The pixels of a picture alone (no colour space or other notes), in a format
// any two can be compared in.
QImage Pixels(const QImage& image) {
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  return QImage(argb.constBits(), argb.width(), argb.height(), argb.bytesPerLine(),
                QImage::Format_ARGB32)
      .copy();
}
// What decoding the built-in picture file gives.
QImage Decoded(const QString& name) { return Pixels(QImage(QStringLiteral(":/pictures/") + name)); }
QImage Comparable(const rt::Picture& picture) { return Pixels(picture.Image()); }

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

// The built-in pictures open from their twins, pre-decoded when the program
// was built: drawn from the program's own data in place, and pixel for pixel
// what decoding the picture files gives.
TEST_F(MissingPictures, BuiltInPicturesOpenPreDecodedInPlace) {
  for (const char* name : {"Vessx.png", "Vessx@2x.png", "bic.png", "bic@2x.png"}) {
    SCOPED_TRACE(name);
    const auto picture = rt::Picture::OpenFromApp(name);
    ASSERT_NE(picture, nullptr);
    const QResource twin(QStringLiteral(":/pictures/%1.pixels").arg(QLatin1String(name)));
    ASSERT_TRUE(twin.isValid());
    const uchar* bits = picture->Image().constBits();
    EXPECT_TRUE(bits >= twin.data() && bits < twin.data() + twin.size());
    EXPECT_EQ(Comparable(*picture), Decoded(QLatin1String(name)));
  }
}

// A twin read from a file opens the same picture; one that does not describe
// itself consistently is passed over for the picture file, and with no file it
// gives nothing.
TEST_F(MissingPictures, TwinsThatDoNotFitArePassedOver) {
  using Spoil = std::function<void(QByteArray&)>;
  const auto word = [](QByteArray& twin, int at, quint32 value) {
    qToUnaligned(value, twin.data() + at);
  };
  const struct {
    const char* what;
    Spoil spoil;
    bool opens;  // without the picture file beside it
  } kCases[] = {
      {"sound", [](QByteArray&) {}, true},
      {"empty", [](QByteArray& t) { t.clear(); }, false},
      {"not a twin", [](QByteArray& t) { t[0] = 'P'; }, false},
      {"cut short", [](QByteArray& t) { t.chop(t.size() / 2); }, false},
      {"longer than it says", [](QByteArray& t) { t.append(732, '\xff'); }, false},
      {"unknown pixel format", [&](QByteArray& t) { word(t, 16, QImage::Format_Indexed8); }, false},
      {"wider than any screen",
       [&](QByteArray& t) {
         word(t, 8, 40000);
         word(t, 12, 1);
         t.resize(32 + 40000 * 4, '\0');  // filled: the file holds no stray bytes
       },
       false},
      {"another machine's byte order",
       [](QByteArray& t) {
         auto* words = reinterpret_cast<quint32*>(t.data());
         words[1] = qbswap(words[1]);
         for (qsizetype i = 8; i < t.size() / 4; ++i) words[i] = qbswap(words[i]);
       },
       false},
  };
  QFile built(QStringLiteral(":/pictures/bic.png.pixels"));
  ASSERT_TRUE(built.open(QIODevice::ReadOnly));
  const QByteArray sound = built.readAll();
  const QImage expected = Decoded(QStringLiteral("bic.png"));

  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    for (const bool withFile : {false, true}) {
      QTemporaryDir folder;
      ASSERT_TRUE(folder.isValid());
      QByteArray twin = sound;
      c.spoil(twin);
      QFile out(folder.filePath("bic.png.pixels"));
      ASSERT_TRUE(out.open(QIODevice::WriteOnly));
      ASSERT_EQ(out.write(twin), twin.size());
      out.close();
      if (withFile) {
        ASSERT_TRUE(QFile::copy(QStringLiteral(":/pictures/bic.png"), folder.filePath("bic.png")));
      }
      rt::testing::SetResourceFolder(folder.path().toStdString());
      const auto picture = rt::Picture::OpenFromApp("bic.png");
      if (withFile || c.opens) {
        ASSERT_NE(picture, nullptr) << "with the picture file: " << withFile;
        EXPECT_EQ(Comparable(*picture), expected) << "with the picture file: " << withFile;
      } else {
        EXPECT_EQ(picture, nullptr);
      }
    }
  }
}

}  // namespace
