// What the windows show: the declared look of the About and calculator
// windows, long results in the result field, and the help text's table.
#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <limits>
#include <optional>
#include <regex>
#include <string_view>

#include "Harness.h"
#include "app/AboutWnd.h"
#include "help/HelpText.h"
#include "help/helpWnd.h"
#include "runtime/Window.h"

namespace {

// --- The declared look ---

enum class Shown { kAbout, kCalculator };

struct Look {
  Shown window;
  std::string_view name;
  int left, top, width, height;
  int pixels;  // font size
  bool bold;
  Qt::Alignment alignment;
  QRgb color;  // of the text
  std::string_view text;
};

constexpr Qt::Alignment kRight = Qt::AlignRight, kCentre = Qt::AlignHCenter, kNone = {};
constexpr QRgb kBlack = 0xff000000;
constexpr std::string_view kCredit =
    "Vorpex 1.1 \u00b7 by the Vorpex developers \u00b7 MIT License";

// clang-format off
constexpr Look kLooks[] = {
    // window             name          left  top width height px  bold   align    colour      text
    {Shown::kAbout,      "StaticText2",    0, 265, 518,  15,  9, false, kCentre, 0xff020080, kCredit},
    {Shown::kAbout,      "Canvas1",       20,  48, 310, 157,  0, false, kNone,   0,          ""},
    {Shown::kAbout,      "Canvas2",      322,  98, 183, 100,  0, false, kNone,   0,          ""},
    {Shown::kCalculator, "nyText",        40, 210,  80,  20, 12, true,  kRight,  kBlack,     "N:"},
    {Shown::kCalculator, "clasTxt",       40, 240,  80,  22, 12, true,  kRight,  kBlack,     "Num Classes:"},
    {Shown::kCalculator, "bicText",       40, 270,  80,  22, 12, true,  kRight,  kBlack,     "BIC:"},
    {Shown::kCalculator, "entropyText",   40, 300,  80,  22, 12, true,  kRight,  kBlack,     "Entropy:"},
    {Shown::kCalculator, "VorpexText",   345, 243, 100,  22, 12, true,  kRight,  0xff00006c, "Vorpex:"},
    {Shown::kCalculator, "Label1",       320,  39, 210,  20, 12, true,  kCentre, 0xff02009c, "by the Vorpex developers"},
    {Shown::kCalculator, "nFld",         145, 210,  80,  22, 12, false, kCentre, kBlack,     ""},
    {Shown::kCalculator, "clasFld",      145, 240,  80,  22, 12, false, kCentre, kBlack,     ""},
    {Shown::kCalculator, "bicFld",       145, 270,  80,  22, 12, false, kCentre, kBlack,     ""},
    {Shown::kCalculator, "entropyFld",   145, 300,  80,  22, 12, false, kCentre, kBlack,     ""},
    {Shown::kCalculator, "VorpexFld",    450, 242,  80,  22, 12, false, kCentre, kBlack,     ""},
    {Shown::kCalculator, "calcBtn",       20, 428, 120,  40, 18, true,  kNone,   0,          "Calculate"},
    {Shown::kCalculator, "helpBtn",      260, 428,  80,  40, 18, true,  kNone,   0,          "?"},
    {Shown::kCalculator, "clearBtn",     460, 428, 120,  40, 18, true,  kNone,   0,          "Clear"},
    {Shown::kCalculator, "Canvas1",       20,   7, 311, 160,  0, false, kNone,   0,          ""},
    {Shown::kCalculator, "Canvas2",      320,  56, 210, 100,  0, false, kNone,   0,          ""},
};
// clang-format on

TEST_F(WindowTest, WindowsShowTheirDeclaredLook) {
  for (const Look& look : kLooks) {
    SCOPED_TRACE(look.name);
    const rt::Window& window =
        look.window == Shown::kAbout ? static_cast<rt::Window&>(AboutWnd()) : ControlWnd();
    auto& control = window.ControlNamed<rt::RectControl>(look.name);
    EXPECT_EQ(QRect(control.Left(), control.Top(), control.Width(), control.Height()),
              QRect(look.left, look.top, look.width, look.height));
    const QWidget* widget = control.Widget();
    // A widget may reach further left than its control, never elsewhere.
    EXPECT_LE(widget->x(), look.left);
    EXPECT_EQ(widget->geometry().right(), look.left + look.width - 1);
    EXPECT_EQ(widget->y(), look.top);
    EXPECT_EQ(widget->height(), look.height);
    if (look.pixels == 0) continue;  // a canvas
    EXPECT_EQ(widget->font().pixelSize(), look.pixels);
    EXPECT_EQ(widget->font().bold(), look.bold);
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
      EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, look.alignment);
      EXPECT_EQ(label->palette().color(QPalette::WindowText).rgba(), look.color);
      EXPECT_EQ(label->text().toStdString(), look.text);
      if (!label->wordWrap()) {  // the whole text, inside the label's widget
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()),
                  label->contentsRect().width());
      }
    } else if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
      EXPECT_EQ(edit->alignment() & Qt::AlignHorizontal_Mask, look.alignment);
      EXPECT_EQ(edit->palette().color(QPalette::Text).rgba(), look.color);
      EXPECT_EQ(edit->text().toStdString(), look.text);
    } else {
      EXPECT_EQ(static_cast<const QPushButton*>(widget)->text().toStdString(), look.text);
    }
  }
}

