#include "runtime/Window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

#include "runtime/Application.h"
#include "runtime/Bridge_p.h"
#include "runtime/Setters_p.h"
#include "runtime/WindowSystem_p.h"

namespace rt {

namespace {

struct Held {
  String className;
  std::unique_ptr<Window> window;
};
// The windows the runtime holds, one per full class name, in creation order.
std::vector<Held>& HeldWindows() {
  static std::vector<Held> held;
  return held;
}
// The windows in the order they were last shown or activated, latest last.
std::vector<Window*>& Recency() {
  static std::vector<Window*> recency;
  return recency;
}
// The windows placed but not yet active: their frame's size is known for
// sure only once the window manager has taken them.
std::vector<const Window*>& Unsettled() {
  static std::vector<const Window*> unsettled;
  return unsettled;
}

constexpr MethodEntry kWindowMethods[] = {
    {"Constructor", "(  )"},
    {"Show", "(  )"},
    {"Hide", "(  )"},
    {"SetProperties", "( Declaration )"},
    {"New", "( ClassRecord ) as Control"},
    {"AddControl", "( String, Control )"},
    {"ControlByName", "( String ) as Control"},
    {"AddMenuHandler", "( String, (  ) as Boolean )"},
};
constexpr ClassRecord kWindowRecord{"Window", nullptr, kWindowMethods, {}, nullptr};

// What the window manager draws around a shown window: its frame's margins
// around the window's own area; none before the window manager has told.
QMargins Decoration(const QWidget& frame) {
  const QRect outer = frame.frameGeometry(), inner = frame.geometry();
  return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
          outer.bottom() - inner.bottom()};
}

// A window's own area moved, with its decoration, onto the available area of
// a screen; a window larger than the area keeps its top left corner in it.
QRect KeptOnScreen(const QRect& geometry, const QMargins& decoration, const QRect& area) {
  QRect outer = geometry.marginsAdded(decoration);
  if (outer.right() > area.right()) outer.moveRight(area.right());
  if (outer.bottom() > area.bottom()) outer.moveBottom(area.bottom());
  if (outer.left() < area.left()) outer.moveLeft(area.left());
  if (outer.top() < area.top()) outer.moveTop(area.top());
  return outer.marginsRemoved(decoration);
}

// Once active, a window just placed is moved back onto its screen if its
// frame, now known, leaves the available area.
void Settle(const Window& window, QWidget& frame) {
  if (std::erase(Unsettled(), &window) == 0 || frame.screen() == nullptr) return;
  const QRect geometry = frame.geometry();
  const QRect kept = KeptOnScreen(geometry, Decoration(frame), frame.screen()->availableGeometry());
  if (kept != geometry) frame.setGeometry(kept);
}

}  // namespace

struct Window::Impl {
  std::unique_ptr<detail::FrameWidget> frame;
  QWidget* client = nullptr;
  QVBoxLayout* layout = nullptr;
  QMenuBar* menuBar = nullptr;
  std::map<String, std::function<bool()>, std::less<>> menuHandlers;

  Integer width = 100, height = 100;
  Integer minWidth = 64, minHeight = 64, maxWidth = 32000, maxHeight = 32000;
  Integer type = 0, location = 0;
  bool resizeable = true, declaredVisible = false, menuBarVisible = true, placed = false;
  bool closeButton = true, minimizeButton = true, maximizeButton = true;

