#include "kit/foundation/notifications/SinkList.h"

#include <map>
#include <mutex>
#include <utility>

namespace kit::foundation {

struct SinkListState {
  std::mutex mutex;
  uint64_t nextId = 1;
  std::map<uint64_t, SinkList::Sink> sinks;
};

SinkRegistration::SinkRegistration(std::weak_ptr<SinkListState> list, uint64_t id)
    : list_(std::move(list)), id_(id) {}

SinkRegistration::SinkRegistration(SinkRegistration &&other) noexcept
    : list_(std::move(other.list_)), id_(std::exchange(other.id_, 0)) {}

SinkRegistration &SinkRegistration::operator=(SinkRegistration &&other) noexcept {
  if (this != &other) {
    remove();
    list_ = std::move(other.list_);
    id_ = std::exchange(other.id_, 0);
  }
  return *this;
}

SinkRegistration::~SinkRegistration() { remove(); }

void SinkRegistration::remove() noexcept {
  if (auto list = list_.lock()) {
    std::lock_guard lock(list->mutex);
    list->sinks.erase(id_);
  }
  list_.reset();
}

SinkList::SinkList() : state_(std::make_shared<SinkListState>()) {}

SinkRegistration SinkList::add(Sink sink) {
  std::lock_guard lock(state_->mutex);
  uint64_t id = state_->nextId++;
  state_->sinks.emplace(id, std::move(sink));
  return SinkRegistration(state_, id);
}

void SinkList::send(const std::string &name) const {
  // Held while the sinks run, so a registration that ends waits until its sink has returned.
  std::lock_guard lock(state_->mutex);
  for (const auto &[id, sink] : state_->sinks) {
    try {
      sink(name);
    } catch (...) {
      // One failing receiver keeps nothing from the others.
    }
  }
}

} // namespace kit::foundation
