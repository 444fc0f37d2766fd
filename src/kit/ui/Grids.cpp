#include "kit/ui/Grids.h"

#include "kit/ui/layout/GridElements.h"
#include "kit/ui/layout/Node.h"

namespace kit::ui {

View LazyVGrid(std::vector<GridItem> columns, std::vector<View> cells) {
  return LazyVGrid(std::move(columns), HAlign::center, std::nullopt, std::move(cells));
}

View LazyVGrid(std::vector<GridItem> columns, HAlign alignment, std::optional<double> spacing,
               std::vector<View> cells) {
  return layout::containerView(
      std::move(cells), [columns = std::move(columns), alignment, spacing](
                            layout::Elements elements, const Environment &, layout::LayoutPass &) {
        return layout::makeLazyVGrid(columns, alignment, spacing, std::move(elements));
      });
}

View Grid(std::vector<View> rows) {
  return Grid(Alignment::center, std::nullopt, std::nullopt, std::move(rows));
}

View Grid(Alignment alignment, std::optional<double> horizontalSpacing,
          std::optional<double> verticalSpacing, std::vector<View> rows) {
  return layout::containerView(
      std::move(rows), [alignment, horizontalSpacing, verticalSpacing](
                           layout::Elements elements, const Environment &, layout::LayoutPass &) {
        return layout::makeGrid(alignment, horizontalSpacing, verticalSpacing, std::move(elements));
      });
}

View GridRow(std::vector<View> cells) {
  return layout::containerView(
      std::move(cells), [](layout::Elements elements, const Environment &, layout::LayoutPass &) {
        return layout::makeGridRow(std::move(elements));
      });
}

} // namespace kit::ui
