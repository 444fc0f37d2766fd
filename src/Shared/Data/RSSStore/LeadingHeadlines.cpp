#include "Shared/Data/RSSStore/LeadingHeadlines.h"

#include "Shared/Data/RSSStore/HeadlineMerge.h"

#include <algorithm>

namespace zavel {

bool LeadingHeadlines::goesBefore(const Kept &a, const Kept &b) {
  if (isNewer(a.item, b.item))
    return true;
  return !isNewer(b.item, a.item) && a.arrival < b.arrival;
}

bool LeadingHeadlines::admits(const std::optional<kit::foundation::Date> &published) const {
  if (kept_.size() < limit_)
    return true;
  // Arriving last, a headline only passes one of an older date, never an equal.
  if (kept_.empty() || !published)
    return false;
  const auto &last = kept_.front().item.published;
  return !last || *published > *last;
}

void LeadingHeadlines::offer(RSSItem item) {
  if (!admits(item.published))
    return;
  if (kept_.size() == limit_) {
    std::pop_heap(kept_.begin(), kept_.end(), goesBefore);
    kept_.pop_back();
  }
  kept_.push_back({std::move(item), arrivals_++});
  std::push_heap(kept_.begin(), kept_.end(), goesBefore);
}

std::vector<RSSItem> LeadingHeadlines::take() && {
  std::sort_heap(kept_.begin(), kept_.end(), goesBefore);
  std::vector<RSSItem> items;
  items.reserve(kept_.size());
  for (auto &kept : kept_)
    items.push_back(std::move(kept.item));
  kept_.clear();
  return items;
}

} // namespace zavel
