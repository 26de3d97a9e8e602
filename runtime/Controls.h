// The controls a window can hold: labels, text fields, push buttons, canvases,
// text areas and timers. Each is created for one window, registered under a
// name, given its declaration in one call, and then gets its handlers.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "runtime/Object.h"
#include "runtime/Properties.h"

class QWidget;
class QTimer;

namespace rt {

class Picture;
class Window;

class Control : public Object {
 public:
  static const ClassRecord& Class();
  ~Control() override;

  // The control's own constructor; the runtime's controls need none.
  virtual void Constructor() {}

  const String& Name() const { return name_; }
  Window& Owner() const { return *owner_; }

  // Applies a declaration, property by property in its order. A property the
  // control does not know raises UnsupportedOperationException.
  void SetProperties(Declaration declaration);

  // Attaches a handler for one of this control's events: `entry` is a method
  // of `target`, which receives the event with this control as its sender.
  void AddEventHandler(const EventEntry& entry, Window& target);

  // Raises an event through the attached handler; false when none is attached
  // or the handler lets the event go on.
  bool Raise(std::string_view event, EventArgs args);
  bool HasHandler(std::string_view event) const;

 protected:
  friend class Window;
  // Creates the platform side, as a child of the window's client area.
  virtual void Bind(Window& owner, QWidget* clientArea);
  // Applies one property; returns false when the class does not know it.
  virtual bool ApplyProperty(const Property& property);
  // Runs once a whole declaration is applied.
  virtual void Settle() {}

 private:
  struct Handler {
    const EventEntry* entry;
    Window* target;
  };
  Window* owner_ = nullptr;
  String name_;
  std::vector<Handler> handlers_;
};

// A control with a rectangle on the window.
class RectControl : public Control {
 public:
  static const ClassRecord& Class();
  ~RectControl() override;

  bool Visible() const;
  void SetVisible(bool visible);
  void SetFocus();
  // The rectangle as declared; a label may draw beyond it (see Label).
  Integer Left() const { return left_; }
  Integer Top() const { return top_; }
  Integer Width() const { return width_; }
  Integer Height() const { return height_; }
  Integer TabIndex() const { return tabIndex_; }
  bool TabStop() const { return tabStop_; }

  // The platform widget; for the runtime and for tests.
  QWidget* Widget() const { return widget_; }

 protected:
  bool ApplyProperty(const Property& property) override;
  void SetWidget(QWidget* widget);
  // Whether the control can take the keyboard focus at all.
  virtual bool Focusable() const { return false; }
  void UpdateFocusPolicy();
  // Puts the platform widget on the control's rectangle.
  virtual void Place();
  // The declared font size in pixels; 0 for the platform's size.
  int FontSize() const { return fontSize_; }

 private:
  friend class Window;
  QWidget* widget_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  int fontSize_ = 0;
  Integer tabIndex_ = 0;
  bool tabStop_ = false;
};

// A label on one line never cuts its text. Where the platform's font sets it
// wider than the label, a right-aligned label draws into the room on its left
// (up to its window's edge), keeping its size and right edge; any other label,
// or one that still has too little room, shrinks its font (down to three
// quarters of its size) until the text fits.
class Label : public RectControl {
 public:
  static const ClassRecord& Class();
  String Text() const;
  void SetText(std::string_view text);

 protected:
  void Bind(Window& owner, QWidget* clientArea) override;
  bool ApplyProperty(const Property& property) override;
  void Settle() override {
    settled_ = true;
    Place();
  }
  void Place() override;

 private:
  bool settled_ = false;  // its declaration is applied
};

// A one-line text field shows its whole text: a text wider than the field
// shrinks the font (down to half its size); a text wider still shows from
// its start, with an ellipsis at each end where it is cut.
//
// Events: KeyDown judges each typed key (true drops it). TextEdited follows
// every other change of the text that the program did not make (a paste by
// key, menu or middle button, a cut, a deletion from a menu, undo, redo, a
// drop, a change through the accessibility interface); text the program sets
// raises neither. Text the user brings in keeps its first line, without
// hidden characters, and then as many whole characters as the limit leaves.
class TextField : public RectControl {
 public:
  static const ClassRecord& Class();
  String Text() const;
  // Sets the text in full and shows it from its start: the character limit
  // holds for what the user types or pastes, never for text the program sets.
  // Once the user edits a text longer than the limit, it can only get shorter
  // until it is within the limit.
  void SetText(std::string_view text);
  Integer MaximumCharactersAllowed() const { return maximum_; }

 protected:
  void Bind(Window& owner, QWidget* clientArea) override;
  bool ApplyProperty(const Property& property) override;
  bool Focusable() const override { return true; }
  void Settle() override {
    settled_ = true;
    FitText();
  }

 private:
  void FitText();
  Integer maximum_ = 0;   // 0: no limit
  bool settled_ = false;  // its declaration is applied
};

class PushButton : public RectControl {
 public:
  static const ClassRecord& Class();
  String Caption() const;

 protected:
  void Bind(Window& owner, QWidget* clientArea) override;
  bool ApplyProperty(const Property& property) override;
};

class Canvas : public RectControl {
 public:
  static const ClassRecord& Class();
  // The picture drawn at its natural size from the top-left corner, clipped
  // to the canvas; no picture draws nothing.
  void SetBackdrop(std::shared_ptr<Picture> picture);
  const std::shared_ptr<Picture>& Backdrop() const { return backdrop_; }

 protected:
  void Bind(Window& owner, QWidget* clientArea) override;
  bool ApplyProperty(const Property& property) override;
  bool Focusable() const override { return allowFocus_; }

 private:
  std::shared_ptr<Picture> backdrop_;
  bool allowFocus_ = false;
};

class TextArea;

// The styled view of a text area's text. Positions count characters, each
// line end (a carriage return) as one.
class StyledText {
 public:
  explicit StyledText(TextArea& area) : area_(area) {}
  String Text() const;
  // Sets the bold of a range; like setting the text, it leaves nothing to undo.
  void Bold(Integer start, Integer length, bool value);
  bool Bold(Integer position) const;

 private:
  TextArea& area_;
};

class TextArea : public RectControl {
 public:
  static const ClassRecord& Class();
  // The text with carriage returns (code 13) as line ends.
  String Text() const;
  void SetText(std::string_view text);
  StyledText GetStyledText() { return StyledText(*this); }

 protected:
  void Bind(Window& owner, QWidget* clientArea) override;
  bool ApplyProperty(const Property& property) override;
  bool Focusable() const override { return true; }
};

// A timer a window owns as a control. RunMode 0 is off, 1 fires once and 2
// fires repeatedly, Period milliseconds after it is armed; setting RunMode
// (or Period while running) arms it.
class Timer : public Control {
 public:
  static const ClassRecord& Class();
  Timer();
  ~Timer() override;
  Integer Period() const { return period_; }
  Integer RunMode() const { return runMode_; }
  bool Armed() const;

 protected:
  bool ApplyProperty(const Property& property) override;

 private:
  friend struct TimerAccess;
  void Arm();
  void Fire();
  std::unique_ptr<QTimer> timer_;
  Integer period_ = 1000;
  Integer runMode_ = 0;
};

}  // namespace rt
