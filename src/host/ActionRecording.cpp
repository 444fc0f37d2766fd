#include "host/ActionRecording.h"

#include "Shared/Data/AppGroup.h"
#include "host/CommandErrors.h"
#include "host/QuotedText.h"
#include "kit/foundation/Defaults.h"
#include "kit/foundation/FileWriteObserver.h"
#include "kit/foundation/WriteFailureObserver.h"
#include "kit/foundation/notifications/NotificationRecorder.h"
#include "kit/widgets/WidgetCenter.h"

#include <algorithm>
#include <mutex>
#include <set>

namespace zavel::host {
namespace {

namespace fs = std::filesystem;

// Each name once, where it first came: a key written twice, or a kind asked for by both the intent
// and the pressed key, is reported once.
std::vector<std::string> eachOnce(const std::vector<std::string> &names) {
  std::vector<std::string> once;
  for (const std::string &name : names)
    if (std::find(once.begin(), once.end(), name) == once.end())
      once.push_back(name);
  return once;
}

// The keys written or removed in a suite file while it lives, each once.
class SuiteWriteLog {
public:
  SuiteWriteLog()
      : observer_([this](std::string_view, std::string_view key) {
          std::lock_guard lock(mutex_);
          keys_.emplace_back(key);
        }) {}

  std::vector<std::string> keys() const {
    std::lock_guard lock(mutex_);
    return eachOnce(keys_);
  }

private:
  mutable std::mutex mutex_;
  std::vector<std::string> keys_;
  kit::foundation::DefaultsWriteObserver observer_;
};

// The files this process wrote whole while it lives, each once, in name order.
class FileWriteLog {
public:
  FileWriteLog()
      : observer_([this](const fs::path &file) {
          std::lock_guard lock(mutex_);
          files_.insert(file.lexically_normal());
        }) {}

  std::set<fs::path> files() const {
    std::lock_guard lock(mutex_);
    return files_;
  }

private:
  mutable std::mutex mutex_;
  std::set<fs::path> files_;
  kit::foundation::FileWriteObserver observer_;
};

// The writes that failed while it lives, each once, keys before files.
class WriteFailureLog {
public:
  WriteFailureLog()
      : observer_([this](const kit::foundation::WriteFailure &failure) {
          std::lock_guard lock(mutex_);
          failures_.push_back(failure);
        }) {}

  std::vector<kit::foundation::WriteFailure> failures() const {
    std::lock_guard lock(mutex_);
    auto sorted = failures_;
    std::stable_partition(sorted.begin(), sorted.end(),
                          [](const auto &failure) { return !failure.store.empty(); });
    return sorted;
  }

private:
  mutable std::mutex mutex_;
  std::vector<kit::foundation::WriteFailure> failures_;
  kit::foundation::WriteFailureObserver observer_;
};

// A file below `home` by its place there, one of the app group's container by its name there
// ("notes.json"); any other by its full path.
std::string reportedFileName(const fs::path &file, const fs::path &home) {
  fs::path relative = file.lexically_relative(home.lexically_normal());
  if (relative.empty() || *relative.begin() == "..")
    return file.string();
  std::string name = relative.generic_string();
  std::string container = "containers/" + std::string(AppGroup::identifier) + "/";
  return name.starts_with(container) ? name.substr(container.size()) : name;
}

} // namespace

ActionReport recordAction(const std::function<void()> &action, BackgroundWait &wait,
                          const fs::path &home) {
  SuiteWriteLog suiteWrites;
  FileWriteLog fileWrites;
  WriteFailureLog failures;
  kit::foundation::NotificationRecorder notifications;
  kit::widgets::ReloadRecorder reloads;

  action();
  wait.wait();

  ActionReport report;
  report.reloaded = eachOnce(reloads.kinds());
  report.notifications = notifications.names();
  report.wrote = suiteWrites.keys();
  std::vector<std::string> files;
  for (const fs::path &file : fileWrites.files())
    files.push_back(reportedFileName(file, home));
  std::sort(files.begin(), files.end());
  report.wrote.insert(report.wrote.end(), files.begin(), files.end());
  std::vector<std::string> failed;
  for (const auto &failure : failures.failures()) {
    std::string name = failure.store.empty() ? reportedFileName(failure.name, home) : failure.name;
    failed.push_back(quotedPath(name) + ": " + failure.reason);
  }
  report.failed = eachOnce(failed);
  return report;
}

void requireEveryWrite(const ActionReport &report) {
  if (report.failed.empty())
    return;
  std::string line = "not written: " + report.failed.front();
  if (report.failed.size() > 1)
    line += " (and " + std::to_string(report.failed.size() - 1) + " more)";
  throw CommandFailure(line);
}

} // namespace zavel::host