  void ApplyFlags() {
    Qt::WindowFlags flags = (type == 2 ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint |
                            Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if (closeButton) flags |= Qt::WindowCloseButtonHint;
    if (minimizeButton) flags |= Qt::WindowMinimizeButtonHint;
    if (maximizeButton && resizeable) flags |= Qt::WindowMaximizeButtonHint;
    const bool visible = frame->isVisible();
    frame->setWindowFlags(flags);
    if (visible) {
      frame->show();  // changing the flags hides a window
      ApplyEmptyTitle();
    }
  }

  void ApplyEmptyTitle() {
    if (frame->windowTitle().isEmpty()) detail::ShowEmptyTitle(*frame);
  }

  int MenuBarHeight() const {
    return menuBar != nullptr && menuBarVisible ? menuBar->sizeHint().height() : 0;
  }

  void ApplyGeometry() {
    const auto clamp = [](Integer v) { return static_cast<int>(std::clamp<Integer>(v, 0, 32000)); };
    if (resizeable) {
      client->setMinimumSize(clamp(minWidth), clamp(minHeight));
      client->setMaximumSize(clamp(maxWidth), clamp(maxHeight));
      layout->setSizeConstraint(QLayout::SetMinAndMaxSize);
      frame->resize(clamp(width), clamp(height) + MenuBarHeight());
    } else {
      client->setFixedSize(clamp(width), clamp(height));
      layout->setSizeConstraint(QLayout::SetFixedSize);
    }
  }

  // The window's own area (its menu bar and client area, without the frame
  // the window manager draws around it) is what is placed: centred on the
  // available area of its screen, or 40 pixels right of and below the front
  // window's; either way kept on that screen's available area.
  void Place(const Window& self) {
    if (placed) return;
    placed = true;
    Unsettled().push_back(&self);
    layout->activate();  // a fixed size reaches the frame through its layout
    Window* front = FrontWindow();
    if (front != nullptr && front->Frame() == frame.get()) front = nullptr;
    const QScreen* screen = front != nullptr ? front->Frame()->screen() : frame->screen();
    if (screen == nullptr) return;
    const QRect area = screen->availableGeometry();
    QRect geometry(QPoint(0, 0), frame->size());
    if (location == 3 && front != nullptr) {
      // From client area to client area: where the window manager put the
      // front window's frame may not be known yet.
      geometry.moveTopLeft(front->Frame()->geometry().topLeft() + QPoint(40, 40));
    } else {
      geometry.moveCenter(area.center());
    }
    // A window of ours in front tells how large the window manager's frame is.
    const QMargins decoration = front != nullptr ? Decoration(*front->Frame()) : QMargins();
    frame->setGeometry(KeptOnScreen(geometry, decoration, area));
  }
};

const ClassRecord& Window::Class() {
  static const ClassRecord& record = RegisterClass(kWindowRecord);
  return record;
}

Window::Window() : impl_(std::make_unique<Impl>()) {
  impl_->frame = std::make_unique<detail::FrameWidget>(*this);
  impl_->layout = new QVBoxLayout(impl_->frame.get());
  impl_->layout->setContentsMargins(0, 0, 0, 0);
  impl_->layout->setSpacing(0);
  impl_->client = new QWidget(impl_->frame.get());
  impl_->layout->addWidget(impl_->client);
  impl_->ApplyFlags();
}

Window::~Window() {
  std::erase(Recency(), this);
  std::erase(Unsettled(), this);
  controls_.clear();  // before the widgets they live in
}

void Window::Constructor() {
  RaiseEvent("Layout");
  // The application's menu bar serves a window without one of its own: its
  // shortcuts work there too (Ctrl+Q quits in front of any window).
  if (menuBar_ == nullptr && App() != nullptr && App()->GetMenuBar() != nullptr) {
    detail::AddMenuShortcuts(*App()->GetMenuBar(), *impl_->frame);
  }
  RaiseEvent("CreateControls");
  RaiseEvent("AddMenuHandlers", {.sender = this});
  for (const auto& control : controls_) control->Raise("Open", {.sender = control.get()});
  RaiseEvent("Open");
  if (impl_->declaredVisible) Show();
}

void Window::Show() {
  impl_->Place(*this);
  QWidget* frame = impl_->frame.get();
  if (frame->isMinimized()) frame->setWindowState(frame->windowState() & ~Qt::WindowMinimized);
  frame->show();
  impl_->ApplyEmptyTitle();
  frame->raise();
  frame->activateWindow();
  detail::NoteFront(*this);
}

void Window::Hide() { impl_->frame->hide(); }

bool Window::Visible() const { return impl_->frame->isVisible(); }

void Window::SetMenuBar(MenuBar* menuBar) {
  menuBar_ = menuBar;
  delete impl_->menuBar;
  impl_->menuBar = menuBar != nullptr ? detail::MakeMenuBar(*menuBar, impl_->frame.get()) : nullptr;
  impl_->layout->setMenuBar(impl_->menuBar);
}

void Window::SetProperties(Declaration declaration) {
  using detail::MustBeFalse;
  using detail::NoEffect;
  using D = Impl;
  static constexpr detail::Setter<D> kSetters[] = {
      {"Width", [](D& d, const Property& p) { d.width = ValueOf<Integer>(p); }},
      {"Height", [](D& d, const Property& p) { d.height = ValueOf<Integer>(p); }},
      {"MinimumWidth", [](D& d, const Property& p) { d.minWidth = ValueOf<Integer>(p); }},
      {"MinimumHeight", [](D& d, const Property& p) { d.minHeight = ValueOf<Integer>(p); }},
      {"MaximumWidth", [](D& d, const Property& p) { d.maxWidth = ValueOf<Integer>(p); }},
      {"MaximumHeight", [](D& d, const Property& p) { d.maxHeight = ValueOf<Integer>(p); }},
      {"Type",
       [](D& d, const Property& p) {
         d.type = ValueOf<Integer>(p);
         if (d.type != 0 && d.type != 2) throw UnsupportedOperationException("window type");
       }},
      {"Title",
       [](D& d, const Property& p) {
         d.frame->setWindowTitle(detail::ToQt(ValueOf<std::string_view>(p)));
         d.ApplyEmptyTitle();
       }},
      {"HasCloseButton", [](D& d, const Property& p) { d.closeButton = ValueOf<bool>(p); }},
      {"HasMaximizeButton", [](D& d, const Property& p) { d.maximizeButton = ValueOf<bool>(p); }},
      {"HasMinimizeButton", [](D& d, const Property& p) { d.minimizeButton = ValueOf<bool>(p); }},
      {"HasFullScreenButton", &MustBeFalse<D>},  // no full-screen windows here
      {"FullScreen", &MustBeFalse<D>},
      {"Resizeable", [](D& d, const Property& p) { d.resizeable = ValueOf<bool>(p); }},
      {"Composite", &NoEffect<D>},
      {"MacProcID", &NoEffect<D>},
      {"LiveResize", &NoEffect<D>},
      {"DefaultLocation",
       [](D& d, const Property& p) {
         d.location = ValueOf<Integer>(p);
         if (d.location != 0 && d.location != 3) {
           throw UnsupportedOperationException("window location");
         }
       }},
      {"Visible", [](D& d, const Property& p) { d.declaredVisible = ValueOf<bool>(p); }},
      {"HasBackgroundColor",
       [](D& d, const Property& p) { d.client->setAutoFillBackground(ValueOf<bool>(p)); }},
      {"BackgroundColor",
       [](D& d, const Property& p) {
         detail::SetPaletteColor(d.client, QPalette::Window, ValueOf<Color>(p));
       }},
      {"MenuBarVisible",
       [](D& d, const Property& p) {
         d.menuBarVisible = ValueOf<bool>(p);
         if (d.menuBar != nullptr) d.menuBar->setVisible(d.menuBarVisible);
       }},
  };
  for (const Property& p : declaration) {
    if (!detail::ApplyFrom(kSetters, *impl_, p)) {
      throw UnsupportedOperationException("window property " + String(p.name));
    }
  }
  impl_->ApplyFlags();
  impl_->ApplyGeometry();
}

void Window::BuildControls(std::span<const ControlDeclaration> controls) {
  for (const ControlDeclaration& declaration : controls) {
    const ClassRecord& type = declaration.type();
    AddControl(declaration.name, [&] {
      auto control = NewControl(type);
      control->Constructor();
      return control;
    }());
    if (declaration.backdrop != nullptr) {
      ControlNamed<Canvas>(declaration.name).SetBackdrop(declaration.backdrop());
    }
    ControlNamed<Control>(declaration.name).SetProperties(declaration.properties);
    for (const ClassRecord* record = Record(); record != nullptr; record = record->base) {
      for (const EventEntry& entry : record->events) {
        if (entry.source == declaration.name) {
          ControlNamed<Control>(declaration.name).AddEventHandler(entry, *this);
        }
      }
    }
  }
  // A handler for a control the window does not have would never run.
  for (const ClassRecord* record = Record(); record != nullptr; record = record->base) {
    for (const EventEntry& entry : record->events) {
      if (!entry.source.empty() && ControlByName(entry.source) == nullptr) {
        throw RuntimeException(String(record->name) + ": the handler " + String(entry.method) +
                               " is for a control \"" + String(entry.source) +
                               "\" that the window does not have");
      }
    }
  }
  // Tab order: the tab stops that can take the focus, by ascending TabIndex.
  std::vector<RectControl*> stops;
  for (const auto& control : controls_) {
    auto* rect = dynamic_cast<RectControl*>(control.get());
    if (rect != nullptr && rect->TabStop() && rect->Focusable()) stops.push_back(rect);
  }
  std::stable_sort(stops.begin(), stops.end(),
                   [](auto* a, auto* b) { return a->TabIndex() < b->TabIndex(); });
  for (std::size_t i = 1; i < stops.size(); ++i) {
    QWidget::setTabOrder(stops[i - 1]->Widget(), stops[i]->Widget());
  }
}

std::unique_ptr<Control> Window::NewControl(const ClassRecord& type) {
  std::unique_ptr<Control> control = NewAs<Control>(type);
  control->Bind(*this, impl_->client);
  return control;
}

void Window::AddControl(std::string_view name, std::unique_ptr<Control> control) {
  if (control == nullptr) throw NilObjectException("no control to add");
  control->name_ = name;
  controls_.push_back(std::move(control));
}

Control* Window::ControlByName(std::string_view name) const {
  for (const auto& control : controls_) {
    if (control->Name() == name) return control.get();
  }
  return nullptr;
}

void Window::AddMenuHandler(std::string_view itemName, std::function<bool()> handler) {
  impl_->menuHandlers.insert_or_assign(String(itemName), std::move(handler));
}

const std::function<bool()>* Window::MenuHandler(std::string_view itemName) const {
  const auto it = impl_->menuHandlers.find(itemName);
  return it != impl_->menuHandlers.end() ? &it->second : nullptr;
}

bool Window::RaiseEvent(std::string_view event, EventArgs args) {
  if (args.sender == nullptr) args.sender = this;
  const EventEntry* entry = Record() != nullptr ? Record()->FindEvent({}, event) : nullptr;
  return entry != nullptr && entry->invoke(*this, args);
}

String Window::Title() const { return detail::FromQt(impl_->frame->windowTitle()); }
Integer Window::ClientWidth() const { return impl_->client->width(); }
Integer Window::ClientHeight() const { return impl_->client->height(); }
QWidget* Window::Frame() const { return impl_->frame.get(); }
QWidget* Window::ClientArea() const { return impl_->client; }

Window* GetImplicitWindow(std::string_view className) {
  for (const Held& held : HeldWindows()) {
    if (held.className == className) return held.window.get();
  }
  return nullptr;
}

Window& NewImplicitWindow(const ClassRecord& record) {
  std::unique_ptr<Window> created = NewAs<Window>(record);
  Window& window = *created;
  auto& held = HeldWindows();
  held.push_back({String(record.name), std::move(created)});
  try {
    window.Constructor();
  } catch (...) {
    std::erase_if(held, [&](const Held& h) { return h.window.get() == &window; });
    throw;
  }
  return window;
}

Window* FrontWindow() {
  if (Window* active = detail::WindowOfWidget(QApplication::activeWindow())) return active;
  const auto& recency = Recency();
  const auto visible =
      std::find_if(recency.rbegin(), recency.rend(), [](Window* w) { return w->Visible(); });
  return visible != recency.rend() ? *visible : nullptr;
}

namespace detail {

Window* WindowOfWidget(const QWidget* widget) {
  if (widget == nullptr) return nullptr;
  const auto* frame = dynamic_cast<const FrameWidget*>(widget->window());
  return frame != nullptr ? &frame->Owner() : nullptr;
}

void NoteFront(Window& window) {
  std::erase(Recency(), &window);
  Recency().push_back(&window);
}

void ReleaseWindows() {
  auto& held = HeldWindows();
  while (!held.empty()) held.pop_back();  // newest first
}

void FrameWidget::closeEvent(QCloseEvent* event) {
  event->ignore();
  Guarded([&] { return window_.RaiseEvent("Close"); });
  hide();
}

void FrameWidget::keyPressEvent(QKeyEvent* event) {
  const String key = WindowKeyText(*event);
  if (key.empty() || !Guarded([&] { return window_.RaiseEvent("KeyDown", {.key = key}); })) {
    QWidget::keyPressEvent(event);
  }
}

void FrameWidget::mousePressEvent(QMouseEvent* event) {
  const QPoint at = window_.ClientArea()->mapFrom(this, event->position().toPoint());
  if (!Guarded([&] { return window_.RaiseEvent("MouseDown", {.x = at.x(), .y = at.y()}); })) {
    QWidget::mousePressEvent(event);
  }
}

void FrameWidget::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    NoteFront(window_);
    Settle(window_, *this);
  }
  QWidget::changeEvent(event);
}

}  // namespace detail
}  // namespace rt
