#include "kit/ui/layout/Element.h"

#include <cmath>

namespace kit::ui::layout {
namespace {

std::optional<double> sanitizedLength(std::optional<double> length) {
  if (!length || std::isnan(*length))
    return std::nullopt;
  return std::max(0.0, *length);
}

double sanitizedResult(double length) { return std::isnan(length) || length < 0 ? 0 : length; }

Rect finiteRect(const Rect &rect) {
  return {{finiteOr(rect.origin.x), finiteOr(rect.origin.y)},
          {nonNegativeLength(rect.size.width), nonNegativeLength(rect.size.height)}};
}

} // namespace

ProposedSize sanitized(ProposedSize proposal) {
  return {sanitizedLength(proposal.width), sanitizedLength(proposal.height)};
}

Size Element::sizeThatFits(ProposedSize proposal) {
  proposal = sanitized(proposal);
  for (const auto &[asked, answer] : cache_) {
    if (asked == proposal)
      return answer;
  }
  Size size = measure(proposal);
  size = {sanitizedResult(size.width), sanitizedResult(size.height)};
  cache_.emplace_back(proposal, size);
  return size;
}

LaidOutNode Element::place(const Rect &frame, ProposedSize proposal) {
  return layout(finiteRect(frame), sanitized(proposal));
}

double guide(HAlign alignment, Size size) {
  switch (alignment) {
  case HAlign::leading:
    return 0;
  case HAlign::center:
    return size.width / 2;
  case HAlign::trailing:
    return size.width;
  }
  return 0;
}

double guide(VAlign alignment, Size size, Element &element, ProposedSize proposal) {
  switch (alignment) {
  case VAlign::top:
    return 0;
  case VAlign::center:
    return size.height / 2;
  case VAlign::bottom:
    return size.height;
  case VAlign::firstTextBaseline:
    return element.firstBaseline(proposal).value_or(size.height);
  case VAlign::lastTextBaseline:
    return element.lastBaseline(proposal).value_or(size.height);
  }
  return 0;
}

} // namespace kit::ui::layout
