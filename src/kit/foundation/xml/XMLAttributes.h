#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

namespace kit::foundation {

// The attributes of one element, as written, valid only during the start-element event. Values
// arrive with the document's escapes undone.
class XMLAttributes {
public:
  // `pairs`: name, value, name, value, ..., ending with a null pointer.
  explicit XMLAttributes(const char *const *pairs) : pairs_(pairs) {}

  class iterator {
  public:
    explicit iterator(const char *const *at) : at_(at) {}
    std::pair<std::string_view, std::string_view> operator*() const { return {at_[0], at_[1]}; }
    iterator &operator++() {
      at_ += 2;
      return *this;
    }
    bool operator==(const iterator &) const = default;

  private:
    const char *const *at_;
  };

  iterator begin() const { return iterator(pairs_); }
  iterator end() const {
    const char *const *at = pairs_;
    while (*at)
      at += 2;
    return iterator(at);
  }
  bool empty() const { return pairs_[0] == nullptr; }
  std::size_t size() const;

  // The value of the attribute with exactly this name, or none.
  std::optional<std::string_view> value(std::string_view name) const;

private:
  const char *const *pairs_;
};

} // namespace kit::foundation
