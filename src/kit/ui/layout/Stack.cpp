#include "kit/ui/layout/Elements.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <span>

namespace kit::ui::layout {
namespace {

// A size or proposal seen along and across a stack's axis.
struct Oriented {
  Axis axis;

  double along(Size s) const { return axis == Axis::horizontal ? s.width : s.height; }
  double across(Size s) const { return axis == Axis::horizontal ? s.height : s.width; }
  std::optional<double> along(ProposedSize p) const {
    return axis == Axis::horizontal ? p.width : p.height;
  }
  std::optional<double> across(ProposedSize p) const {
    return axis == Axis::horizontal ? p.height : p.width;
  }
  ProposedSize proposal(std::optional<double> along, std::optional<double> across) const {
    return axis == Axis::horizontal ? ProposedSize{along, across} : ProposedSize{across, along};
  }
  Point point(double along, double across) const {
    return axis == Axis::horizontal ? Point{along, across} : Point{across, along};
  }
  Size size(double along, double across) const {
    return axis == Axis::horizontal ? Size{along, across} : Size{across, along};
  }
};

// Where each child goes (relative to the container) and what it was offered.
struct Arrangement {
  Size size;
  std::vector<Rect> rects;
  std::vector<ProposedSize> proposals;
};

std::optional<double> firstBaselineOf(const Arrangement &a, Elements &children) {
  for (std::size_t i = 0; i < children.size(); ++i) {
    if (auto b = children[i]->firstBaseline(a.proposals[i]))
      return a.rects[i].minY() + *b;
  }
  return std::nullopt;
}

LaidOutNode placeArranged(std::string kind, const Rect &frame, const Arrangement &a,
                          Elements &children) {
  LaidOutNode node{std::move(kind), frame, {}, {}};
  for (std::size_t i = 0; i < children.size(); ++i) {
    Rect rect = a.rects[i].offsetBy(frame.minX(), frame.minY());
    node.children.push_back(children[i]->place(rect, a.proposals[i]));
  }
  return node;
}

class StackElement final : public Element {
public:
  StackElement(Axis axis, Alignment alignment, std::optional<double> spacing, Elements children)
      : o_{axis}, alignment_(alignment), spacing_(spacing), children_(std::move(children)) {
    if (spacing_ && !std::isfinite(*spacing_))
      spacing_.reset();
    for (auto &child : children_)
      child->adoptStackAxis(axis);
  }

  std::optional<double> firstBaseline(ProposedSize p) override {
    return firstBaselineOf(arrange(p), children_);
  }
  std::optional<double> lastBaseline(ProposedSize p) override {
    Arrangement a = arrange(p);
    for (std::size_t i = children_.size(); i-- > 0;) {
      if (auto b = children_[i]->lastBaseline(a.proposals[i]))
        return a.rects[i].minY() + *b;
    }
    return std::nullopt;
  }

protected:
  Size measure(ProposedSize p) override { return arrange(p).size; }

  LaidOutNode layout(const Rect &frame, ProposedSize p) override {
    return placeArranged(o_.axis == Axis::horizontal ? "HStack" : "VStack", frame, arrange(p),
                         children_);
  }

private:
  double gapAfter(std::size_t i) const {
    if (spacing_)
      return *spacing_;
    bool spacerNext = children_[i]->isSpacer() || children_[i + 1]->isSpacer();
    return spacerNext ? 0 : defaultSpacing;
  }

  // Lengths along the axis: the least flexible child first (higher priority before lower), each
  // offered an equal share of what is left. Spacers yield within their priority: the other
  // children share what is left beyond the spacers' minimum lengths, and the spacers share the
  // rest, so a text beside a spacer is not cut while there is room for it.
  std::vector<ProposedSize> proposalsFor(std::optional<double> along, std::optional<double> across,
                                         double gaps) {
    std::size_t n = children_.size();
    std::vector<ProposedSize> proposals(n, o_.proposal(along, across));
    if (!along || std::isinf(*along) || n == 0)
      return proposals;

    Lengths lengths = lengthsOf(across);
    std::vector<std::size_t> order = offerOrder(lengths.flexibility);
    double remaining = *along - gaps;
    for (std::size_t start = 0; start < n;) {
      std::size_t end = priorityEnd(order, start);
      // The lower priorities keep their minimums.
      double reserved = 0;
      for (std::size_t k = end; k < n; ++k)
        reserved += lengths.minimum[order[k]];
      std::span<const std::size_t> group(order.data() + start, end - start);
      remaining = offerPriority(group, remaining, reserved, lengths.minimum, across, proposals);
      start = end;
    }
    return proposals;
  }

