#pragma once

#include "Shared/Data/RSSStore/RSSItem.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace zavel {

// The headlines of one feed that can still be among the first `limit` of the merged list, kept
// while the feed is read. The merge orders by date alone and keeps document order between
// equals, so a headline with `limit` of its own feed before it is never shown: at most `limit`
// are held, however long the feed.
class LeadingHeadlines {
public:
  explicit LeadingHeadlines(std::size_t limit) : limit_(limit) {}

  // Whether a headline of this date, offered next, would be kept; when not, it need not be made.
  bool admits(const std::optional<kit::foundation::Date> &published) const;
  // Keeps the headline when admitted, letting go of the one the merge would put last. Headlines
  // come in document order.
  void offer(RSSItem item);
  // The kept headlines, in merge order.
  std::vector<RSSItem> take() &&;

private:
  struct Kept {
    RSSItem item;
    std::size_t arrival;
  };
  static bool goesBefore(const Kept &a, const Kept &b);

  std::size_t limit_;
  std::size_t arrivals_ = 0;
  // A heap whose top is the headline the merge would put last.
  std::vector<Kept> kept_;
};

} // namespace zavel