// --- Long results ---

struct Result {
  const char *name, *n, *classes, *bic, *entropy, *shown;
};

class LongResult : public WindowTest, public ::testing::WithParamInterface<Result> {};

// A pixel of a field's text (faint edges of its glyphs aside).
bool Inked(QRgb pixel) { return qGray(pixel) < 192; }

// The ink of a field's text, as columns of the grabbed field: [first, last].
std::pair<int, int> InkColumns(QWidget* field) {
  const QImage image = field->grab().toImage();
  int first = image.width(), last = -1;
  // Inside the frame: the border's own pixels are not text.
  for (int y = 3; y < image.height() - 3; ++y) {
    for (int x = 3; x < image.width() - 3; ++x) {
      if (Inked(image.pixel(x, y))) {
        first = std::min(first, x);
        last = std::max(last, x);
      }
    }
  }
  return {first, last};
}

TEST_P(LongResult, IsShownWholeAndTheLimitHoldsOnceEdited) {
  const Result& result = GetParam();
  class ControlWnd& w = ActiveCalculator();
  TypeInputs(w, result.n, result.classes, result.bic, result.entropy);
  Click(w.calcBtn());
  rt::TextField& field = w.VorpexFld();
  ASSERT_EQ(field.Text(), result.shown);

  // The ink spans the whole text as the field's font sets it: nothing is
  // scrolled away or cut off.
  QLineEdit* edit = Edit(field);
  const auto [first, last] = InkColumns(edit);
  const QRect text = edit->fontMetrics().tightBoundingRect(edit->text());
  EXPECT_GE(last - first + 1, text.width() - 2) << "font " << edit->font().pixelSize();
  EXPECT_GE(edit->font().pixelSize(), 6);

  // Typing cannot make it longer; once shortened below the limit of 9, it
  // takes characters up to that limit only.
  Press(field, Qt::Key_End);
  Type(field, "5");
  EXPECT_EQ(field.Text(), result.shown);
  const auto length = field.Text().size();
  for (std::size_t i = 0; i + 8 < length; ++i) Press(field, Qt::Key_Backspace);
  ASSERT_EQ(field.Text().size(), 8u);
  Type(field, "55");
  EXPECT_EQ(field.Text(), std::string(result.shown).substr(0, 8) + "5");
}

INSTANTIATE_TEST_SUITE_P(
    OnTheCalculator, LongResult,
    ::testing::Values(
        Result{"ElevenCharacters", "1", "1", "123456789", "1", "123456789.0"},
        Result{"TwelveCharacters", "999999", "999999", "999999999", "0", "1027630990.5"},
        Result{"Negative", "999999", "9", "1", "9", "-35155557.1"},
        Result{"TwentyCharacters", "999999", "999999", "1", "999999999", "-27630991429646450.0"}),
    kByName);

// The runs of inked columns of a field's picture, inside its frame, with the rows each reaches.
struct InkRun {
  int left, right, top, bottom;
};

