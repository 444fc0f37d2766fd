#include "Shared/Views/Hardware/KeyRail.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/Hairline.h"
#include "kit/ui/UI.h"

namespace zavel {
namespace {

using namespace kit::ui;

// A seam is a dark line beside a light one, like the joint between two pieces of a casing.
struct SeamColors {
  Color dark;
  Color light;
};

SeamColors seamColors(bool cream) {
  if (cream)
    return {ZavelTokens::creamSeam, ZavelTokens::creamSeamHi};
  return {ZavelTokens::graphiteSeam, ZavelTokens::graphiteSeamHi};
}

} // namespace

View KeyRail(const RailMetrics &metrics, const ZCtx &ctx, const View &keys, const View &bottom) {
  double u = ctx.u;
  auto [width, leadPad, topPad, keyGap, bottomPad] = metrics;
  double w = hairlineWidth(u);
  SeamColors seam = seamColors(ctx.cream);
  return VStack(HAlign::center, 0,
                {
                    VStack(HAlign::center, keyGap * u, {keys}).padding(Edge::top, topPad * u),
                    Spacer(),
                    VStack(HAlign::center, 0,
                           {
                               Rectangle().fill(seam.dark).frame({.height = w}),
                               Rectangle().fill(seam.light).frame({.height = w}),
                               // The two lines belong to the bottom padding, which may go negative.
                               bottom.padding(Edge::top, bottomPad * u - 2 * w)
                                   .padding(Edge::bottom, 2 * u),
                           }),
                })
      .padding(Edge::leading, leadPad * u)
      .frame({.width = width * u})
      .overlay(HStack(VAlign::center, 0,
                      {
                          Rectangle().fill(seam.dark).frame({.width = w}),
                          Rectangle().fill(seam.light).frame({.width = w}),
                      }),
               Alignment::leading);
}

} // namespace zavel
