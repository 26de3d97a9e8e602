// Shared set-up for the tests that drive the real windows on the offscreen
// platform.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "calculator/ControlWnd.h"
#include "runtime/Testing.h"

// Every test starts with no window, no recorded message, no beep and no quit.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    rt::testing::Clear();
    rt::testing::ResetQuit();
  }
  void TearDown() override { rt::testing::DestroyWindows(); }
};

inline QLineEdit* Edit(rt::TextField& field) { return static_cast<QLineEdit*>(field.Widget()); }

// Types text into a field key by key, as the user would.
inline void Type(rt::TextField& field, const QString& text) { QTest::keyClicks(Edit(field), text); }
inline void Press(rt::TextField& field, Qt::Key key) { QTest::keyClick(Edit(field), key); }

// A left click on a button, as the user would.
inline void Click(rt::PushButton& button) {
  QTest::mouseClick(button.Widget(), Qt::LeftButton, {}, QPoint(10, 10));
}
