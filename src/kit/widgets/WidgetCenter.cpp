#include "kit/widgets/WidgetCenter.h"

#include <string>

namespace kit::widgets {

WidgetCenter &WidgetCenter::shared() {
  // Never destroyed: background work may still ask for reloads while the process ends.
  static auto *center = new WidgetCenter;
  return *center;
}

void WidgetCenter::reloadTimelines(std::string_view ofKind) noexcept {
  try {
    sinks_.send(std::string(ofKind));
  } catch (...) {
    // A reload request never fails visibly.
  }
}

foundation::SinkRegistration WidgetCenter::addSink(foundation::SinkList::Sink sink) {
  return sinks_.add(std::move(sink));
}

} // namespace kit::widgets
