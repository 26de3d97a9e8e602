// Objects, class records and event tables.
//
// Every class of the program registers one ClassRecord with the runtime, once
// per process: its full name, its base, its own operations in slot order (for
// introspection) and its event table, which tells the runtime which event of
// the window or of which control reaches which method. The runtime routes
// events through that table only.
#pragma once

#include <memory>
#include <span>
#include <string_view>
#include <typeinfo>

#include "runtime/Types.h"

namespace rt {

class Object;
class Window;

// What an event carries to its handler.
struct EventArgs {
  Object* sender = nullptr;  // the control that raised it, or the window itself
  Integer x = 0;             // mouse position, in the sender's client coordinates
  Integer y = 0;
  String key = {};  // the one-character key text of a KeyDown
};

// Calls a method of `self`; returns the handler's Boolean (false for handlers
// without a result).
using Invoker = bool (*)(Object& self, const EventArgs& args);

struct EventEntry {
  std::string_view source;  // a control's name; empty for the window's own events
  std::string_view event;
  std::string_view signature;
  std::string_view method;
  Invoker invoke;
};

struct MethodEntry {
  std::string_view name;
  std::string_view signature;
  std::string_view attributes = {};
};

struct ClassRecord {
  std::string_view name;
  const ClassRecord* base;
  std::span<const MethodEntry> methods;  // the class's own operations, in slot order
  std::span<const EventEntry> events;
  std::unique_ptr<Object> (*create)();  // null for abstract classes

  // The event table entry for an event of the window (source empty) or of a
  // control, searching base classes too; null when no class handles it.
  const EventEntry* FindEvent(std::string_view source, std::string_view event) const;
};

class Object {
 public:
  Object() = default;
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;
  virtual ~Object() = default;

  // The record of the class that created this object (set by New).
  const ClassRecord* Record() const { return record_; }

 private:
  friend std::unique_ptr<Object> New(const ClassRecord&);
  const ClassRecord* record_ = nullptr;
};

// Registers a class once; a second call with the same name returns the record
// registered first.
const ClassRecord& RegisterClass(const ClassRecord& record);
// The registered record of that full class name, or null.
const ClassRecord* LookupClass(std::string_view name);

// A new object of a registered class.
std::unique_ptr<Object> New(const ClassRecord& record);

// The type-tested conversion: raises IllegalCastException when `object` is
// not a T, NilObjectException when there is no object.
template <class T>
T& Cast(Object* object) {
  if (object == nullptr)
    throw NilObjectException(std::string("nil object where ") + typeid(T).name() + " was expected");
  auto* result = dynamic_cast<T*>(object);
  if (result == nullptr)
    throw IllegalCastException(std::string("object is not a ") + typeid(T).name());
  return *result;
}
template <class T>
T& Cast(Object& object) {
  return Cast<T>(&object);
}

// A new object of a registered class, owned as a T: the one way to create and
// own an object. Raises IllegalCastException, keeping nothing, when the class
// does not make a T.
template <class T>
std::unique_ptr<T> NewAs(const ClassRecord& record) {
  std::unique_ptr<Object> object = New(record);
  T& typed = Cast<T>(*object);
  object.release();  // now owned through `typed`, which may sit elsewhere in the object
  return std::unique_ptr<T>(&typed);
}

// Adapts a method of a program class to an Invoker, by the method's signature.
namespace detail {
template <class M>
struct MemberOf;
template <class C, class F>
struct MemberOf<F C::*> {
  using type = C;
};

template <class W>
bool Dispatch(W& w, void (W::*m)(), const EventArgs&) {
  (w.*m)();
  return false;
}
template <class W>
bool Dispatch(W& w, bool (W::*m)(Integer, Integer), const EventArgs& a) {
  return (w.*m)(a.x, a.y);
}
template <class W>
bool Dispatch(W& w, bool (W::*m)(const String&), const EventArgs& a) {
  return (w.*m)(a.key);
}
template <class W, class C>
bool Dispatch(W& w, void (W::*m)(C&), const EventArgs& a) {
  (w.*m)(Cast<C>(a.sender));
  return false;
}
template <class W, class C>
bool Dispatch(W& w, bool (W::*m)(C&, Integer, Integer), const EventArgs& a) {
  return (w.*m)(Cast<C>(a.sender), a.x, a.y);
}
template <class W, class C>
bool Dispatch(W& w, bool (W::*m)(C&, const String&), const EventArgs& a) {
  return (w.*m)(Cast<C>(a.sender), a.key);
}

template <auto Method>
bool Invoke(Object& self, const EventArgs& args) {
  using W = typename MemberOf<decltype(Method)>::type;
  return Dispatch(static_cast<W&>(self), Method, args);
}
}  // namespace detail

// One row of an event table: `source` raises `event`, which runs Method.
template <auto Method>
constexpr EventEntry On(std::string_view source, std::string_view event, std::string_view signature,
                        std::string_view method) {
  return {source, event, signature, method, &detail::Invoke<Method>};
}

// Whether a program class handles an event of its window (the query behind
// every class's IsEventImplemented).
bool RuntimeIsEventHandled(const Object& object, std::string_view className, std::string_view event,
                           bool userClasses);

}  // namespace rt
