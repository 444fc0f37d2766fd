#pragma once

#include "Shared/Theme/HexColor.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/Color.h"
#include "kit/ui/View.h"

namespace zavel {

// The grey of the analog faces' minute hands.
inline constexpr kit::ui::Color handGray = hexColor("#B8BABB");

// One hand of an analog clock, lengths in design units: a rounded bar whose lower end sits on
// the centre of the frame it is laid in, turned `angle` degrees clockwise from 12 o'clock.
struct ClockHand {
  double width = 0;
  double length = 0;
  double radius = 0;
  kit::ui::Color color;
  double angle = 0;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
