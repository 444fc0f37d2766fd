#pragma once

#include "Shared/Views/ZCtx.h"
#include "kit/ui/Alignment.h"
#include "kit/ui/View.h"

#include <optional>
#include <vector>

namespace zavel {

// How a screen lays out its rows, in design units: their alignment (which is also where the
// column sits in the screen), the spacing between them and the padding around them.
struct ColumnStyle {
  kit::ui::Alignment alignment = kit::ui::Alignment::topLeading;
  double spacing = 0;
  double vertical = 18;
  double horizontal = 18;
  // How the rows line up with one another, when not as the column sits: a list centred in the
  // screen whose rows still start at one edge.
  std::optional<kit::ui::HAlign> rows = std::nullopt;
};

// The rows of a medium screen: centred under a header, inside the padding those screens share.
inline constexpr ColumnStyle mediumColumn{
    .alignment = kit::ui::Alignment::top, .vertical = 22, .horizontal = 26};

// One column of rows, padded and filling the space offered, placed there by the style: what the
// faces drawn straight on the casing repeat.
kit::ui::View PaddedColumn(const ZCtx &ctx, const ColumnStyle &style,
                           std::vector<kit::ui::View> rows);

// The device screen holding one column of rows, padded and filling the screen: what every screen
// repeats, so a view lists only its rows.
kit::ui::View ScreenColumn(const ZCtx &ctx, const ColumnStyle &style,
                           std::vector<kit::ui::View> rows);

} // namespace zavel
