#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QWindow>
#include <algorithm>

#include "runtime/Application.h"
#include "runtime/Bridge_p.h"
#include "runtime/Controls.h"
#include "runtime/Picture.h"

namespace rt::detail {

QColor ToQColor(const Color& color) { return QColor(color.Red(), color.Green(), color.Blue()); }

bool IsShortcut(const QKeyEvent& event) {
  return (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) ==
         Qt::ControlModifier;
}

namespace {

String Character(char32_t character) {
  if (character < 32 || character == 127 || (character >= 0x80 && character < 0xA0))
    return {};  // control characters
  return FromQt(QString::fromUcs4(&character, 1));
}

// The text of a key that types no character of its own, or the empty text.
String CodeOfKey(const QKeyEvent& event) {
  const auto code = [](char c) { return String(1, c); };
  if ((event.modifiers() & Qt::KeypadModifier) &&
      (event.key() == Qt::Key_Period || event.key() == Qt::Key_Comma)) {
    return code('.');  // layouts for decimal commas give a comma there
  }
  switch (event.key()) {
    case Qt::Key_Backspace:
      return code(8);
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return code(9);
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return code(13);
    case Qt::Key_Escape:
      return code(27);
    case Qt::Key_Left:
      return code(28);
    case Qt::Key_Right:
      return code(29);
    case Qt::Key_Up:
      return code(30);
    case Qt::Key_Down:
      return code(31);
    case Qt::Key_Delete:
      return code(127);
    case Qt::Key_Home:
      return code(1);
    case Qt::Key_End:
      return code(4);
    case Qt::Key_Insert:
      return code(5);
    case Qt::Key_PageUp:
      return code(11);
    case Qt::Key_PageDown:
      return code(12);
    default:
      break;
  }
  if (event.key() >= Qt::Key_F1 && event.key() <= Qt::Key_F35) return code(16);
  return {};
}

}  // namespace

String KeyText(const QKeyEvent& event) {
  if (IsShortcut(event)) return {};
  if (String code = CodeOfKey(event); !code.empty()) return code;
  const QString text = event.text();
  return text.isEmpty() ? String() : Character(text.toUcs4().value(0));
}

String WindowKeyText(const QKeyEvent& event) {
  if (!IsShortcut(event)) return KeyText(event);
  if (String code = CodeOfKey(event); !code.empty()) return code;
  // With Ctrl the platform's text is a control character: the key's own
  // character instead, a letter in lower case unless Shift is held.
  const int key = event.key();
  if (key < Qt::Key_Space || key >= Qt::Key_Escape) return {};  // no character: a modifier alone
  const char32_t character = static_cast<char32_t>(key);
  return Character(event.modifiers() & Qt::ShiftModifier ? character : QChar::toLower(character));
}

QFont FontNamed(std::string_view name, float size) {
  QFont font = name == "System" ? QApplication::font() : QFont(ToQt(name));
  if (name == "Courier") font.setStyleHint(QFont::TypeWriter);  // any monospace will do
  if (size > 0) font.setPixelSize(static_cast<int>(size + 0.5f));
  return font;
}

void ButtonWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && control_.HasHandler("MouseDown")) {
    const QPoint at = event->position().toPoint();
    QPointer<ButtonWidget> alive(this);
    const bool consumed =
        Guarded([&] { return control_.Raise("MouseDown", {.x = at.x(), .y = at.y()}); });
    // A modal loop in the handler (a message box) took the release, and the
    // click is over: pressed now, the button would stay drawn down.
    if (alive.isNull() || consumed || !(QGuiApplication::mouseButtons() & Qt::LeftButton)) return;
  }
  QPushButton::mousePressEvent(event);
}

void CanvasWidget::paintEvent(QPaintEvent*) {
  if (const auto& picture = control_.Backdrop()) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), picture->Image());
  }
}

}  // namespace rt::detail
