#include <QApplication>
#include <QFontDatabase>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QValidator>
#include <QWindow>
#include <algorithm>
#include <iterator>

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

String KeyText(const QKeyEvent& event) {
  if (IsShortcut(event)) return {};
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
  const QString text = event.text();
  if (text.isEmpty()) return {};
  const char32_t first = text.toUcs4().value(0);
  if (first < 32 || first == 127 || (first >= 0x80 && first < 0xA0))
    return {};  // control characters
  return FromQt(QString::fromUcs4(&first, 1));
}

QFont FontNamed(std::string_view name, float size) {
  QFont font = name == "System" ? QApplication::font() : QFont(ToQt(name));
  if (name == "Courier") font.setStyleHint(QFont::TypeWriter);  // any monospace will do
  if (size > 0) font.setPixelSize(static_cast<int>(size + 0.5f));
  return font;
}

namespace {

bool IsLineBreak(char32_t c) {
  return c == '\n' || c == '\r' || c == '\v' || c == '\f' || c == 0x85 || c == 0x2028 ||
         c == 0x2029;
}

// A line break, a control character or an invisible formatting character
// (direction marks and overrides, zero-width characters): with one of them a
// field would show its text otherwise than it is read.
bool IsHidden(char32_t c) {
  const auto category = QChar::category(c);
  return category == QChar::Other_Control || category == QChar::Other_Format || IsLineBreak(c);
}

// Keeps a field's text on one line, whether it was pasted, dropped, set or
// typed: of text inserted with line breaks (the caret stands after it) only the
// first line stays, and the other hidden characters are dropped.
class OneLine : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& text, int& caret) const override {
    const qsizetype end = text.size();
    qsizetype at = 0;
    while (at < end && !IsLineBreak(text.at(at).unicode())) ++at;
    if (at < end) {
      text.remove(at, (caret > at ? caret : end) - at);
      caret = static_cast<int>(at);
    }
    QString kept;
    kept.reserve(text.size());
    int keptCaret = caret;
    for (qsizetype i = 0; i < text.size();) {
      const bool pair =
          text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
      const qsizetype length = pair ? 2 : 1;
      const char32_t c = pair ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1))
                              : char32_t{text.at(i).unicode()};
      if (!IsHidden(c)) {
        kept.append(QStringView(text).mid(i, length));
      } else if (i < caret) {
        keptCaret -= static_cast<int>(length);
      }
      i += length;
    }
    text = kept;
    caret = keptCaret;
    return Acceptable;
  }
};

// What a shortcut does in a field with a KeyDown filter: the Edit menu's
// commands and the moves and selections, which change no text, keep the line
// edit's own handling; the deletions act as Backspace or Delete, through the
// filter; every other text-changing binding (redo among them) does nothing.
enum class Chord { kEdit, kBackspace, kDelete, kNothing };

Chord ChordOf(const QKeyEvent& event) {
  using Key = QKeySequence;
  static constexpr Key::StandardKey kEdits[] = {
      Key::Undo,
      Key::Cut,
      Key::Copy,
      Key::Paste,
      Key::SelectAll,
      Key::Deselect,
      Key::MoveToNextWord,
      Key::MoveToPreviousWord,
      Key::MoveToStartOfLine,
      Key::MoveToEndOfLine,
      Key::MoveToStartOfBlock,
      Key::MoveToEndOfBlock,
      Key::MoveToStartOfDocument,
      Key::MoveToEndOfDocument,
      Key::SelectNextWord,
      Key::SelectPreviousWord,
      Key::SelectStartOfLine,
      Key::SelectEndOfLine,
      Key::SelectStartOfBlock,
      Key::SelectEndOfBlock,
      Key::SelectStartOfDocument,
      Key::SelectEndOfDocument,
  };
  static constexpr Key::StandardKey kBackward[] = {Key::Backspace, Key::DeleteStartOfWord,
                                                   Key::DeleteCompleteLine};
  static constexpr Key::StandardKey kForward[] = {Key::Delete, Key::DeleteEndOfWord,
                                                  Key::DeleteEndOfLine};
  const auto matches = [&](const auto& bindings) {
    return std::any_of(std::begin(bindings), std::end(bindings),
                       [&](Key::StandardKey binding) { return event.matches(binding); });
  };
  if (matches(kEdits)) return Chord::kEdit;
  // The line edit deletes a word with Ctrl+Backspace whatever its bindings say.
  if (matches(kBackward) || event.key() == Qt::Key_Backspace) return Chord::kBackspace;
  if (matches(kForward) || event.key() == Qt::Key_Delete) return Chord::kDelete;
  return Chord::kNothing;
}

bool IsCharacter(const String& key) {
  return key.size() > 1 || (static_cast<unsigned char>(key[0]) >= 32 && key[0] != 127);
}

}  // namespace

LineEdit::LineEdit(TextField& control, QWidget* parent) : QLineEdit(parent), control_(control) {
  setValidator(new OneLine(this));
}

bool LineEdit::FilteredKeyPress(QKeyEvent& event) {
  String key;
  if (IsShortcut(event)) {
    switch (ChordOf(event)) {
      case Chord::kEdit:
        return QLineEdit::event(&event);
      case Chord::kBackspace:
        key = String(1, 8);
        break;
      case Chord::kDelete:
        key = String(1, 127);
        break;
      case Chord::kNothing:
        event.ignore();  // on to the window, as a key the field has no use for
        return false;
    }
  } else {
    key = KeyText(event);
  }
  if (key.empty()) return QLineEdit::event(&event);  // raises no KeyDown
  if (Guarded([&] { return control_.Raise("KeyDown", {.key = key}); })) {
    event.accept();
    return true;  // consumed: not inserted, and the focus does not move
  }
  if (!IsCharacter(key)) return QLineEdit::event(&event);
  // The field receives the character its filter judged, as if typed alone.
  QKeyEvent typed(QEvent::KeyPress, event.key(),
                  event.modifiers() & (Qt::ShiftModifier | Qt::KeypadModifier), ToQt(key),
                  event.isAutoRepeat(), event.count());
  const bool handled = QLineEdit::event(&typed);
  event.setAccepted(typed.isAccepted());
  return handled;
}

bool LineEdit::event(QEvent* event) {
  if (event->type() == QEvent::KeyPress && control_.HasHandler("KeyDown")) {
    return FilteredKeyPress(*static_cast<QKeyEvent*>(event));
  }
  if (event->type() == QEvent::InputMethod && control_.HasHandler("KeyDown")) {
    // Characters composed by an input method pass the KeyDown handler one by
    // one, like typed ones; only the accepted ones are inserted.
    const QString committed = static_cast<QInputMethodEvent*>(event)->commitString();
    for (const char32_t c : committed.toUcs4()) {
      const QString character = QString::fromUcs4(&c, 1);
      if (!Guarded([&] { return control_.Raise("KeyDown", {.key = FromQt(character)}); })) {
        insert(character);
      }
    }
    event->accept();
    return true;
  }
  return QLineEdit::event(event);
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
