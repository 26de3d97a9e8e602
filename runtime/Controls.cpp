#include "runtime/Controls.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "runtime/Application.h"
#include "runtime/Picture.h"
#include "runtime/Setters_p.h"
#include "runtime/Window.h"

namespace rt {

using namespace detail;

// --- Control ---

Control::~Control() = default;

void Control::Bind(Window& owner, QWidget*) { owner_ = &owner; }

void Control::SetProperties(Declaration declaration) {
  for (const Property& property : declaration) {
    if (!ApplyProperty(property)) {
      throw UnsupportedOperationException("property " + String(property.name) + " of " +
                                          String(Record() ? Record()->name : "a control"));
    }
  }
  Settle();
}

bool Control::ApplyProperty(const Property& p) {
  static constexpr Setter<Control> kSetters[] = {
      {"Name", &NoEffect<Control>},   // the name it was registered under counts
      {"Index", &NoEffect<Control>},  // control arrays are not used
  };
  return ApplyFrom(kSetters, *this, p);
}

void Control::AddEventHandler(const EventEntry& entry, Window& target) {
  handlers_.push_back({&entry, &target});
}

bool Control::HasHandler(std::string_view event) const {
  return std::any_of(handlers_.begin(), handlers_.end(),
                     [&](const Handler& h) { return h.entry->event == event; });
}

bool Control::Raise(std::string_view event, EventArgs args) {
  if (args.sender == nullptr) args.sender = this;
  for (const Handler& handler : handlers_) {
    if (handler.entry->event == event) return handler.entry->invoke(*handler.target, args);
  }
  return false;
}

// --- RectControl ---

RectControl::~RectControl() { delete widget_; }

void RectControl::SetWidget(QWidget* widget) {
  widget_ = widget;
  const QRect box = widget_->geometry();
  left_ = box.x();
  top_ = box.y();
  width_ = box.width();
  height_ = box.height();
  // Sized by its declaration: shown unsized, it would first be fitted to its
  // contents, which loads the default font only to measure them.
  widget_->setAttribute(Qt::WA_Resized);
  widget_->show();  // shown with its window unless declared invisible
  UpdateFocusPolicy();
}

void RectControl::UpdateFocusPolicy() {
  if (!Focusable()) {
    widget_->setFocusPolicy(Qt::NoFocus);
  } else {
    widget_->setFocusPolicy(tabStop_ ? Qt::StrongFocus : Qt::ClickFocus);
  }
}

bool RectControl::Visible() const { return !widget_->isHidden(); }
void RectControl::SetVisible(bool visible) { widget_->setVisible(visible); }
void RectControl::SetFocus() { widget_->setFocus(Qt::OtherFocusReason); }
void RectControl::Place() { widget_->setGeometry(left_, top_, width_, height_); }

bool RectControl::ApplyProperty(const Property& p) {
  if (p.name == "FontSize") fontSize_ = static_cast<int>(std::lround(ValueOf<float>(p)));
  static constexpr Setter<RectControl> kSetters[] = {
      {"Left",
       [](RectControl& c, const Property& p) {
         c.left_ = static_cast<int>(std::clamp<Integer>(ValueOf<Integer>(p), -32000, 32000));
         c.Place();
       }},
      {"Top",
       [](RectControl& c, const Property& p) {
         c.top_ = static_cast<int>(std::clamp<Integer>(ValueOf<Integer>(p), -32000, 32000));
         c.Place();
       }},
      {"Width",
       [](RectControl& c, const Property& p) {
         c.width_ = static_cast<int>(std::clamp<Integer>(ValueOf<Integer>(p), 0, 32000));
         c.Place();
       }},
      {"Height",
       [](RectControl& c, const Property& p) {
         c.height_ = static_cast<int>(std::clamp<Integer>(ValueOf<Integer>(p), 0, 32000));
         c.Place();
       }},
      {"Visible",
       [](RectControl& c, const Property& p) { c.widget_->setVisible(ValueOf<bool>(p)); }},
      {"Enabled",
       [](RectControl& c, const Property& p) { c.widget_->setEnabled(ValueOf<bool>(p)); }},
      {"TabStop",
       [](RectControl& c, const Property& p) {
         c.tabStop_ = ValueOf<bool>(p);
         c.UpdateFocusPolicy();
       }},
      {"TabIndex", [](RectControl& c, const Property& p) { c.tabIndex_ = ValueOf<Integer>(p); }},
      {"Tooltip",
       [](RectControl& c, const Property& p) {
         c.widget_->setToolTip(detail::ToQt(ValueOf<std::string_view>(p)));
       }},
      // Controls keep their place and size when their window is resized:
      // anchoring to the left and top is what that means; anchoring to the
      // right or bottom edge is not supported.
      {"LockLeft", &NoEffect<RectControl>},
      {"LockTop", &NoEffect<RectControl>},
      {"LockRight", &MustBeFalse<RectControl>},
      {"LockBottom", &MustBeFalse<RectControl>},
      {"InitialParent", &MustBeEmpty<RectControl>},  // controls sit on the window
      {"DataSource", &MustBeEmpty<RectControl>},
      {"DataField", &MustBeEmpty<RectControl>},
      // The platform's ordinary look: no effect with this layer.
      {"TabPanelIndex", &NoEffect<RectControl>},
      {"AllowAutoDeactivate", &NoEffect<RectControl>},
      {"AllowFocusRing", &NoEffect<RectControl>},
      {"Transparent", &NoEffect<RectControl>},
  };
  return ApplyFrom(kSetters, *this, p) || ApplyFontProperty(widget_, p) ||
         Control::ApplyProperty(p);
}

// --- Label ---

namespace {
int TextWidth(const QFont& font, const QString& text) {
  return static_cast<int>(std::ceil(QFontMetricsF(font).horizontalAdvance(text)));
}

// The font at pixel size `size`, or smaller down to `smallest`, at which `text`
// fits in `room`. Text width grows about in step with the font size: start
// from the proportional size and step down while it is still too wide.
QFont Fitted(QFont font, int size, int smallest, const QString& text, int room) {
  font.setPixelSize(size);
  const int width = TextWidth(font, text);
  if (width <= room) return font;
  size = std::max(smallest, size * room / width);
  font.setPixelSize(size);
  while (size > smallest && TextWidth(font, text) > room) font.setPixelSize(--size);
  return font;
}
}  // namespace

void Label::Bind(Window& owner, QWidget* clientArea) {
  Control::Bind(owner, clientArea);
  auto* label = new QLabel(clientArea);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  SetWidget(label);
}

String Label::Text() const { return detail::FromQt(static_cast<QLabel*>(Widget())->text()); }
void Label::SetText(std::string_view text) {
  static_cast<QLabel*>(Widget())->setText(detail::ToQt(text));
  if (settled_) Place();
}

void Label::Place() {
  auto* label = static_cast<QLabel*>(Widget());
  QRect box(static_cast<int>(Left()), static_cast<int>(Top()), static_cast<int>(Width()),
            static_cast<int>(Height()));
  if (!settled_ || label->wordWrap() || FontSize() <= 0) {
    label->setGeometry(box);
    return;
  }
  QFont font = label->font();
  font.setPixelSize(FontSize());
  const int margins = label->width() - label->contentsRect().width();
  int room = box.width() - margins;
  const int width = TextWidth(font, label->text());
  if (width > room && (label->alignment() & Qt::AlignRight)) {
    // The text keeps its size and right edge and starts further left.
    const int wider = std::min(width - room, box.left());
    box.setLeft(box.left() - wider);
    room += wider;
  }
  label->setGeometry(box);
  label->setFont(Fitted(font, FontSize(), std::max(1, FontSize() * 3 / 4), label->text(), room));
}

bool Label::ApplyProperty(const Property& p) {
  static constexpr Setter<Label> kSetters[] = {
      {"Value", [](Label& c, const Property& p) { c.SetText(ValueOf<std::string_view>(p)); }},
      {"TextAlignment",
       [](Label& c, const Property& p) {
         auto* label = static_cast<QLabel*>(c.Widget());
         label->setAlignment(HorizontalAlignment(ValueOf<Integer>(p)) |
                             (label->alignment() & Qt::AlignVertical_Mask));
       }},
      {"TextColor",
       [](Label& c, const Property& p) {
         SetPaletteColor(c.Widget(), QPalette::WindowText, ValueOf<Color>(p));
       }},
      // Several lines wrap at the label's width and start at its top; one line
      // is centred vertically.
      {"Multiline",
       [](Label& c, const Property& p) {
         auto* label = static_cast<QLabel*>(c.Widget());
         label->setWordWrap(ValueOf<bool>(p));
         label->setAlignment((label->alignment() & Qt::AlignHorizontal_Mask) |
                             (ValueOf<bool>(p) ? Qt::AlignTop : Qt::AlignVCenter));
       }},
      {"Selectable",
       [](Label& c, const Property& p) {
         static_cast<QLabel*>(c.Widget())
             ->setTextInteractionFlags(ValueOf<bool>(p) ? Qt::TextSelectableByMouse
                                                        : Qt::NoTextInteraction);
       }},
  };
  return ApplyFrom(kSetters, *this, p) || RectControl::ApplyProperty(p);
}

// --- TextField ---

void TextField::Bind(Window& owner, QWidget* clientArea) {
  Control::Bind(owner, clientArea);
  auto* edit = new detail::LineEdit(*this, clientArea);
  SetWidget(edit);
  QObject::connect(edit, &QLineEdit::textChanged, edit, [this] { FitText(); });
}

void TextField::FitText() {
  auto* edit = static_cast<detail::LineEdit*>(Widget());
  if (!settled_ || FontSize() <= 0) return;
  QFont full = edit->font();
  full.setPixelSize(FontSize());
  edit->SetMarkFont(full);
  const QFont font =
      Fitted(full, FontSize(), std::max(1, FontSize() / 2), edit->displayText(), TextRoom(*edit));
  if (font != edit->font()) edit->setFont(font);
}

String TextField::Text() const { return detail::FromQt(static_cast<QLineEdit*>(Widget())->text()); }

void TextField::SetText(std::string_view text) {
  auto* edit = static_cast<detail::LineEdit*>(Widget());
  edit->SetTextByProgram(detail::ToQt(text));
  // A text wider than the field, even once fitted, shows from its start.
  if (TextWidth(edit->font(), edit->displayText()) > TextRoom(*edit)) edit->setCursorPosition(0);
}

bool TextField::ApplyProperty(const Property& p) {
  static constexpr Setter<TextField> kSetters[] = {
      {"Value", [](TextField& c, const Property& p) { c.SetText(ValueOf<std::string_view>(p)); }},
      {"MaximumCharactersAllowed",
       [](TextField& c, const Property& p) {
         c.maximum_ = std::clamp<Integer>(ValueOf<Integer>(p), 0, 32767);
         static_cast<detail::LineEdit*>(c.Widget())->SetLimit(c.maximum_ > 0 ? c.maximum_ : 32767);
       }},
      {"TextAlignment",
       [](TextField& c, const Property& p) {
         static_cast<QLineEdit*>(c.Widget())
             ->setAlignment(HorizontalAlignment(ValueOf<Integer>(p)) | Qt::AlignVCenter);
       }},
      {"TextColor",
       [](TextField& c, const Property& p) {
         SetPaletteColor(c.Widget(), QPalette::Text, ValueOf<Color>(p));
       }},
      {"BackgroundColor",
       [](TextField& c, const Property& p) {
         SetPaletteColor(c.Widget(), QPalette::Base, ValueOf<Color>(p));
       }},
      {"HasBorder",
       [](TextField& c, const Property& p) {
         static_cast<QLineEdit*>(c.Widget())->setFrame(ValueOf<bool>(p));
       }},
      {"Password",
       [](TextField& c, const Property& p) {
         static_cast<QLineEdit*>(c.Widget())
             ->setEchoMode(ValueOf<bool>(p) ? QLineEdit::Password : QLineEdit::Normal);
       }},
      {"ReadOnly",
       [](TextField& c, const Property& p) {
         static_cast<QLineEdit*>(c.Widget())->setReadOnly(ValueOf<bool>(p));
       }},
      {"Hint",
       [](TextField& c, const Property& p) {
         static_cast<QLineEdit*>(c.Widget())
             ->setPlaceholderText(detail::ToQt(ValueOf<std::string_view>(p)));
       }},
      {"Format", &MustBeEmpty<TextField>},
      {"ValidationMask", &MustBeEmpty<TextField>},
      {"AllowTabs", &NoEffect<TextField>},  // a one-line field never holds a tab
      {"AllowSpellChecking", &NoEffect<TextField>},
  };
  return ApplyFrom(kSetters, *this, p) || RectControl::ApplyProperty(p);
}

// --- PushButton ---

void PushButton::Bind(Window& owner, QWidget* clientArea) {
  Control::Bind(owner, clientArea);
  auto* button = new detail::ButtonWidget(*this, clientArea);
  button->setAutoDefault(false);
  SetWidget(button);
}

String PushButton::Caption() const {
  return detail::FromQt(static_cast<QPushButton*>(Widget())->text());
}

bool PushButton::ApplyProperty(const Property& p) {
  static constexpr Setter<PushButton> kSetters[] = {
      {"Caption",
       [](PushButton& c, const Property& p) {
         static_cast<QPushButton*>(c.Widget())->setText(detail::ToQt(ValueOf<std::string_view>(p)));
       }},
      // No button of a window is drawn as its default: Return does not press
      // a button outside dialogs.
      {"Default", &NoEffect<PushButton>},
      {"Cancel", &NoEffect<PushButton>},
      {"MacButtonStyle",
       [](PushButton&, const Property& p) {
         if (ValueOf<Integer>(p) != 0) throw UnsupportedOperationException("button style");
       }},
  };
  return ApplyFrom(kSetters, *this, p) || RectControl::ApplyProperty(p);
}

// --- Canvas ---

void Canvas::Bind(Window& owner, QWidget* clientArea) {
  Control::Bind(owner, clientArea);
  SetWidget(new detail::CanvasWidget(*this, clientArea));
}

void Canvas::SetBackdrop(std::shared_ptr<Picture> picture) {
  backdrop_ = std::move(picture);
  Widget()->update();
}

bool Canvas::ApplyProperty(const Property& p) {
  static constexpr Setter<Canvas> kSetters[] = {
      {"AllowFocus",
       [](Canvas& c, const Property& p) {
         c.allowFocus_ = ValueOf<bool>(p);
         c.UpdateFocusPolicy();
       }},
      {"AllowTabs", &NoEffect<Canvas>},
      {"DoubleBuffer", &NoEffect<Canvas>},  // Qt buffers every widget
  };
  return ApplyFrom(kSetters, *this, p) || RectControl::ApplyProperty(p);
}

// --- Class records ---

namespace {
template <class T>
std::unique_ptr<Object> Create() {
  return std::make_unique<T>();
}
constexpr ClassRecord kControl{"Control", nullptr, {}, {}, nullptr};
constexpr ClassRecord kRectControl{"RectControl", &kControl, {}, {}, nullptr};
constexpr ClassRecord kLabel{"Label", &kRectControl, {}, {}, &Create<Label>};
constexpr ClassRecord kTextField{"TextField", &kRectControl, {}, {}, &Create<TextField>};
constexpr ClassRecord kPushButton{"PushButton", &kRectControl, {}, {}, &Create<PushButton>};
constexpr ClassRecord kCanvas{"Canvas", &kRectControl, {}, {}, &Create<Canvas>};
constexpr ClassRecord kTextArea{"TextArea", &kRectControl, {}, {}, &Create<TextArea>};
constexpr ClassRecord kTimer{"Timer", &kControl, {}, {}, &Create<Timer>};
}  // namespace

const ClassRecord& Control::Class() { return RegisterClass(kControl); }
const ClassRecord& RectControl::Class() { return RegisterClass(kRectControl); }
const ClassRecord& Label::Class() { return RegisterClass(kLabel); }
const ClassRecord& TextField::Class() { return RegisterClass(kTextField); }
const ClassRecord& PushButton::Class() { return RegisterClass(kPushButton); }
const ClassRecord& Canvas::Class() { return RegisterClass(kCanvas); }
const ClassRecord& TextArea::Class() { return RegisterClass(kTextArea); }
const ClassRecord& Timer::Class() { return RegisterClass(kTimer); }

}  // namespace rt