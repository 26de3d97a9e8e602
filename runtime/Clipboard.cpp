// Pasting. Another program owns the clipboard and may never answer; the
// platform gives up on each question to it after its clipboard time-out.
// Qt's own ways to read text ask several questions (the kinds of data offered,
// again while none are known, then the text in two encodings), so a paste asks
// only two: the kinds of data offered and, when text is among them, that text.
#include <QAction>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QStringDecoder>
#include <QStyleHints>
#include <algorithm>
#include <optional>

#include "runtime/Bridge_p.h"

namespace rt::detail {

namespace {

bool IsPlainText(const QString& format) { return format.startsWith(QLatin1String("text/plain")); }

// The text format to read of those offered: UTF-8 first, then plain text
// (which the platform hands over as UTF-8), then any other plain text.
std::optional<QString> TextFormat(const QStringList& formats) {
  for (const QLatin1String wanted :
       {QLatin1String("text/plain;charset=utf-8"), QLatin1String("text/plain")}) {
    if (formats.contains(wanted, Qt::CaseInsensitive)) return QString(wanted);
  }
  for (const QString& format : formats) {
    if (IsPlainText(format)) return format;
  }
  return std::nullopt;
}

QString Decoded(const QByteArray& bytes, const QString& format) {
  const qsizetype at = format.indexOf(QLatin1String("charset="), 0, Qt::CaseInsensitive);
  const QString charset = at < 0 ? QString() : format.mid(at + 8).section(u';', 0, 0).trimmed();
  if (charset.isEmpty() || charset.compare(QLatin1String("utf-8"), Qt::CaseInsensitive) == 0) {
    return QString::fromUtf8(bytes);
  }
  QStringDecoder decoder(charset.toLatin1().constData());
  return decoder.isValid() ? decoder.decode(bytes) : QString::fromLatin1(bytes);
}

QString ShortcutText(QKeySequence::StandardKey key) {
  if (!QGuiApplication::styleHints()->showShortcutsInContextMenus()) return {};
  return u'\t' + QKeySequence(key).toString(QKeySequence::NativeText);
}

}  // namespace

bool OffersText(const QMimeData* data) {
  if (data == nullptr) return false;
  const QStringList formats = data->formats();
  return std::any_of(formats.begin(), formats.end(), IsPlainText);
}

QString TextOf(const QMimeData* data) {
  if (data == nullptr) return {};
  const auto format = TextFormat(data->formats());
  return format ? Decoded(data->data(*format), *format) : QString();
}

bool ClipboardOffersText() { return OffersText(QGuiApplication::clipboard()->mimeData()); }

namespace {

// Ends the line edit's undo step in progress, so that what comes next is a
// step of its own: a move of the caret does that. The caret and the selection
// stay as they were.
void EndUndoStep(QLineEdit& line) {
  if (line.text().isEmpty()) return;
  const int start = line.selectionStart();
  const int length = line.selectionLength();
  const int caret = line.cursorPosition();
  line.setCursorPosition(caret == 0 ? 1 : 0);
  if (start < 0) {
    line.setCursorPosition(caret);
  } else if (caret == start) {
    line.setSelection(start + length, -length);
  } else {
    line.setSelection(start, length);
  }
}

// Whether the line edit inserts a key press's text: a printable character, or
// an invisible formatting one, typed without Ctrl.
bool TypesText(const QKeyEvent& event) {
  const QString text = event.text();
  if (text.isEmpty()) return false;
  if (text.at(0).category() == QChar::Other_Format) return true;
  const auto modifiers = event.modifiers() & ~Qt::KeypadModifier;
  if (modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) {
    return false;
  }
  return text.at(0).isPrint() || text.at(0).category() == QChar::Other_PrivateUse ||
         text.at(0).isHighSurrogate();
}

}  // namespace

void LineEdit::Bring(const QString& text) {
  const QString admitted = Admitted(text, Room());
  if (admitted.isEmpty() && !hasSelectedText()) return;
  EndUndoStep(*this);
  insert(admitted);
  EndUndoStep(*this);
}

void LineEdit::Paste(QClipboard::Mode mode) {
  if (isReadOnly()) return;
  const QString text = TextOf(QGuiApplication::clipboard()->mimeData(mode));
  if (!text.isEmpty()) Bring(text);
}

void LineEdit::Restore(bool redo) {
  const QScopedValueRollback<bool> restoring(restoring_, true);
  redo ? QLineEdit::redo() : QLineEdit::undo();
}

void LineEdit::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) {
    Paste(QClipboard::Clipboard);
    event->accept();
    return;
  }
  if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) {
    const QScopedValueRollback<bool> restoring(restoring_, true);
    return QLineEdit::keyPressEvent(event);
  }
  // A typed character that does not fit, or fits only in part, leaves what
  // fits: the text never passes the limit, and nothing is cut afterwards.
  if (!isReadOnly() && TypesText(*event)) {
    const QString admitted = Admitted(event->text(), Room());
    if (admitted != event->text()) {
      if (!admitted.isEmpty() || hasSelectedText()) insert(admitted);
      event->accept();
      return;
    }
  }
  QLineEdit::keyPressEvent(event);
}

