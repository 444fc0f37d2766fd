#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace kit::foundation {

struct SinkListState;

// Keeps a sink in its list for as long as it lives; move-only.
class SinkRegistration {
public:
  SinkRegistration() = default;
  SinkRegistration(std::weak_ptr<SinkListState> list, uint64_t id);
  SinkRegistration(SinkRegistration &&other) noexcept;
  SinkRegistration &operator=(SinkRegistration &&other) noexcept;
  SinkRegistration(const SinkRegistration &) = delete;
  SinkRegistration &operator=(const SinkRegistration &) = delete;
  ~SinkRegistration();

private:
  void remove() noexcept;

  std::weak_ptr<SinkListState> list_;
  uint64_t id_ = 0;
};

// Receivers of names (notification names, widget kinds), called in the order they were added,
// from whichever thread sends; what a sink throws is dropped. A sink must not send to or change
// its own list.
class SinkList {
public:
  using Sink = std::function<void(const std::string &)>;

  SinkList();

  [[nodiscard]] SinkRegistration add(Sink sink);
  void send(const std::string &name) const;

private:
  std::shared_ptr<SinkListState> state_;
};

} // namespace kit::foundation
