#pragma once

#include "kit/foundation/notifications/NameRecorder.h"
#include "kit/foundation/notifications/SinkList.h"

#include <string_view>

namespace kit::widgets {

// Requests for fresh timelines. They go to the sinks the widget host installed in this process,
// in the order made; with none installed they are dropped, as for a kind nobody shows.
class WidgetCenter {
public:
  static WidgetCenter &shared();

  void reloadTimelines(std::string_view ofKind) noexcept;

  [[nodiscard]] foundation::SinkRegistration addSink(foundation::SinkList::Sink sink);

private:
  WidgetCenter() = default;

  foundation::SinkList sinks_;
};

// Records, in order, every kind asked to reload in this process while it lives.
class ReloadRecorder : public foundation::NameRecorder {
public:
  ReloadRecorder() : NameRecorder(WidgetCenter::shared()) {}

  std::vector<std::string> kinds() const { return names(); }
};

} // namespace kit::widgets
