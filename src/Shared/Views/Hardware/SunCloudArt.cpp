#include "Shared/Views/Hardware/SunCloudArt.h"

#include "Shared/Theme/DesignTokens.h"
#include "kit/ui/UI.h"

namespace zavel {
namespace {

using namespace kit::ui;

// Sizes and offsets in design units.
struct ArtLayout {
  Size frame;
  double sun;
  Point sunAt;
  Size base;
  double baseRadius;
  Point baseAt;
  double bigPuff;
  Point bigPuffAt;
  double smallPuff;
  Point smallPuffAt;
};

constexpr ArtLayout largeArt{{120, 86}, 54, {52, 0},  {96, 36}, 18,
                             {0, 50},   42, {12, 31}, 30,       {42, 39}};
constexpr ArtLayout smallArt{{76, 54}, 34, {30, 0}, {60, 22}, 11,
                             {0, 32},  26, {8, 20}, 18,       {27, 25}};

View sun(double diameter) {
  return Circle()
      .fill(RadialGradient{
          {ZavelTokens::sunCoreA, ZavelTokens::sunCoreB}, {0.35, 0.3}, 0, 0.7 * diameter})
      .frame(diameter, diameter);
}

View puff(double width, double height, double radius) {
  return RoundedRectangle(radius, RoundedCornerStyle::circular)
      .fill(ZavelTokens::cloudGray)
      .frame(width, height);
}

View circlePuff(double diameter) {
  return Circle().fill(ZavelTokens::cloudGray).frame(diameter, diameter);
}

} // namespace

View SunCloudArt(bool large, const ZCtx &ctx) {
  const ArtLayout &art = large ? largeArt : smallArt;
  double u = ctx.u;
  return ZStack(
             Alignment::topLeading,
             {
                 sun(art.sun * u).offset(art.sunAt.x * u, art.sunAt.y * u),
                 puff(art.base.width * u, art.base.height * u, art.baseRadius * u)
                     .offset(art.baseAt.x * u, art.baseAt.y * u),
                 circlePuff(art.bigPuff * u).offset(art.bigPuffAt.x * u, art.bigPuffAt.y * u),
                 circlePuff(art.smallPuff * u).offset(art.smallPuffAt.x * u, art.smallPuffAt.y * u),
             })
      .frame(art.frame.width * u, art.frame.height * u);
}

} // namespace zavel
