#include "support/ReloadLog.h"

#include "kit/foundation/notifications/DistributedNotificationCenter.h"
#include "kit/widgets/WidgetCenter.h"

namespace zavel::test {

namespace {

template <class Log>
kit::foundation::SinkList::Sink appending(std::shared_ptr<Log> log, std::string prefix) {
  return [log = std::move(log), prefix = std::move(prefix)](const std::string &name) {
    std::lock_guard lock(log->mutex);
    log->events.push_back(prefix + name);
  };
}

} // namespace

ReloadLog::ReloadLog()
    : reloads_(kit::widgets::WidgetCenter::shared().addSink(appending(log_, "reload "))),
      notifications_(kit::foundation::DistributedNotificationCenter::defaultCenter().addSink(
          appending(log_, "notify "))) {}

std::vector<std::string> ReloadLog::events() const {
  std::lock_guard lock(log_->mutex);
  return log_->events;
}

std::vector<std::string> reloadedAndNotified(const std::vector<std::string> &kinds, int times) {
  std::vector<std::string> events;
  for (int time = 0; time < times; ++time) {
    for (const auto &kind : kinds)
      events.push_back("reload " + kind);
    events.push_back("notify com.brekholt.zavel.reloadwidgets");
  }
  return events;
}

} // namespace zavel::test
