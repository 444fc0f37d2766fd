#include "kit/ui/layout/Elements.h"

#include <cmath>

namespace kit::ui::layout {
namespace {

// The limits a frame sets on one axis; a fixed length is a minimum, ideal and maximum at once.
struct AxisLimits {
  std::optional<double> min, ideal, max;

  static std::optional<double> valid(std::optional<double> v, bool allowInfinity) {
    if (!v || std::isnan(*v) || (!allowInfinity && std::isinf(*v)))
      return std::nullopt;
    return std::max(0.0, *v);
  }
  static AxisLimits of(std::optional<double> fixed, std::optional<double> min,
                       std::optional<double> ideal, std::optional<double> max) {
    if (auto f = valid(fixed, false))
      return {f, f, f};
    AxisLimits limits{valid(min, false), valid(ideal, false), valid(max, true)};
    if (limits.min && limits.max && *limits.max < *limits.min)
      limits.max = limits.min;
    return limits;
  }

  std::optional<double> childProposal(std::optional<double> offer) const {
    std::optional<double> length = offer ? offer : ideal;
    if (!length)
      return std::nullopt;
    if (max)
      length = std::min(*length, *max);
    if (min)
      length = std::max(*length, *min);
    return length;
  }

  double result(std::optional<double> offer, double child) const {
    if (!min && !max)
      return child;
    double wanted = offer ? *offer : ideal.value_or(child);
    double length = child;
    if (max)
      length = std::min(*max, std::max(length, wanted));
    if (min)
      length = std::max(*min, std::min(length, wanted));
    return length;
  }
};

class FrameElement final : public Element {
public:
  FrameElement(const Frame &frame, ElementPtr child)
      : width_(AxisLimits::of(frame.width, frame.minWidth, frame.idealWidth, frame.maxWidth)),
        height_(AxisLimits::of(frame.height, frame.minHeight, frame.idealHeight, frame.maxHeight)),
        alignment_(frame.alignment), child_(std::move(child)) {}

  std::optional<double> firstBaseline(ProposedSize p) override {
    auto b = child_->firstBaseline(childProposal(p));
    return b ? std::optional(*b + childRect(p).minY()) : std::nullopt;
  }
  std::optional<double> lastBaseline(ProposedSize p) override {
    auto b = child_->lastBaseline(childProposal(p));
    return b ? std::optional(*b + childRect(p).minY()) : std::nullopt;
  }
  double layoutPriority() const override { return child_->layoutPriority(); }

protected:
  Size measure(ProposedSize p) override {
    Size child = child_->sizeThatFits(childProposal(p));
    return {width_.result(p.width, child.width), height_.result(p.height, child.height)};
  }

  LaidOutNode layout(const Rect &frame, ProposedSize p) override {
    Rect rect = childRect(p).offsetBy(frame.minX(), frame.minY());
    return {"Frame", frame, {}, {child_->place(rect, childProposal(p))}};
  }

private:
  ProposedSize childProposal(ProposedSize p) const {
    return {width_.childProposal(p.width), height_.childProposal(p.height)};
  }

  Rect childRect(ProposedSize p) {
    Size own = sizeThatFits(p);
    ProposedSize inner = childProposal(p);
    Size child = child_->sizeThatFits(inner);
    double x = guide(alignment_.horizontal, own) - guide(alignment_.horizontal, child);
    double y = 0;
    VAlign v = alignment_.vertical;
    if (v != VAlign::firstTextBaseline && v != VAlign::lastTextBaseline)
      y = guide(v, own, *child_, inner) - guide(v, child, *child_, inner);
    return {{x, y}, child};
  }

  AxisLimits width_, height_;
  Alignment alignment_;
  ElementPtr child_;
};

class FixedSizeElement final : public Element {
public:
  FixedSizeElement(bool horizontal, bool vertical, ElementPtr child)
      : horizontal_(horizontal), vertical_(vertical), child_(std::move(child)) {}

  std::optional<double> firstBaseline(ProposedSize p) override {
    return child_->firstBaseline(childProposal(p));
  }
  std::optional<double> lastBaseline(ProposedSize p) override {
    return child_->lastBaseline(childProposal(p));
  }
  double layoutPriority() const override { return child_->layoutPriority(); }

protected:
  Size measure(ProposedSize p) override { return child_->sizeThatFits(childProposal(p)); }
  LaidOutNode layout(const Rect &frame, ProposedSize p) override {
    return {"FixedSize", frame, {}, {child_->place(frame, childProposal(p))}};
  }

private:
  ProposedSize childProposal(ProposedSize p) const {
    return {horizontal_ ? std::nullopt : p.width, vertical_ ? std::nullopt : p.height};
  }

  bool horizontal_, vertical_;
  ElementPtr child_;
};

} // namespace

ElementPtr makeFrame(const Frame &frame, ElementPtr child) {
  return std::make_unique<FrameElement>(frame, std::move(child));
}

ElementPtr makeFixedSize(bool horizontal, bool vertical, ElementPtr child) {
  return std::make_unique<FixedSizeElement>(horizontal, vertical, std::move(child));
}

} // namespace kit::ui::layout
