// The one-line field behind a TextField: its key filtering, the one-line rule
// for text however it comes in, the selection kept for the menus, and the
// ellipsis where its text is cut.
#include <QApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QValidator>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

#include "runtime/Application.h"
#include "runtime/Bridge_p.h"
#include "runtime/Controls.h"

namespace rt::detail {
namespace {

// What a shortcut does in a field with a KeyDown filter: the editing commands
// (undo and redo among them) and the moves and selections keep the line
// edit's own handling, and what they change counts as the user's edit; the
// deletions act as Backspace or Delete, through the filter; every other
// text-changing binding does nothing.
enum class Chord { kEdit, kBackspace, kDelete, kNothing };

Chord ChordOf(const QKeyEvent& event) {
  using Key = QKeySequence;
  static constexpr Key::StandardKey kEdits[] = {
      Key::Undo,
      Key::Redo,
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

// The clipboard's keys, with Ctrl or without (Shift+Insert pastes, Shift+Delete
// cuts, Ctrl+Insert copies): editing commands, never typing.
bool IsClipboardKey(const QKeyEvent& event) {
  return event.matches(QKeySequence::Cut) || event.matches(QKeySequence::Copy) ||
         event.matches(QKeySequence::Paste);
}

bool IsCharacter(const String& key) {
  return key.size() > 1 || (static_cast<unsigned char>(key[0]) >= 32 && key[0] != 127);
}

}  // namespace

// Keeps a field's text on one line, however it changes: of text inserted with
// line breaks or tabs (the caret stands after it) only what comes before the
// first of them stays, the other hidden characters are dropped, and only then
// is the text held to the limit, in whole characters, by cutting what came in
// last (before the caret). The routes that bring text in clean it before it
// reaches the field, so that their change stays an undo step; the rest (the
// accessibility interface, an input method's text in a field without a key
// filter) meet the same rules here.
class LineEdit::Admission : public QValidator {
 public:
  explicit Admission(LineEdit& line) : QValidator(&line), line_(line) {}
  State validate(QString& text, int& caret) const override {
    const QStringView all(text);
    const qsizetype end = FirstLineEnd(all);
    // Before the caret (what came in, and the text before it), and after it.
    QString head = WithoutHidden(all.left(std::min<qsizetype>(caret, end)));
    QString tail = WithoutHidden(end < caret ? all.mid(caret) : all.mid(caret, end - caret));
    const qsizetype excess = head.size() + tail.size() - line_.Allowed();
    if (excess > 0) {
      head.truncate(WholeCharactersWithin(head, head.size() - std::min(excess, head.size())));
      tail.truncate(WholeCharactersWithin(tail, line_.Allowed() - head.size()));
    }
    caret = static_cast<int>(head.size());
    text = head + tail;
    return Acceptable;
  }

 private:
  LineEdit& line_;
};

LineEdit::LineEdit(TextField& control, QWidget* parent) : QLineEdit(parent), control_(control) {
  // The limit is the Admission's to keep, after the text is cleaned.
  setMaxLength(std::numeric_limits<int>::max());
  setValidator(new Admission(*this));
  connect(this, &QLineEdit::textChanged, this, &LineEdit::TextChanged);
}

void LineEdit::SetTextByProgram(const QString& text) {
  const QScopedValueRollback<bool> program(byProgram_, true);
  setText(text);
}

qsizetype LineEdit::Allowed() const {
  if (byProgram_ || restoring_) return std::numeric_limits<int>::max();
  return std::max(limit_, previous_.size());
}

qsizetype LineEdit::Room() const { return Allowed() - text().size() + selectedText().size(); }

void LineEdit::TextChanged(const QString& text) {
  const bool edited = !filtering_ && !byProgram_ && text != previous_;
  previous_ = text;
  if (edited) Guarded([this] { return control_.Raise("TextEdited", {}); });
}

bool LineEdit::FilteredKeyPress(QKeyEvent& event) {
  if (IsClipboardKey(event)) return QLineEdit::event(&event);
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
  const QScopedValueRollback<bool> filtered(filtering_, true);
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
        const QScopedValueRollback<bool> filtered(filtering_, true);
        if (const QString admitted = Admitted(character, Room()); !admitted.isEmpty()) {
          insert(admitted);
        }
      }
    }
    event->accept();
    return true;
  }
  return QLineEdit::event(event);
}

