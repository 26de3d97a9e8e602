// Declarations: lists of property values, applied in their order.
#pragma once

#include <span>
#include <string_view>
#include <variant>

#include "runtime/Types.h"

namespace rt {

using PropertyValue = std::variant<bool, Integer, Double, float, std::string_view, Color>;

struct Property {
  std::string_view name;
  PropertyValue value;
};

using Declaration = std::span<const Property>;

// Reads a property's value as T; raises UnsupportedOperationException naming
// the property when the declaration gives a value of another type.
template <class T>
T ValueOf(const Property& property) {
  if (const auto* value = std::get_if<T>(&property.value)) return *value;
  throw UnsupportedOperationException("property " + std::string(property.name) +
                                      " has a value of the wrong type");
}

}  // namespace rt
