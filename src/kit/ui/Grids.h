#pragma once

#include "kit/ui/View.h"

#include <optional>
#include <vector>

namespace kit::ui {

// A column of a lazy grid: a fixed width, or flexible between a minimum and a maximum.
// `spacing` separates it from the next column (8 points when none).
struct GridItem {
  enum class Kind { fixed, flexible };
  Kind kind = Kind::flexible;
  double minimum = 10;
  double maximum = infinity;
  std::optional<double> spacing = std::nullopt;

  static GridItem flexible(double minimum = 10, double maximum = infinity,
                           std::optional<double> spacing = std::nullopt) {
    return {Kind::flexible, minimum, maximum, spacing};
  }
  static GridItem fixed(double size, std::optional<double> spacing = std::nullopt) {
    return {Kind::fixed, size, size, spacing};
  }
};

// Cells in rows of the given columns, left to right then top to bottom; flexible columns share
// the width. `spacing` separates rows (8 points when none); cells sit in their column by
// `alignment`, centred vertically in their row.
View LazyVGrid(std::vector<GridItem> columns, std::vector<View> cells);
View LazyVGrid(std::vector<GridItem> columns, HAlign alignment, std::optional<double> spacing,
               std::vector<View> cells);

// Rows of cells (each a `GridRow`) in shared columns as wide as their widest cell, flexible cells
// sharing what is left; a child that is not a row spans every column.
View Grid(std::vector<View> rows);
View Grid(Alignment alignment, std::optional<double> horizontalSpacing,
          std::optional<double> verticalSpacing, std::vector<View> rows);
// One row of a grid; outside a grid it lays its cells out like an HStack.
View GridRow(std::vector<View> cells);

} // namespace kit::ui
