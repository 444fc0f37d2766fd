#include "Shared/Views/ZCtx.h"

#include "Shared/Theme/ZavelFonts.h"

namespace zavel {

namespace {

constexpr double numeralThreshold = 24;
constexpr double smallestLabel = 18;

} // namespace

kit::ui::Font ZCtx::mono(double designSize, kit::ui::FontWeight weight) const {
  if (designSize >= numeralThreshold)
    return ZavelFonts::numerals(designSize * u, theme.numerals, weight);
  double effective = designSize < smallestLabel ? (designSize + smallestLabel) / 2 : designSize;
  return ZavelFonts::label(effective * u, weight);
}

} // namespace zavel
