#pragma once

#include "kit/ui/Geometry.h"

namespace zavel {

// The size class a widget declares: small, medium or large.
enum class ZavelSize { s, m, l };

// The design canvas of a size class, in design units; views lay out on it and the root scales it
// to the space the host gives.
constexpr kit::ui::Size designCanvas(ZavelSize size) {
  switch (size) {
  case ZavelSize::m:
    return {620, 300};
  case ZavelSize::l:
    return {620, 620};
  case ZavelSize::s:
    break;
  }
  return {300, 300};
}

} // namespace zavel
