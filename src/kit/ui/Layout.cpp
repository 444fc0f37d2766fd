#include "kit/ui/Layout.h"

#include "kit/ui/layout/Node.h"

namespace kit::ui {
namespace {

LaidOutNode placeCentred(const View &view, const Environment &environment,
                         layout::LayoutPass &pass) {
  layout::ElementPtr element = layout::resolveOne(view, environment, pass);
  ProposedSize offer = ProposedSize::of(pass.widgetSize);
  Size size = element->sizeThatFits(offer);
  Point origin{(pass.widgetSize.width - size.width) / 2,
               (pass.widgetSize.height - size.height) / 2};
  return element->place({origin, size}, offer);
}

} // namespace

LaidOutTree layOut(const View &view, Size size, const LayoutContext &context) {
  size = {nonNegativeLength(size.width), nonNegativeLength(size.height)};
  layout::LayoutPass pass{context.textEngine, context.now, size, std::nullopt, std::nullopt};
  Environment environment;
  environment.renderingMode = context.renderingMode;
  environment.colorScheme = context.colorScheme;

  LaidOutTree tree;
  tree.size = size;
  tree.renderingMode = context.renderingMode;
  tree.colorScheme = context.colorScheme;
  tree.textEngine = &context.textEngine;
  tree.root = placeCentred(view, environment, pass);
  if (pass.containerBackground) {
    auto background = std::move(*pass.containerBackground);
    tree.containerBackground = placeCentred(background.view, background.environment, pass);
  }
  tree.widgetURL = pass.widgetURL;
  return tree;
}

} // namespace kit::ui
