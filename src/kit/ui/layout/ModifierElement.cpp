#include "kit/ui/layout/Elements.h"

#include <cmath>

namespace kit::ui::layout {
namespace {

class ModifierElement final : public Element {
public:
  ModifierElement(ElementPtr child, ModifierRecipe recipe)
      : child_(std::move(child)), recipe_(std::move(recipe)) {
    recipe_.offset = {finiteOr(recipe_.offset.x), finiteOr(recipe_.offset.y)};
  }

  std::optional<double> firstBaseline(ProposedSize p) override { return child_->firstBaseline(p); }
  std::optional<double> lastBaseline(ProposedSize p) override { return child_->lastBaseline(p); }
  double layoutPriority() const override {
    if (recipe_.layoutPriority && std::isfinite(*recipe_.layoutPriority))
      return *recipe_.layoutPriority;
    return child_->layoutPriority();
  }
  bool isSpacer() const override { return child_->isSpacer(); }
  void adoptStackAxis(Axis axis) override { child_->adoptStackAxis(axis); }

protected:
  Size measure(ProposedSize p) override { return child_->sizeThatFits(p); }

  LaidOutNode layout(const Rect &frame, ProposedSize p) override {
    if (recipe_.onPlace)
      recipe_.onPlace(frame);
    Rect moved = frame.offsetBy(recipe_.offset.x, recipe_.offset.y);
    if (recipe_.kind.empty())
      return child_->place(moved, p);
    LaidOutNode node{
        recipe_.kind, frame, recipe_.content ? recipe_.content(frame) : NodeContent{}, {}};
    node.children.push_back(child_->place(moved, p));
    return node;
  }

private:
  ElementPtr child_;
  ModifierRecipe recipe_;
};

class GreedyLeafElement final : public Element {
public:
  GreedyLeafElement(std::string kind, std::function<NodeContent(const Rect &)> content)
      : kind_(std::move(kind)), content_(std::move(content)) {}

protected:
  Size measure(ProposedSize p) override { return p.replacingUnspecified(defaultIdealLength); }
  LaidOutNode layout(const Rect &frame, ProposedSize) override {
    return {kind_, frame, content_(frame), {}};
  }

private:
  std::string kind_;
  std::function<NodeContent(const Rect &)> content_;
};

} // namespace

ElementPtr makeModifier(ElementPtr child, ModifierRecipe recipe) {
  return std::make_unique<ModifierElement>(std::move(child), std::move(recipe));
}

ElementPtr makeGreedyLeaf(std::string kind, std::function<NodeContent(const Rect &)> content) {
  return std::make_unique<GreedyLeafElement>(std::move(kind), std::move(content));
}

} // namespace kit::ui::layout