  // Each child's length along the axis at a zero offer, and how much more it takes at an infinite
  // one.
  struct Lengths {
    std::vector<double> minimum;
    std::vector<double> flexibility;
  };
  Lengths lengthsOf(std::optional<double> across) {
    Lengths lengths;
    for (const ElementPtr &child : children_) {
      double minimum = o_.along(child->sizeThatFits(o_.proposal(0.0, across)));
      double maximum = o_.along(child->sizeThatFits(o_.proposal(infinity, across)));
      lengths.minimum.push_back(minimum);
      lengths.flexibility.push_back(maximum - minimum);
    }
    return lengths;
  }

  // The order children are offered space in: higher priority first; within a priority the
  // spacers last, the others the least flexible first.
  std::vector<std::size_t> offerOrder(const std::vector<double> &flexibility) const {
    std::vector<std::size_t> order(children_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
      double pa = children_[a]->layoutPriority(), pb = children_[b]->layoutPriority();
      if (pa != pb)
        return pa > pb;
      bool sa = children_[a]->isSpacer(), sb = children_[b]->isSpacer();
      return sa != sb ? sb : flexibility[a] < flexibility[b];
    });
    return order;
  }

  // Where the run of children that share the priority of order[start] ends.
  std::size_t priorityEnd(const std::vector<std::size_t> &order, std::size_t start) const {
    double priority = children_[order[start]]->layoutPriority();
    std::size_t end = start;
    while (end < order.size() && children_[order[end]]->layoutPriority() == priority)
      ++end;
    return end;
  }

  // Offers the children of one priority, in their order, what is left of `remaining` beyond
  // `reserved`; returns what is left of `remaining` once they have taken their lengths. The
  // spacers come last in the group, so the others set aside the spacers' minimums, all of them
  // still to come.
  double offerPriority(std::span<const std::size_t> group, double remaining, double reserved,
                       const std::vector<double> &minimum, std::optional<double> across,
                       std::vector<ProposedSize> &proposals) {
    double spacersMinimum = 0;
    std::size_t others = 0;
    for (std::size_t i : group) {
      if (children_[i]->isSpacer())
        spacersMinimum += minimum[i];
      else
        ++others;
    }
    double groupRemaining = remaining - reserved;
    for (std::size_t k = 0; k < group.size(); ++k) {
      std::size_t i = group[k];
      bool spacer = children_[i]->isSpacer();
      double yielded = spacer ? 0 : spacersMinimum;
      std::size_t sharing = spacer ? group.size() - k : others - k;
      proposals[i] = o_.proposal(std::max(0.0, groupRemaining - yielded) / double(sharing), across);
      double taken = o_.along(children_[i]->sizeThatFits(proposals[i]));
      groupRemaining -= taken;
      remaining -= taken;
    }
    return remaining;
  }

  double crossGuide(std::size_t i, Size size, ProposedSize proposal) {
    if (o_.axis == Axis::vertical)
      return guide(alignment_.horizontal, size);
    return guide(alignment_.vertical, size, *children_[i], proposal);
  }

