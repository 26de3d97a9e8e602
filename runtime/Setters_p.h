// How controls apply their declarations: a table of known properties per
// class, each with its setter. Private to the runtime layer.
#pragma once

#include <QPalette>
#include <QWidget>
#include <cmath>
#include <string>

#include "runtime/Bridge_p.h"
#include "runtime/Properties.h"

namespace rt::detail {

// A table of the properties a control class knows, each with its setter.
template <class C>
struct Setter {
  std::string_view name;
  void (*apply)(C&, const Property&);
};
template <class C, std::size_t N>
bool ApplyFrom(const Setter<C> (&table)[N], C& control, const Property& property) {
  for (const Setter<C>& setter : table) {
    if (setter.name == property.name) {
      setter.apply(control, property);
      return true;
    }
  }
  return false;
}
// Properties that change nothing with this platform layer.
template <class C>
void NoEffect(C&, const Property&) {}
// Properties this layer only supports at their default value.
template <class C>
void MustBeEmpty(C&, const Property& p) {
  if (!ValueOf<std::string_view>(p).empty()) {
    throw UnsupportedOperationException("property " + String(p.name) + " must be empty");
  }
}
template <class C>
void MustBeFalse(C&, const Property& p) {
  if (ValueOf<bool>(p)) throw UnsupportedOperationException(String(p.name) + " true");
}

inline Qt::Alignment HorizontalAlignment(Integer code) {
  switch (code) {
    case 0:
    case 1:
      return Qt::AlignLeft;
    case 2:
      return Qt::AlignHCenter;
    case 3:
      return Qt::AlignRight;
    default:
      throw UnsupportedOperationException("text alignment " + std::to_string(code));
  }
}

inline void SetPaletteColor(QWidget* widget, QPalette::ColorRole role, const Color& color) {
  QPalette palette = widget->palette();
  palette.setColor(role, detail::ToQColor(color));
  widget->setPalette(palette);
}

// Font properties shared by every control with text.
inline bool ApplyFontProperty(QWidget* widget, const Property& p) {
  QFont font = widget->font();
  if (p.name == "FontName") {
    const QFont named = detail::FontNamed(ValueOf<std::string_view>(p), 0);
    font.setFamilies(named.families());
    font.setStyleHint(named.styleHint());
  } else if (p.name == "FontSize") {
    // Sizes are in the unit of the window coordinates (device-independent
    // pixels), so that text fits the declared layout on any screen; 0 keeps
    // the platform's size.
    const float size = ValueOf<float>(p);
    if (size > 0) font.setPixelSize(static_cast<int>(std::lround(size)));
  } else if (p.name == "FontUnit") {
    if (ValueOf<Integer>(p) != 0) throw UnsupportedOperationException("font unit");
  } else if (p.name == "Bold") {
    font.setBold(ValueOf<bool>(p));
  } else if (p.name == "Italic") {
    font.setItalic(ValueOf<bool>(p));
  } else if (p.name == "Underline") {
    font.setUnderline(ValueOf<bool>(p));
  } else {
    return false;
  }
  widget->setFont(font);
  return true;
}

}  // namespace rt::detail
