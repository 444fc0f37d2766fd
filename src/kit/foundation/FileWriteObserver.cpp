#include "kit/foundation/FileWriteObserver.h"

#include "kit/foundation/ObserverList.h"

namespace kit::foundation {

namespace {

ObserverList<const std::filesystem::path &> &observers() {
  static ObserverList<const std::filesystem::path &> shared;
  return shared;
}

} // namespace

FileWriteObserver::FileWriteObserver(Callback callback) : callback_(std::move(callback)) {
  observers().add(&callback_);
}

FileWriteObserver::~FileWriteObserver() { observers().remove(&callback_); }

void announceFileWritten(const std::filesystem::path &file) { observers().notify(file); }

} // namespace kit::foundation
