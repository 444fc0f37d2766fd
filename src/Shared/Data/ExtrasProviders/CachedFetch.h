#pragma once

#include "kit/foundation/Date.h"

#include <exception>
#include <optional>

namespace zavel {

// Whether a record written at `updated` is still fresh at `now`: younger than `window` seconds.
// A record dated in the future counts as fresh.
inline bool isFresh(kit::foundation::Date updated, kit::foundation::Date now, double window) {
  return now.timeIntervalSince(updated) < window;
}

// The cache-first answer of a web source: the cached record while it is fresh, else a fetched one
// (stored, then returned), else the cached record of any age, else none. `read()` gives the
// cached record, `fetch()` a new one or throws, `store(record)` keeps it. Never throws.
template <class Record, class Read, class Fetch, class Store>
std::optional<Record> cachedOrFetched(Read read, Fetch fetch, Store store,
                                      kit::foundation::Date now, double window) noexcept {
  try {
    if (std::optional<Record> cached = read(); cached && isFresh(cached->updated, now, window))
      return cached;
    Record fetched = fetch();
    store(fetched);
    return fetched;
  } catch (const std::exception &) {
  }
  try {
    return read();
  } catch (const std::exception &) {
    return std::nullopt;
  }
}

} // namespace zavel