  Arrangement arrange(ProposedSize p) {
    std::size_t n = children_.size();
    Arrangement a;
    if (n == 0)
      return a;
    double gaps = 0;
    for (std::size_t i = 0; i + 1 < n; ++i)
      gaps += gapAfter(i);
    a.proposals = proposalsFor(o_.along(p), o_.across(p), gaps);

    std::vector<Size> sizes(n);
    std::vector<double> guides(n);
    double maxGuide = -infinity;
    for (std::size_t i = 0; i < n; ++i) {
      sizes[i] = children_[i]->sizeThatFits(a.proposals[i]);
      guides[i] = crossGuide(i, sizes[i], a.proposals[i]);
      maxGuide = std::max(maxGuide, guides[i]);
    }
    double position = 0, acrossExtent = 0;
    for (std::size_t i = 0; i < n; ++i) {
      double offset = maxGuide - guides[i];
      a.rects.push_back({o_.point(position, offset), sizes[i]});
      acrossExtent = std::max(acrossExtent, offset + o_.across(sizes[i]));
      position += o_.along(sizes[i]) + (i + 1 < n ? gapAfter(i) : 0);
    }
    a.size = o_.size(position, acrossExtent);
    return a;
  }

  Oriented o_;
  Alignment alignment_;
  std::optional<double> spacing_;
  Elements children_;
};

class ZStackElement final : public Element {
public:
  ZStackElement(Alignment alignment, Elements children)
      : alignment_(alignment), children_(std::move(children)) {}

  std::optional<double> firstBaseline(ProposedSize p) override {
    return firstBaselineOf(arrange(p), children_);
  }

protected:
  Size measure(ProposedSize p) override { return arrange(p).size; }

  LaidOutNode layout(const Rect &frame, ProposedSize p) override {
    return placeArranged("ZStack", frame, arrange(p), children_);
  }

private:
  Arrangement arrange(ProposedSize p) {
    std::size_t n = children_.size();
    Arrangement a;
    a.proposals.assign(n, p);
    std::vector<Size> sizes(n);
    std::vector<Point> guides(n);
    Point maxGuide{-infinity, -infinity};
    for (std::size_t i = 0; i < n; ++i) {
      sizes[i] = children_[i]->sizeThatFits(p);
      guides[i] = {guide(alignment_.horizontal, sizes[i]),
                   guide(alignment_.vertical, sizes[i], *children_[i], p)};
      maxGuide = {std::max(maxGuide.x, guides[i].x), std::max(maxGuide.y, guides[i].y)};
    }
    for (std::size_t i = 0; i < n; ++i) {
      Point origin{maxGuide.x - guides[i].x, maxGuide.y - guides[i].y};
      a.rects.push_back({origin, sizes[i]});
      a.size = {std::max(a.size.width, origin.x + sizes[i].width),
                std::max(a.size.height, origin.y + sizes[i].height)};
    }
    return a;
  }

  Alignment alignment_;
  Elements children_;
};

class SpacerElement final : public Element {
public:
  explicit SpacerElement(std::optional<double> minLength)
      : minLength_(nonNegativeLength(minLength.value_or(defaultSpacerLength))) {}

  bool isSpacer() const override { return true; }
  void adoptStackAxis(Axis axis) override { axis_ = axis; }

protected:
  Size measure(ProposedSize p) override {
    auto grow = [this](std::optional<double> offer) {
      return std::max(minLength_, offer.value_or(minLength_));
    };
    if (!axis_)
      return {grow(p.width), grow(p.height)};
    return *axis_ == Axis::horizontal ? Size{grow(p.width), 0} : Size{0, grow(p.height)};
  }
  LaidOutNode layout(const Rect &frame, ProposedSize) override { return {"Spacer", frame, {}, {}}; }

private:
  double minLength_;
  std::optional<Axis> axis_;
};

class EmptyElement final : public Element {
protected:
  Size measure(ProposedSize) override { return {}; }
  LaidOutNode layout(const Rect &frame, ProposedSize) override { return {"Empty", frame, {}, {}}; }
};

} // namespace

ElementPtr makeStack(Axis axis, Alignment alignment, std::optional<double> spacing,
                     Elements children) {
  return std::make_unique<StackElement>(axis, alignment, spacing, std::move(children));
}

ElementPtr makeZStack(Alignment alignment, Elements children) {
  return std::make_unique<ZStackElement>(alignment, std::move(children));
}

ElementPtr makeSpacer(std::optional<double> minLength) {
  return std::make_unique<SpacerElement>(minLength);
}

ElementPtr makeEmpty() { return std::make_unique<EmptyElement>(); }

} // namespace kit::ui::layout
