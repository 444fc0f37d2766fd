#include "kit/foundation/WriteFailureObserver.h"

#include "kit/foundation/ObserverList.h"

namespace kit::foundation {

namespace {

ObserverList<const WriteFailure &> &observers() {
  static ObserverList<const WriteFailure &> shared;
  return shared;
}

} // namespace

WriteFailureObserver::WriteFailureObserver(Callback callback) : callback_(std::move(callback)) {
  observers().add(&callback_);
}

WriteFailureObserver::~WriteFailureObserver() { observers().remove(&callback_); }

void announceWriteFailure(const WriteFailure &failure) { observers().notify(failure); }

} // namespace kit::foundation
