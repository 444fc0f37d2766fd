#include "Shared/Views/Hardware/DeviceScreen.h"

#include "Shared/Theme/DesignTokens.h"
#include "kit/ui/UI.h"

#include <algorithm>
#include <fmt/format.h>

namespace zavel {
namespace {

using namespace kit::ui;

struct ScreenInset {
  double units;  // design units, times u
  double adjust; // points added to the widget's corner radius
};

ScreenInset screenInset(ZavelSize size) {
  switch (size) {
  case ZavelSize::m:
    return {15, 3};
  case ZavelSize::l:
    return {16, 0};
  case ZavelSize::s:
    break;
  }
  return {14, 0};
}

Shape screenOutline(double radius) {
  return RoundedRectangle(radius, RoundedCornerStyle::continuous);
}

// The glass without content depends only on its size and radius; its soft rim is a blur, the
// dearest thing a widget draws, so it is drawn once per size and copied afterwards.
View EmptyScreen(double radius) {
  return ZStack(
             {
                 EllipticalGradient{
                     {ZavelTokens::screenTop, ZavelTokens::screenBottom}, UnitPoint::top, 0, 1.1},
                 screenOutline(radius).stroke(Color::black.opacity(0.85), 10).blur(5).offset(0, 2),
             })
      .staticLayer(fmt::format("zavel.screen.radius{}", radius));
}

} // namespace

View ScreenPane(double radius, const View &content) {
  return ZStack({EmptyScreen(radius), content})
      // The pane keeps the size it is offered, so oversized content is cut at its edge.
      .frame(Frame::fill())
      .clipShape(screenOutline(radius))
      .overlay(screenOutline(radius).strokeBorder(Color::white.opacity(0.045), 1))
      .foreground(ZavelTokens::screenText1);
}

double screenRadius(const ZCtx &ctx, double margin) {
  ScreenInset table = screenInset(ctx.size);
  return std::max(ctx.u * table.units, ctx.frameRadius + table.adjust - ctx.u * margin);
}

View DeviceScreen(const ZCtx &ctx, const View &content) {
  double inset = screenInset(ctx.size).units;
  return ScreenPane(screenRadius(ctx, inset), content).padding(inset * ctx.u);
}

} // namespace zavel
