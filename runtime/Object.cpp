#include "runtime/Object.h"

#include <exception>
#include <utility>
#include <vector>

#include "runtime/Testing.h"

namespace rt {

namespace {
std::vector<const ClassRecord*>& Registry() {
  static std::vector<const ClassRecord*> registry;
  return registry;
}

// A creation that is to fail (a test seam): the class, how many creations of
// it are left until then (0: none is to fail), and what it raises.
struct FailingCreation {
  String className;
  int remaining = 0;
  std::exception_ptr error;
};
FailingCreation& Failing() {
  static FailingCreation failing;
  return failing;
}
}  // namespace

const EventEntry* ClassRecord::FindEvent(std::string_view source, std::string_view event) const {
  for (const ClassRecord* record = this; record != nullptr; record = record->base) {
    for (const EventEntry& entry : record->events) {
      if (entry.source == source && entry.event == event) return &entry;
    }
  }
  return nullptr;
}

const ClassRecord& RegisterClass(const ClassRecord& record) {
  if (const ClassRecord* known = LookupClass(record.name)) return *known;
  Registry().push_back(&record);
  return record;
}

const ClassRecord* LookupClass(std::string_view name) {
  for (const ClassRecord* record : Registry()) {
    if (record->name == name) return record;
  }
  return nullptr;
}

std::unique_ptr<Object> New(const ClassRecord& record) {
  if (record.create == nullptr) {
    throw UnsupportedOperationException("class " + String(record.name) + " cannot be created");
  }
  if (FailingCreation& f = Failing();
      f.remaining > 0 && f.className == record.name && --f.remaining == 0) {
    if (f.error) std::rethrow_exception(std::exchange(f.error, nullptr));
    throw RuntimeException("creating " + String(record.name) + " failed");
  }
  auto object = record.create();
  object->record_ = &record;
  return object;
}

bool RuntimeIsEventHandled(const Object& object, std::string_view className, std::string_view event,
                           bool userClasses) {
  const ClassRecord* record = userClasses ? LookupClass(className) : object.Record();
  return record != nullptr && record->FindEvent({}, event) != nullptr;
}

namespace testing {
void FailCreation(std::string_view className, int count, std::exception_ptr error) {
  Failing() = {String(className), count, std::move(error)};
}
}  // namespace testing

}  // namespace rt
