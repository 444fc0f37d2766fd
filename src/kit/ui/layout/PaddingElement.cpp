#include "kit/ui/layout/Elements.h"

#include <cmath>

namespace kit::ui::layout {
namespace {

class PaddingElement final : public Element {
public:
  PaddingElement(EdgeInsets insets, ElementPtr child)
      : insets_{finiteOr(insets.top), finiteOr(insets.leading), finiteOr(insets.bottom),
                finiteOr(insets.trailing)},
        child_(std::move(child)) {}

  std::optional<double> firstBaseline(ProposedSize p) override {
    auto b = child_->firstBaseline(childProposal(p));
    return b ? std::optional(*b + insets_.top) : std::nullopt;
  }
  std::optional<double> lastBaseline(ProposedSize p) override {
    auto b = child_->lastBaseline(childProposal(p));
    return b ? std::optional(*b + insets_.top) : std::nullopt;
  }
  double layoutPriority() const override { return child_->layoutPriority(); }

protected:
  Size measure(ProposedSize p) override {
    Size child = child_->sizeThatFits(childProposal(p));
    return {child.width + insets_.leading + insets_.trailing,
            child.height + insets_.top + insets_.bottom};
  }

  LaidOutNode layout(const Rect &frame, ProposedSize p) override {
    ProposedSize inner = childProposal(p);
    Rect rect{{frame.minX() + insets_.leading, frame.minY() + insets_.top},
              child_->sizeThatFits(inner)};
    return {"Padding", frame, {}, {child_->place(rect, inner)}};
  }

private:
  ProposedSize childProposal(ProposedSize p) const {
    auto shrink = [](std::optional<double> length, double by) -> std::optional<double> {
      if (!length)
        return std::nullopt;
      return std::max(0.0, *length - by);
    };
    return {shrink(p.width, insets_.leading + insets_.trailing),
            shrink(p.height, insets_.top + insets_.bottom)};
  }

  EdgeInsets insets_;
  ElementPtr child_;
};

} // namespace

ElementPtr makePadding(EdgeInsets insets, ElementPtr child) {
  return std::make_unique<PaddingElement>(insets, std::move(child));
}

} // namespace kit::ui::layout
