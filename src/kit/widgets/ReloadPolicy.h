#pragma once

#include "kit/foundation/Date.h"
#include "kit/foundation/JsonCoding.h"

#include <optional>

namespace kit::widgets {

// When the host asks a provider for its next timeline.
class ReloadPolicy {
public:
  enum class Kind { atEnd, after, never };

  // Once the last entry's date has come.
  static ReloadPolicy atEnd() { return ReloadPolicy(Kind::atEnd, {}); }
  // Once `date` has come.
  static ReloadPolicy after(foundation::Date date) { return ReloadPolicy(Kind::after, date); }
  // Only when someone reloads the widget's kind.
  static ReloadPolicy never() { return ReloadPolicy(Kind::never, {}); }

  Kind kind() const { return kind_; }
  // The date of `after`; none for the others.
  std::optional<foundation::Date> date() const { return date_; }

  bool operator==(const ReloadPolicy &) const = default;

private:
  ReloadPolicy(Kind kind, std::optional<foundation::Date> date) : kind_(kind), date_(date) {}

  Kind kind_;
  std::optional<foundation::Date> date_;
};

} // namespace kit::widgets

namespace kit::foundation {
// "atEnd", "never", or {"after": "2025-03-01T09:30:00Z"} (ISO 8601 in UTC).
template <> struct JsonCoder<widgets::ReloadPolicy> {
  static Json encode(const widgets::ReloadPolicy &policy);
  static widgets::ReloadPolicy decode(const Json &json);
};
} // namespace kit::foundation
