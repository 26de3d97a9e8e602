// The runtime's Qt side: conversions, key texts and the widget classes behind
// windows and controls. Private to the runtime layer.
#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QTextEdit>
#include <QWidget>
#include <optional>
#include <string_view>

#include "runtime/Types.h"

class QKeyEvent;
class QMimeData;

namespace rt {
class Canvas;
class PushButton;
class TextField;
class Window;
}  // namespace rt

namespace rt::detail {

inline QString ToQt(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline String FromQt(const QString& text) { return text.toUtf8().toStdString(); }
QColor ToQColor(const Color& color);

// The one-character text a key press gives a KeyDown handler, or the empty
// text when it raises no KeyDown. Printable characters come as themselves;
// Backspace 8, Tab and Shift+Tab 9, Return and Enter 13, Escape 27, Left 28,
// Right 29, Up 30, Down 31, Delete 127, Home 1, End 4, Insert 5, Page Up 11,
// Page Down 12, function keys F1 to F35 16. The keypad's decimal key gives the
// point on every layout. Alt, AltGr and Meta change nothing: a key held with
// them types what it types alone. Presses with Ctrl (alone or with Shift) are
// shortcuts and editing commands, and keys that give no character (modifiers
// alone, media keys) raise no KeyDown.
String KeyText(const QKeyEvent& event);

// The text a key press gives a window's own KeyDown handler: that of KeyText,
// except that a press with Ctrl (alone or with Shift) that no enabled menu
// item took as its shortcut raises KeyDown with the text of the key pressed
// without Ctrl: Ctrl+B "b", Ctrl+Shift+B "B", Ctrl+Return 13, Ctrl+F1 16. Ctrl
// or Shift pressed alone still raises none. In a text field such presses stay
// editing commands (KeyText).
String WindowKeyText(const QKeyEvent& event);

// Ctrl, alone or with Shift, makes a key press a shortcut or an editing command.
bool IsShortcut(const QKeyEvent& event);

// A font by name and size (in window units); the font named "System" is the
// platform's user-interface font, "Courier" falls back to any monospace font.
QFont FontNamed(std::string_view name, float size);

// Reading what another program offers, asking it as little as will do: each
// question waits at most the platform's clipboard time-out.
// Whether plain text is among the kinds of data offered (one question).
bool OffersText(const QMimeData* data);
// The offered plain text, or none (two questions at most).
QString TextOf(const QMimeData* data);
bool ClipboardOffersText();

// Text that comes into a one-line field. Where the text ends: the position of
// its first line break or tab, or its size.
qsizetype FirstLineEnd(QStringView text);
// The text without line breaks, control characters, invisible formatting
// characters and halves of characters.
QString WithoutHidden(QStringView text);
// The length of the longest start of `text` that fits `room` (in UTF-16
// units) and ends between two whole characters.
qsizetype WholeCharactersWithin(const QString& text, qsizetype room);
// What a field keeps of `text` brought in with `room` left: the part before
// the first line break or tab, without hidden characters, then held to the
// room in whole characters.
QString Admitted(QStringView text, qsizetype room);

// The top-level widget of a window: its menu bar on top of the client area.
class FrameWidget : public QWidget {
 public:
  explicit FrameWidget(Window& window) : window_(window) {}
  Window& Owner() const { return window_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  Window& window_;
};

// A one-line field: keys pass its control's KeyDown filter, and it never holds
// a line break, a tab or a control character, however text comes in. Text the
// user brings in, by any route, is cleaned first and then held to the limit.
// Every change of its text that the program did not make is the user's edit:
// unless it was a key the KeyDown filter accepted (which has had its say on
// that change already), it raises TextEdited.
class LineEdit : public QLineEdit {
 public:
  LineEdit(TextField& control, QWidget* parent);
  // The program's text: set in full, whatever the limit, and no edit of the user's.
  void SetTextByProgram(const QString& text);
  // The most characters (UTF-16 units) the user may give it.
  void SetLimit(qsizetype limit) { limit_ = limit; }
  // Pastes the clipboard's (or the selection's) text as one undo step of its
  // own. A clipboard that brings no text changes nothing, the selection included.
  void Paste(QClipboard::Mode mode);
  // Undoes (or redoes) the latest step: the text comes back as it was, even
  // where it is longer than the limit.
  void Restore(bool redo);
  // The font an ellipsis is drawn in: the field's own before any shrinking,
  // so that it stays legible beside a text shrunk to fit.
  void SetMarkFont(const QFont& font) { markFont_ = font; }

 protected:
  bool event(QEvent* event) override;
  // Pasting through Paste: the paste keys, the middle button and the menu.
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  // The menus taking the keyboard leave the selection to the Edit menu.
  void focusOutEvent(QFocusEvent* event) override;
  // Text dragged in from elsewhere is copied, never taken from its source.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  // A text cut at an edge shows an ellipsis there.
  void paintEvent(QPaintEvent* event) override;

 private:
  class Admission;
  bool FilteredKeyPress(QKeyEvent& event);
  // How long the user's text may grow: to the limit, or no longer than it was
  // before the change at hand.
  qsizetype Allowed() const;
  // How much text may come in at the caret, over the selection.
  qsizetype Room() const;
  // Brings text from outside in at the caret, over the selection: one undo step.
  void Bring(const QString& text);
  void TextChanged(const QString& text);

  TextField& control_;
  qsizetype limit_ = 32767;
  bool filtering_ = false;  // processing a key the filter accepted
  bool byProgram_ = false;  // the program is setting the text
  bool restoring_ = false;  // undoing or redoing
  QString previous_;        // the text before the latest change
  std::optional<QFont> markFont_;
};

// The width a line edit gives its text without scrolling it.
int TextRoom(const QLineEdit& edit);

// A text area's editor: pastes and drops bring plain text, read through TextOf.
class TextEdit : public QTextEdit {
 public:
  using QTextEdit::QTextEdit;

 protected:
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
};

class ButtonWidget : public QPushButton {
 public:
  ButtonWidget(PushButton& control, QWidget* parent) : QPushButton(parent), control_(control) {}

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  PushButton& control_;
};

class CanvasWidget : public QWidget {
 public:
  CanvasWidget(Canvas& control, QWidget* parent) : QWidget(parent), control_(control) {}

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Canvas& control_;
};

// Which windows the runtime holds, for routing platform events.
Window* WindowOfWidget(const QWidget* widget);
void NoteFront(Window& window);

// Drops every window the runtime holds, the newest first.
void ReleaseWindows();

// Builds a window's platform menu bar from the menu model; on macOS the one
// parentless menu bar instead (and null is returned).
class QMenuBar* MakeMenuBar(class MenuBar& model, QWidget* parent);
// Gives a window without a menu bar of its own the shortcuts of the
// application's menu bar (what they do is decided as for a menu bar's items).
void AddMenuShortcuts(class MenuBar& model, QWidget& window);
// Deletes every platform menu action (at the end of the process).
void ReleaseMenuActions();

}  // namespace rt::detail
