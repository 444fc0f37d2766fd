#include "kit/ui/layout/Elements.h"

namespace kit::ui::layout {
namespace {

// A background or overlay: laid out in the space of the view it decorates.
class DecorationElement final : public Element {
public:
  DecorationElement(ElementPtr base, ElementPtr decoration, Alignment alignment, bool behind)
      : base_(std::move(base)), decoration_(std::move(decoration)), alignment_(alignment),
        behind_(behind) {}

  std::optional<double> firstBaseline(ProposedSize p) override { return base_->firstBaseline(p); }
  std::optional<double> lastBaseline(ProposedSize p) override { return base_->lastBaseline(p); }
  double layoutPriority() const override { return base_->layoutPriority(); }
  bool isSpacer() const override { return base_->isSpacer(); }
  void adoptStackAxis(Axis axis) override { base_->adoptStackAxis(axis); }

protected:
  Size measure(ProposedSize p) override { return base_->sizeThatFits(p); }

  LaidOutNode layout(const Rect &frame, ProposedSize p) override {
    ProposedSize offer = ProposedSize::of(frame.size);
    Size size = decoration_->sizeThatFits(offer);
    double x = guide(alignment_.horizontal, frame.size) - guide(alignment_.horizontal, size);
    double y = guide(alignment_.vertical, frame.size, *base_, p) -
               guide(alignment_.vertical, size, *decoration_, offer);
    LaidOutNode decoration =
        decoration_->place({{frame.minX() + x, frame.minY() + y}, size}, offer);
    LaidOutNode base = base_->place(frame, p);
    LaidOutNode node{behind_ ? "Background" : "Overlay", frame, {}, {}};
    node.children.push_back(behind_ ? std::move(decoration) : std::move(base));
    node.children.push_back(behind_ ? std::move(base) : std::move(decoration));
    return node;
  }

private:
  ElementPtr base_, decoration_;
  Alignment alignment_;
  bool behind_;
};

} // namespace

ElementPtr makeDecoration(ElementPtr base, ElementPtr decoration, Alignment alignment,
                          bool behind) {
  return std::make_unique<DecorationElement>(std::move(base), std::move(decoration), alignment,
                                             behind);
}

} // namespace kit::ui::layout
