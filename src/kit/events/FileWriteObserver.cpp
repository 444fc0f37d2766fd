#include "kit/events/FileWriteObserver.h"

#include <list>
#include <mutex>

namespace kit::events {

namespace {

struct Observers {
  std::mutex mutex;
  std::list<FileWriteObserver::Callback *> callbacks;
};

Observers &observers() {
  static Observers shared;
  return shared;
}

} // namespace

FileWriteObserver::FileWriteObserver(Callback callback) : callback_(std::move(callback)) {
  std::lock_guard lock(observers().mutex);
  observers().callbacks.push_back(&callback_);
}

FileWriteObserver::~FileWriteObserver() {
  std::lock_guard lock(observers().mutex);
  observers().callbacks.remove(&callback_);
}

void announceFileWritten(const std::filesystem::path &file) {
  std::lock_guard lock(observers().mutex);
  for (auto *callback : observers().callbacks)
    (*callback)(file);
}

} // namespace kit::events
