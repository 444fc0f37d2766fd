#pragma once

#include "kit/foundation/Date.h"
#include "kit/foundation/JsonCoding.h"

#include <cstdint>
#include <optional>
#include <string>

namespace zavel {

// The host application's summary of unread mail.
struct InboxSnapshot {
  int64_t unread = 0;
  // The newest messages, one per line (line feeds between them).
  std::optional<std::string> latestPreview;
  std::optional<kit::foundation::Date> latestDate;
  // Mail access is switched on in the host application.
  bool connected = false;
  kit::foundation::Date updated;

  static const InboxSnapshot &zavelSample();

  bool operator==(const InboxSnapshot &) const = default;
  static constexpr auto jsonFields() {
    using kit::foundation::field;
    using R = InboxSnapshot;
    return std::tuple{field("unread", &R::unread), field("latestPreview", &R::latestPreview),
                      field("latestDate", &R::latestDate), field("connected", &R::connected),
                      field("updated", &R::updated)};
  }
};

} // namespace zavel
