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
// Pastes the clipboard's (or the selection's) text into a line edit, as its
// own paste would.
void PasteInto(QLineEdit& line, QClipboard::Mode mode);

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
// a line break, a tab or a control character, however text comes in.
class LineEdit : public QLineEdit {
 public:
  LineEdit(TextField& control, QWidget* parent);
  // Whether the user's edit that gave `text` changed the text, by a route
  // other than a key that the KeyDown filter accepted (which has had its say
  // on that change already). A paste that the one-line rule leaves as it was
  // changes nothing.
  bool IsUserEdit(const QString& text) const { return !filtering_ && text != previous_; }
  // The font an ellipsis is drawn in: the field's own before any shrinking,
  // so that it stays legible beside a text shrunk to fit.
  void SetMarkFont(const QFont& font) { markFont_ = font; }

 protected:
  bool event(QEvent* event) override;
  // Pasting through PasteInto: the paste keys, the middle button and the menu.
  void keyPressEvent(QKeyEvent* event) override;
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
  bool FilteredKeyPress(QKeyEvent& event);

  TextField& control_;
  bool filtering_ = false;  // processing a key the filter accepted
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
