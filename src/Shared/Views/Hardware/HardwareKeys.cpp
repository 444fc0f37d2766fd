#include "Shared/Views/Hardware/HardwareKeys.h"

#include "Shared/Theme/AccentInk.h"
#include "Shared/Theme/CasingInks.h"
#include "Shared/Theme/ColorContrast.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/Hairline.h"
#include "kit/ui/UI.h"

#include <optional>
#include <vector>

namespace zavel {
namespace {

using namespace kit::ui;

struct CapLook {
  Paint face;
  std::optional<Paint> shade; // a second fill over the face
  Color rim;
  Gradient highlight; // of the ring inside the rim, top to bottom
  Color ink;
  double shadowOpacity;
  double shadowRadius; // design units
  double shadowDrop;   // design units
};

View keyCap(double side, double u, const CapLook &look, const View &icon) {
  double w = hairlineWidth(u);
  std::vector<View> layers{Circle().fill(look.face)};
  if (look.shade)
    layers.push_back(Circle().fill(*look.shade));
  layers.push_back(Circle().strokeBorder(look.rim, w));
  layers.push_back(Circle().inset(w).strokeBorder(LinearGradient{look.highlight}, w));
  layers.push_back(icon.foreground(look.ink));
  return ZStack(std::move(layers))
      .frame(side, side)
      .shadow(Color::black.opacity(look.shadowOpacity), look.shadowRadius * u, 0,
              look.shadowDrop * u);
}

// An ink too light for the light cap (the accent marking the key that is on) takes the nearest
// deeper shade of its hue that reads there.
Color readingOnCap(const Color &ink) {
  return shadeReaching(ink, Color::black, casingInkContrast,
                       {ZavelTokens::keyFaceA, ZavelTokens::keyFaceB});
}

} // namespace

View KeyFace(double diameter, double u, Color ink, const View &icon) {
  return keyCap(diameter, u,
                {
                    .face = LinearGradient{{ZavelTokens::keyFaceA, ZavelTokens::keyFaceB}},
                    .shade = std::nullopt,
                    .rim = ZavelTokens::keyEdge,
                    .highlight = {{Color::white.opacity(0.9), 0}, {Color::white.opacity(0), 0.35}},
                    .ink = readingOnCap(ink),
                    .shadowOpacity = 0.45,
                    .shadowRadius = 3,
                    .shadowDrop = 3,
                },
                icon);
}

View AccentKeyFace(double side, double u, Color accent, const View &icon) {
  Color top = mixed(accent, ZavelTokens::accentKeyMixTarget, 0.2);
  return keyCap(
      side, u,
      {
          .face = LinearGradient{{top, accent}},
          .shade = LinearGradient{{{Color::clear, 0.55}, {ZavelTokens::accentKeyInnerDark, 1}}},
          .rim = ZavelTokens::accentKeyEdge,
          .highlight = {{Color::white.opacity(0.5), 0}, {Color::white.opacity(0), 0.3}},
          .ink = accentInk(accent),
          .shadowOpacity = 0.5,
          .shadowRadius = 4.5,
          .shadowDrop = 4,
      },
      icon);
}

ButtonStyle HardwareKeyStyle(double u) {
  // Widgets are drawn as still pictures, so the short ease-out between the states has no frame
  // to show; only the two resting positions exist.
  return [u](const ButtonConfiguration &configuration) {
    return configuration.label.offset(0, configuration.isPressed ? 2 * u : 0);
  };
}

} // namespace zavel
