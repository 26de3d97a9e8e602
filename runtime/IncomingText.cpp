// What a one-line field keeps of text that comes in: the text before its first
// line break or tab, without the characters that show nothing, and only whole
// characters within the room left.
#include <QTextBoundaryFinder>

#include "runtime/Bridge_p.h"

namespace rt::detail {
namespace {

bool IsLineBreak(char32_t c) {
  return c == '\n' || c == '\r' || c == '\v' || c == '\f' || c == 0x85 || c == 0x2028 ||
         c == 0x2029;
}

// Where text brought into a field ends: at a line break, or at a tab between
// the cells of a copied row.
bool EndsTheText(char32_t c) { return IsLineBreak(c) || c == '\t'; }

// A line break, a control character, an invisible formatting character
// (direction marks and overrides, zero-width characters) or half of a
// character: with one of them a field would show its text otherwise than it
// is read.
bool IsHidden(char32_t c) {
  const auto category = QChar::category(c);
  return category == QChar::Other_Control || category == QChar::Other_Format ||
         category == QChar::Other_Surrogate || IsLineBreak(c);
}

}  // namespace

qsizetype FirstLineEnd(QStringView text) {
  qsizetype at = 0;
  while (at < text.size() && !EndsTheText(text.at(at).unicode())) ++at;
  return at;
}

QString WithoutHidden(QStringView text) {
  QString kept;
  kept.reserve(text.size());
  for (qsizetype i = 0; i < text.size();) {
    const bool pair =
        text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
    const qsizetype length = pair ? 2 : 1;
    const char32_t c =
        pair ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1)) : char32_t{text.at(i).unicode()};
    if (!IsHidden(c)) kept.append(text.mid(i, length));
    i += length;
  }
  return kept;
}

qsizetype WholeCharactersWithin(const QString& text, qsizetype room) {
  if (room >= text.size()) return text.size();
  if (room <= 0) return 0;
  QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
  characters.setPosition(room);
  if (!characters.isAtBoundary()) characters.toPreviousBoundary();
  return std::max<qsizetype>(characters.position(), 0);
}

QString Admitted(QStringView text, qsizetype room) {
  QString kept = WithoutHidden(text.left(FirstLineEnd(text)));
  kept.truncate(WholeCharactersWithin(kept, room));
  return kept;
}

}  // namespace rt::detail