void LineEdit::focusOutEvent(QFocusEvent* event) {
  // Alt, alone or with a menu's mnemonic, gives the keyboard to the menu bar:
  // the selection stays for the Edit menu's commands, as it does for a menu
  // opened with the mouse.
  if (event->reason() == Qt::MenuBarFocusReason) {
    QFocusEvent kept(QEvent::FocusOut, Qt::PopupFocusReason);
    return QLineEdit::focusOutEvent(&kept);
  }
  QLineEdit::focusOutEvent(event);
}

namespace {

// The area the line edit draws its text in, as it lays it out: inside the
// style's contents rectangle and the text margins.
QRect TextArea(const QLineEdit& edit) {
  QStyleOptionFrame option;
  option.initFrom(&edit);
  option.rect = edit.contentsRect();
  option.lineWidth =
      edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
  option.midLineWidth = 0;
  option.state |= QStyle::State_Sunken;
  option.features = QStyleOptionFrame::None;
  return edit.style()
      ->subElementRect(QStyle::SE_LineEditContents, &option, &edit)
      .marginsRemoved(edit.textMargins());
}

// Where the text starts in the line edit (it scrolls a text wider than its
// room), to a pixel: the line edit puts its caret at the character boundary
// nearest to a point, so the caret passes from before the first character to
// after it halfway across that character.
qreal TextStart(QLineEdit& edit, const QFontMetricsF& metrics) {
  const int middle = edit.height() / 2;
  int outside = -static_cast<int>(metrics.horizontalAdvance(edit.displayText())) - 1;
  int inside = edit.width();
  while (inside - outside > 1) {
    const int x = outside + (inside - outside) / 2;
    (edit.cursorPositionAt(QPoint(x, middle)) > 0 ? inside : outside) = x;
  }
  return inside - metrics.horizontalAdvance(edit.displayText().left(1)) / 2;
}

}  // namespace

// A margin of one pixel on either side, and room for the cursor after the text.
int TextRoom(const QLineEdit& edit) {
  const int cursor = edit.style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, &edit);
  return TextArea(edit).width() - 2 - 1 - cursor;
}

void LineEdit::paintEvent(QPaintEvent* event) {
  QLineEdit::paintEvent(event);
  const QString shown = displayText();
  const QFontMetricsF metrics(font());
  const qreal width = metrics.horizontalAdvance(shown);
  if (shown.isEmpty() || width <= TextRoom(*this)) return;
  // Cut where more than a pixel of the text is hidden.
  const QRect area = TextArea(*this);
  const qreal start = TextStart(*this, metrics);
  const bool cutLeft = start < area.left() - 1;
  const bool cutRight = start + width > area.right() + 2;
  if (!cutLeft && !cutRight) return;
  // On the text's baseline, which the line edit centres vertically.
  const QFont markFont = markFont_.value_or(font());
  const QFontMetricsF markMetrics(markFont);
  const QString ellipsis(QChar(0x2026));
  const qreal mark = markMetrics.horizontalAdvance(ellipsis) + 2;
  const QFontMetrics line(font());
  const int baseline = area.top() + (area.height() - line.height() + 1) / 2 + line.ascent();
  // Each mark covers the characters it overlaps whole: a sliver of a digit
  // beside it would read as a digit of its own.
  const auto boundary = [&](qsizetype i) {
    return start + metrics.horizontalAdvance(shown.left(i));
  };
  // The first character boundary right of x (they grow from left to right).
  const auto firstBoundaryAfter = [&](qreal x) {
    qsizetype low = 0, high = shown.size() + 1;
    while (low < high) {
      const qsizetype middle = low + (high - low) / 2;
      if (boundary(middle) <= x) {
        low = middle + 1;
      } else {
        high = middle;
      }
    }
    return low;
  };
  QPainter painter(this);
  painter.setFont(markFont);
  painter.setPen(palette().color(QPalette::Text));
  painter.setClipRect(area);
  for (const bool left : {true, false}) {
    if (!(left ? cutLeft : cutRight)) continue;
    const qreal x = left ? area.left() : area.right() + 1 - mark;
    QRectF box(x, area.top(), mark, area.height());
    if (left) {
      box.setRight(std::max(box.right(), boundary(firstBoundaryAfter(box.right() - 0.5))));
    } else {
      const qsizetype before = std::max<qsizetype>(0, firstBoundaryAfter(box.left()) - 1);
      box.setLeft(std::min(box.left(), boundary(before)));
    }
    painter.fillRect(box, palette().brush(QPalette::Base));
    painter.drawText(QPointF(x + 1, baseline), ellipsis);
  }
}

}  // namespace rt::detail
