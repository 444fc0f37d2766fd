#include "kit/ui/Controls.h"

#include "kit/ui/layout/Elements.h"
#include "kit/ui/layout/Node.h"

namespace kit::ui {
namespace {

// A tappable area around the styled label; widgets are drawn at rest, so never pressed.
View control(const View &label, std::string kind, NodeContent target) {
  return layout::leafView([label, kind, target](const Environment &env, layout::LayoutPass &pass) {
    View styled = env.buttonStyle ? env.buttonStyle(ButtonConfiguration{label, false}) : label;
    layout::ModifierRecipe recipe{kind, [target](const Rect &) { return target; }};
    return layout::makeModifier(layout::resolveOne(styled, env, pass), std::move(recipe));
  });
}

} // namespace

View Button(IntentReference intent, const View &label) {
  return control(label, "Button", ButtonTarget{std::move(intent)});
}

View Link(std::string url, const View &label) {
  return control(label, "Link", LinkTarget{std::move(url)});
}

ButtonStyle plainButtonStyle() {
  return [](const ButtonConfiguration &configuration) { return configuration.label; };
}

} // namespace kit::ui
