#include "host/ActionRecording.h"

#include "Shared/Data/AppGroup.h"
#include "host/FolderSnapshot.h"
#include "kit/foundation/Defaults.h"
#include "kit/foundation/notifications/NotificationRecorder.h"
#include "kit/widgets/WidgetCenter.h"

#include <algorithm>
#include <mutex>

namespace zavel::host {
namespace {

// The keys written or removed in any store of this process while it lives, each once.
class SuiteWriteLog {
public:
  SuiteWriteLog()
      : observer_([this](std::string_view, std::string_view key) {
          std::lock_guard lock(mutex_);
          if (std::find(keys_.begin(), keys_.end(), key) == keys_.end())
            keys_.emplace_back(key);
        }) {}

  std::vector<std::string> keys() const {
    std::lock_guard lock(mutex_);
    return keys_;
  }

private:
  mutable std::mutex mutex_;
  std::vector<std::string> keys_;
  kit::foundation::DefaultsWriteObserver observer_;
};

std::string reportedFileName(const std::string &relative) {
  std::string container = "containers/" + std::string(AppGroup::identifier) + "/";
  return relative.starts_with(container) ? relative.substr(container.size()) : relative;
}

} // namespace

ActionReport recordAction(const std::function<void()> &action, BackgroundWait &wait,
                          const std::filesystem::path &home) {
  // Suite files are reported by key instead.
  const std::vector<std::filesystem::path> skipped{"suites"};
  SuiteWriteLog suiteWrites;
  kit::foundation::NotificationRecorder notifications;
  kit::widgets::ReloadRecorder reloads;
  FolderSnapshot before = FolderSnapshot::take(home, skipped);

  action();
  wait.wait();

  ActionReport report;
  report.reloaded = reloads.kinds();
  report.notifications = notifications.names();
  report.wrote = suiteWrites.keys();
  for (const std::string &file : FolderSnapshot::take(home, skipped).changedSince(before))
    report.wrote.push_back(reportedFileName(file));
  return report;
}

} // namespace zavel::host
