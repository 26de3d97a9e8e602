// Text areas and their styled text.
#include <QTextCursor>
#include <QTextEdit>
#include <algorithm>

#include "runtime/Bridge_p.h"
#include "runtime/Controls.h"
#include "runtime/Setters_p.h"

namespace rt {

using namespace detail;

// --- TextArea and its styled text ---

namespace {
QTextEdit* EditOf(const TextArea& area) { return static_cast<QTextEdit*>(area.Widget()); }
QString ToQtText(std::string_view text) {
  return detail::ToQt(text).replace(QChar('\r'), QChar('\n'));
}
}  // namespace

void TextArea::Bind(Window& owner, QWidget* clientArea) {
  Control::Bind(owner, clientArea);
  auto* edit = new TextEdit(clientArea);
  edit->setLineWrapMode(QTextEdit::WidgetWidth);
  edit->setAcceptRichText(false);
  SetWidget(edit);
}

String TextArea::Text() const {
  // Each paragraph break counts one character, shown as a carriage return.
  return detail::FromQt(EditOf(*this)->toPlainText().replace(QChar('\n'), QChar('\r')));
}

void TextArea::SetText(std::string_view text) {
  QTextEdit* edit = EditOf(*this);
  edit->setPlainText(ToQtText(text));
  // Tab stops every four characters of the area's font.
  edit->setTabStopDistance(4 * QFontMetricsF(edit->font()).horizontalAdvance(QChar(' ')));
}

bool TextArea::ApplyProperty(const Property& p) {
  static constexpr Setter<TextArea> kSetters[] = {
      {"Value", [](TextArea& c, const Property& p) { c.SetText(ValueOf<std::string_view>(p)); }},
      {"TextColor",
       [](TextArea& c, const Property& p) {
         SetPaletteColor(c.Widget(), QPalette::Text, ValueOf<Color>(p));
       }},
      {"BackgroundColor",
       [](TextArea& c, const Property& p) {
         SetPaletteColor(c.Widget(), QPalette::Base, ValueOf<Color>(p));
       }},
      {"HasBorder",
       [](TextArea& c, const Property& p) {
         EditOf(c)->setFrameShape(ValueOf<bool>(p) ? QFrame::StyledPanel : QFrame::NoFrame);
       }},
      {"HasHorizontalScrollbar",
       [](TextArea& c, const Property& p) {
         // Without a horizontal scroll bar long lines wrap at the area's width.
         const bool bar = ValueOf<bool>(p);
         EditOf(c)->setHorizontalScrollBarPolicy(bar ? Qt::ScrollBarAsNeeded
                                                     : Qt::ScrollBarAlwaysOff);
         EditOf(c)->setLineWrapMode(bar ? QTextEdit::NoWrap : QTextEdit::WidgetWidth);
       }},
      {"HasVerticalScrollbar",
       [](TextArea& c, const Property& p) {
         EditOf(c)->setVerticalScrollBarPolicy(ValueOf<bool>(p) ? Qt::ScrollBarAlwaysOn
                                                                : Qt::ScrollBarAlwaysOff);
       }},
      {"AllowTabs",
       [](TextArea& c, const Property& p) { EditOf(c)->setTabChangesFocus(!ValueOf<bool>(p)); }},
      {"ReadOnly",
       [](TextArea& c, const Property& p) { EditOf(c)->setReadOnly(ValueOf<bool>(p)); }},
      {"TextAlignment",
       [](TextArea& c, const Property& p) {
         if (ValueOf<Integer>(p) != 0)
           EditOf(c)->setAlignment(HorizontalAlignment(ValueOf<Integer>(p)));
       }},
      {"MaximumCharactersAllowed",
       [](TextArea&, const Property& p) {
         if (ValueOf<Integer>(p) != 0) throw UnsupportedOperationException("text area limit");
       }},
      {"LineHeight",
       [](TextArea&, const Property& p) {
         if (ValueOf<Double>(p) != 0.0) throw UnsupportedOperationException("line height");
       }},
      {"LineSpacing",
       [](TextArea&, const Property& p) {
         if (ValueOf<Double>(p) != 1.0) throw UnsupportedOperationException("line spacing");
       }},
      {"Multiline", &NoEffect<TextArea>},        // a text area always has lines
      {"AllowStyledText", &NoEffect<TextArea>},  // styles always; pastes come as plain text
      {"HideSelection", &NoEffect<TextArea>},
      {"AllowSpellChecking", &NoEffect<TextArea>},
      {"Format", &MustBeEmpty<TextArea>},
      {"ValidationMask", &MustBeEmpty<TextArea>},
  };
  const bool known = ApplyFrom(kSetters, *this, p) || RectControl::ApplyProperty(p);
  if (known && p.name.starts_with("Font")) SetText(Text());  // the tab stops follow the font
  return known;
}

String StyledText::Text() const { return area_.Text(); }

void StyledText::Bold(Integer start, Integer length, bool value) {
  QTextDocument* document = EditOf(area_)->document();
  const Integer size = document->characterCount() - 1;  // without the closing paragraph mark
  const Integer from = std::clamp<Integer>(start, 0, size);
  const Integer to =
      std::clamp<Integer>(length > 0 ? from + std::min(length, size) : from, from, size);
  QTextCursor cursor(document);
  cursor.setPosition(static_cast<int>(from));
  cursor.setPosition(static_cast<int>(to), QTextCursor::KeepAnchor);
  QTextCharFormat format;
  format.setFontWeight(value ? QFont::Bold : QFont::Normal);
  // A style the program sets, like the text it sets, is where the user's
  // editing starts: no undo step takes it back.
  const bool undo = document->isUndoRedoEnabled();
  document->setUndoRedoEnabled(false);
  cursor.mergeCharFormat(format);
  document->setUndoRedoEnabled(undo);
}

bool StyledText::Bold(Integer position) const {
  QTextCursor cursor(EditOf(area_)->document());
  cursor.setPosition(static_cast<int>(position));
  cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
  return cursor.charFormat().fontWeight() >= QFont::Bold;
}

}  // namespace rt
