#include "Widgets/Shell/CasingBackground.h"

#include "Shared/Theme/DesignTokens.h"
#include "kit/ui/UI.h"

#include <fmt/format.h>

namespace zavel {
namespace {

using namespace kit::ui;

struct CasingColors {
  Color start;
  Color end;
  Color edge;
  double highlight; // opacity of the white at the top of the highlight line
};

CasingColors casingColors(bool cream) {
  if (cream)
    return {ZavelTokens::creamA, ZavelTokens::creamB, ZavelTokens::creamEdge, 0.7};
  return {ZavelTokens::graphiteA, ZavelTokens::graphiteB, ZavelTokens::graphiteEdge, 0.16};
}

Shape casingOutline(std::optional<double> cornerRadius) {
  if (cornerRadius)
    return RoundedRectangle(*cornerRadius, RoundedCornerStyle::continuous);
  return ContainerRelativeShape();
}

// Centred on the outline; butt caps, miter joins with limit 10 and no dash are the defaults.
constexpr double casingLineWidth = 2;

} // namespace

View CasingBackground(bool cream, std::optional<double> cornerRadius) {
  const CasingColors colors = casingColors(cream);
  const Shape outline = casingOutline(cornerRadius);
  const StrokeStyle line{.lineWidth = casingLineWidth};
  const LinearGradient highlight{
      {{Color::white.opacity(colors.highlight), 0}, {Color::white.opacity(0), 0.22}},
      UnitPoint::top,
      UnitPoint::bottom};
  return ZStack({
      LinearGradient{{colors.start, colors.end}, {0.289, 0.047}, {0.711, 0.953}},
      outline.stroke(colors.edge, line),
      outline.stroke(highlight, line).padding(1),
  });
}

std::string casingLayerKey(bool cream, double widgetCornerRadius) {
  return fmt::format("zavel.casing.{}.widgetRadius{}", cream ? "cream" : "graphite",
                     widgetCornerRadius);
}

} // namespace zavel