// The middle button pastes the selection where it is released; when the
// selection brings no text, the field stays as it was, its selection too.
namespace {
bool PastesSelection(const QLineEdit& line, const QMouseEvent& event) {
  return event.button() == Qt::MiddleButton && !line.isReadOnly() &&
         QGuiApplication::clipboard()->supportsSelection();
}
}  // namespace

void LineEdit::mousePressEvent(QMouseEvent* event) {
  if (!PastesSelection(*this, *event)) return QLineEdit::mousePressEvent(event);
  event->accept();
}

void LineEdit::mouseReleaseEvent(QMouseEvent* event) {
  if (!PastesSelection(*this, *event)) return QLineEdit::mouseReleaseEvent(event);
  event->accept();
  if (!rect().contains(event->position().toPoint())) return;
  const QString text = TextOf(QGuiApplication::clipboard()->mimeData(QClipboard::Selection));
  if (text.isEmpty()) return;
  setCursorPosition(cursorPositionAt(event->position().toPoint()));
  Bring(text);
}

// The line edit's own menu, but for its Paste, which reads the whole text to
// see whether there is any: here it asks only what kinds of data are offered.
void LineEdit::contextMenuEvent(QContextMenuEvent* event) {
  auto* menu = new QMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  const auto add = [&](const QString& text, QKeySequence::StandardKey key, bool enabled, auto act) {
    QAction* action =
        menu->addAction(key == QKeySequence::UnknownKey ? text : text + ShortcutText(key));
    action->setEnabled(enabled);
    connect(action, &QAction::triggered, this, act);
  };
  const bool editable = !isReadOnly();
  const bool selected = hasSelectedText();
  if (editable) {
    add(QLineEdit::tr("&Undo"), QKeySequence::Undo, isUndoAvailable(), [this] { Restore(false); });
    add(QLineEdit::tr("&Redo"), QKeySequence::Redo, isRedoAvailable(), [this] { Restore(true); });
    menu->addSeparator();
    add(QLineEdit::tr("Cu&t"), QKeySequence::Cut, selected && echoMode() == Normal,
        &QLineEdit::cut);
  }
  add(QLineEdit::tr("&Copy"), QKeySequence::Copy, selected && echoMode() == Normal,
      &QLineEdit::copy);
  if (editable) {
    add(QLineEdit::tr("&Paste"), QKeySequence::Paste, ClipboardOffersText(),
        [this] { Paste(QClipboard::Clipboard); });
    add(QLineEdit::tr("Delete"), QKeySequence::UnknownKey, selected, [this] { del(); });
  }
  menu->addSeparator();
  add(QLineEdit::tr("Select All"), QKeySequence::SelectAll,
      !text().isEmpty() && selectedText().size() < text().size(), &QLineEdit::selectAll);
  menu->popup(event->globalPos());
  event->accept();
}

// A drop from anywhere but the field itself: the field takes a copy, and the
// source keeps its text (a move would take it all there, even what the field's
// limit leaves out).
namespace {
void AsCopy(QLineEdit& line, QDropEvent& event) {
  if (event.source() != &line && event.isAccepted() && (event.possibleActions() & Qt::CopyAction)) {
    event.setDropAction(Qt::CopyAction);
  }
}
}  // namespace

void LineEdit::dragEnterEvent(QDragEnterEvent* event) {
  QLineEdit::dragEnterEvent(event);
  AsCopy(*this, *event);
}

void LineEdit::dragMoveEvent(QDragMoveEvent* event) {
  QLineEdit::dragMoveEvent(event);
  AsCopy(*this, *event);
}

// A drop from elsewhere is kept as a paste is, as one undo step, at the place
// it is dropped (the line edit drops there what it is given). A move within
// the field is the line edit's own.
void LineEdit::dropEvent(QDropEvent* event) {
  if (event->source() == this || isReadOnly()) return QLineEdit::dropEvent(event);
  const QString text = TextOf(event->mimeData());
  if (text.isEmpty()) return event->ignore();
  setCursorPosition(cursorPositionAt(event->position().toPoint()));
  QMimeData admitted;
  admitted.setText(Admitted(text, Room()));
  QDropEvent drop(event->position(), event->possibleActions(), &admitted, event->buttons(),
                  event->modifiers());
  EndUndoStep(*this);
  QLineEdit::dropEvent(&drop);
  EndUndoStep(*this);
  event->setAccepted(drop.isAccepted());
  if (drop.isAccepted()) event->setDropAction(drop.dropAction());
  AsCopy(*this, *event);
}

bool TextEdit::canInsertFromMimeData(const QMimeData* source) const { return OffersText(source); }

void TextEdit::insertFromMimeData(const QMimeData* source) {
  if (isReadOnly()) return;
  const QString text = TextOf(source);
  if (text.isEmpty()) return;
  insertPlainText(text);
  ensureCursorVisible();
}

}  // namespace rt::detail
