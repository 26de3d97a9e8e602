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

// A test's planned failure of the next New of one class.
struct PlannedFailure {
  String className;
  std::exception_ptr error;
};
PlannedFailure& Planned() {
  static PlannedFailure planned;
  return planned;
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
  if (Planned().error && Planned().className == record.name) {
    std::rethrow_exception(std::exchange(Planned().error, nullptr));
  }
  if (record.create == nullptr) {
    throw UnsupportedOperationException("class " + String(record.name) + " cannot be created");
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
void FailNextNew(std::string_view className, std::exception_ptr error) {
  Planned() = {String(className), std::move(error)};
}
}  // namespace testing

}  // namespace rt