std::vector<InkRun> InkRuns(const QImage& image) {
  std::vector<InkRun> runs;
  bool inRun = false;
  for (int x = 3; x < image.width() - 3; ++x) {
    int top = image.height(), bottom = -1;
    for (int y = 3; y < image.height() - 3; ++y) {
      if (Inked(image.pixel(x, y))) {
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
    if (bottom < 0) {
      inRun = false;
    } else if (inRun) {
      InkRun& run = runs.back();
      run = {run.left, x, std::min(run.top, top), std::max(run.bottom, bottom)};
    } else {
      runs.push_back({x, x, top, bottom});
      inRun = true;
    }
  }
  return runs;
}

// The glyphs a field's text is drawn with: one letter for each run of inked columns, "T" for one
// at least as tall as most of the text, "." for a short one at its foot and "-" for a short one
// above it. An ellipsis shows as "...".
std::string Glyphs(const std::vector<InkRun>& runs) {
  int top = std::numeric_limits<int>::max(), bottom = -1;
  for (const InkRun& run : runs) {
    top = std::min(top, run.top);
    bottom = std::max(bottom, run.bottom);
  }
  const double height = bottom - top + 1;
  std::string glyphs;
  for (const InkRun& run : runs) {
    if (run.bottom - run.top + 1 >= 0.6 * height) {
      glyphs += 'T';
    } else {
      glyphs += run.bottom >= bottom - 0.15 * height ? '.' : '-';
    }
  }
  return glyphs;
}

// How many whole characters of its text, from the end it shows, a field shows in the columns
// [from, to) of its picture: the count for which a plain line edit of its font, size and look
// shows those columns alike, with the text's other characters made blanks as wide as digits.
// None when the columns show part of a character.
std::optional<qsizetype> WholeCharactersShown(QLineEdit* field, int from, int to, bool fromStart) {
  const QImage shown = field->grab().toImage();
  const QString text = field->text();
  for (qsizetype count = 0; count <= text.size(); ++count) {
    QLineEdit plain;  // each new, as a line edit keeps where it has scrolled to
    plain.setFont(field->font());
    plain.setPalette(field->palette());
    plain.setAlignment(field->alignment());
    plain.setFrame(field->hasFrame());
    plain.resize(field->size());
    const QString blanks(text.size() - count, QChar(0x2007));  // figure spaces
    plain.setText(fromStart ? text.left(count) + blanks : blanks + text.right(count));
    plain.setCursorPosition(fromStart ? 0 : static_cast<int>(text.size()));
    const QImage expected = plain.grab().toImage();
    bool alike = true;
    for (int x = from; x < to && alike; ++x) {
      for (int y = 3; y < shown.height() - 3 && alike; ++y) {
        alike = Inked(shown.pixel(x, y)) == Inked(expected.pixel(x, y));
      }
    }
    if (alike) return count;
  }
  return std::nullopt;
}

// A result that does not fit even at half the font's size says that it goes on: an ellipsis at
// the end cut off, whichever end the field shows, beside only whole digits (a sliver of one would
// read as a digit of its own). Copying it still gives the whole text.
TEST_F(WindowTest, ResultTooLongToShowEndsInAnEllipsis) {
  class ControlWnd& w = ActiveCalculator();
  Enter(w, "1377", "2", "1e308", ".5");
  Click(w.calcBtn());
  rt::TextField& field = w.VorpexFld();
  const std::string whole = "1" + std::string(308, '0') + ".0";
  ASSERT_EQ(field.Text(), whole);
  QLineEdit* edit = Edit(field);
  std::vector<InkRun> runs = InkRuns(edit->grab().toImage());
  const std::string start = Glyphs(runs);
  ASSERT_TRUE(std::regex_match(start, std::regex(R"(T+\.\.\.)"))) << start;
  EXPECT_GT(WholeCharactersShown(edit, 3, runs.end()[-3].left, true).value_or(0), 1)
      << "part of a digit beside the ellipsis";

  field.SetFocus();
  QTest::keySequence(edit, QKeySequence::MoveToEndOfLine);
  w.nFld().SetFocus();  // no caret drawn, and the field keeps its place in the text
  runs = InkRuns(edit->grab().toImage());
  const std::string end = Glyphs(runs);
  ASSERT_TRUE(std::regex_match(end, std::regex(R"(\.\.\.T+)"))) << end;
  EXPECT_GT(WholeCharactersShown(edit, runs[2].right + 1, edit->width() - 3, false).value_or(0), 1)
      << "part of a digit beside the ellipsis";

  field.SetFocus();
  QTest::keySequence(edit, QKeySequence::SelectAll);
  QTest::keySequence(edit, QKeySequence::Copy);
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), whole);
}

// --- The help text's table ---

// The columns of a line with tab stops every four characters.
std::vector<int> Columns(const QString& line) {
  std::vector<int> columns;
  int column = 0;
  for (const QChar c : line) {
    columns.push_back(column);
    column = c == '\t' ? (column / 4 + 1) * 4 : column + 1;
  }
  return columns;
}

TEST_F(WindowTest, HelpTableColumnsLineUp) {
  auto* edit = static_cast<QTextEdit*>(::helpWnd().EditField1().Widget());
  EXPECT_TRUE(QFontInfo(edit->font()).fixedPitch());
  const qreal advance = QFontMetricsF(edit->font()).horizontalAdvance(QChar(' '));
  edit->document()->documentLayout()->documentSize();  // lays the text out
  const QStringList lines = edit->toPlainText().split('\n');
  int tableLines = 0;
  for (int number = 0; number < lines.size(); ++number) {
    const QString& line = lines[number];
    if (!line.contains('\t')) continue;
    ++tableLines;
    SCOPED_TRACE(line.toStdString());
    const QTextBlock block = edit->document()->findBlockByNumber(number);
    const QTextLayout* layout = block.layout();
    ASSERT_EQ(layout->lineCount(), 1);
    const qreal start = layout->lineAt(0).cursorToX(0);
    const std::vector<int> columns = Columns(line);
    for (int i = 0; i < line.size(); ++i) {
      EXPECT_NEAR(layout->lineAt(0).cursorToX(i) - start, columns[i] * advance, 0.5) << i;
    }
  }
  EXPECT_EQ(tableLines, 5);
}

}  // namespace
