#include "kit/ui/layout/GridElements.h"

#include "kit/ui/layout/Elements.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace kit::ui::layout {
namespace {

double spacingOr(std::optional<double> spacing) {
  return spacing && std::isfinite(*spacing) ? *spacing : defaultSpacing;
}

// Column widths and row heights, and the gaps between them.
struct Table {
  std::vector<double> columns, columnGaps, rows;
  double rowGap = 0;

  double columnX(std::size_t c) const {
    double x = 0;
    for (std::size_t i = 0; i < c; ++i)
      x += columns[i] + columnGaps[i];
    return x;
  }
  double rowY(std::size_t r) const {
    return std::accumulate(rows.begin(), rows.begin() + long(r), 0.0) + double(r) * rowGap;
  }
  double width() const {
    return columns.empty() ? 0 : columnX(columns.size() - 1) + columns.back();
  }
  double height() const { return rows.empty() ? 0 : rowY(rows.size() - 1) + rows.back(); }
  Size size() const { return {width(), height()}; }
};

// A child's rectangle within a cell, by alignment (baselines fall back to the top).
Rect placeInCell(Element &child, Rect cell, Alignment alignment, ProposedSize offer) {
  Size size = child.sizeThatFits(offer);
  double x = guide(alignment.horizontal, cell.size) - guide(alignment.horizontal, size);
  double y = 0;
  if (alignment.vertical == VAlign::center)
    y = (cell.size.height - size.height) / 2;
  else if (alignment.vertical == VAlign::bottom)
    y = cell.size.height - size.height;
  return {{cell.minX() + x, cell.minY() + y}, size};
}

class LazyVGridElement final : public Element {
public:
  LazyVGridElement(std::vector<GridItem> columns, HAlign alignment, std::optional<double> spacing,
                   Elements cells)
      : items_(std::move(columns)), alignment_(alignment), rowGap_(spacingOr(spacing)),
        cells_(std::move(cells)) {
    for (GridItem &item : items_) {
      item.minimum = nonNegativeLength(item.minimum);
      item.maximum = std::isnan(item.maximum) ? infinity : std::max(item.minimum, item.maximum);
    }
  }

protected:
  Size measure(ProposedSize p) override { return table(p.width).size(); }

  LaidOutNode layout(const Rect &frame, ProposedSize p) override {
    Table t = table(p.width);
    LaidOutNode node{"LazyVGrid", frame, {}, {}};
    std::size_t n = items_.size();
    for (std::size_t i = 0; i < cells_.size(); ++i) {
      std::size_t r = i / n, c = i % n;
      Rect cell{{frame.minX() + t.columnX(c), frame.minY() + t.rowY(r)}, {t.columns[c], t.rows[r]}};
      ProposedSize offer{t.columns[c], std::nullopt};
      Rect rect = placeInCell(*cells_[i], cell, {alignment_, VAlign::center}, offer);
      node.children.push_back(cells_[i]->place(rect, offer));
    }
    return node;
  }

private:
  std::vector<double> columnWidths(std::optional<double> offer) {
    std::size_t n = items_.size();
    std::vector<double> widths(n);
    if (offer && std::isinf(*offer)) {
      for (std::size_t c = 0; c < n; ++c)
        widths[c] = items_[c].maximum;
      return widths;
    }
    if (!offer) {
      for (std::size_t c = 0; c < n; ++c) {
        double widest = 0;
        for (std::size_t i = c; i < cells_.size(); i += n)
          widest = std::max(widest, cells_[i]->sizeThatFits({}).width);
        widths[c] = std::clamp(widest, items_[c].minimum, items_[c].maximum);
      }
      return widths;
    }
    double remaining = *offer;
    std::vector<std::size_t> flexible;
    for (std::size_t c = 0; c < n; ++c) {
      if (c + 1 < n)
        remaining -= spacingOr(items_[c].spacing);
      if (items_[c].kind == GridItem::Kind::fixed) {
        widths[c] = items_[c].minimum;
        remaining -= widths[c];
      } else {
        flexible.push_back(c);
      }
    }
    // Columns with the lowest maximum first, so what they cannot take goes to the others.
    std::stable_sort(flexible.begin(), flexible.end(), [this](std::size_t a, std::size_t b) {
      return items_[a].maximum < items_[b].maximum;
    });
    for (std::size_t k = 0; k < flexible.size(); ++k) {
      std::size_t c = flexible[k];
      double share = std::max(0.0, remaining) / double(flexible.size() - k);
      widths[c] = std::clamp(share, items_[c].minimum, items_[c].maximum);
      remaining -= widths[c];
    }
    return widths;
  }

  Table table(std::optional<double> offer) {
    Table t;
    std::size_t n = items_.size();
    if (n == 0)
      return t;
    t.columns = columnWidths(offer);
    for (std::size_t c = 0; c < n; ++c)
      t.columnGaps.push_back(spacingOr(items_[c].spacing));
    t.rowGap = rowGap_;
    for (std::size_t i = 0; i < cells_.size(); ++i) {
      if (i % n == 0)
        t.rows.push_back(0);
      double h = cells_[i]->sizeThatFits({t.columns[i % n], std::nullopt}).height;
      t.rows.back() = std::max(t.rows.back(), h);
    }
    return t;
  }

  std::vector<GridItem> items_;
  HAlign alignment_;
  double rowGap_;
  Elements cells_;
};

// A grid row: its cells are laid out by the grid; alone, it is an HStack of them.
class GridRowElement final : public Element {
public:
  explicit GridRowElement(Elements cells) : cells_(std::move(cells)) {}

  Elements &cells() { return cells_; }

protected:
  Size measure(ProposedSize p) override { return standalone().sizeThatFits(p); }
  LaidOutNode layout(const Rect &frame, ProposedSize p) override {
    return standalone().place(frame, p);
  }

private:
  Element &standalone() {
    if (!stack_)
      stack_ = makeStack(Axis::horizontal, Alignment::center, std::nullopt, std::move(cells_));
    return *stack_;
  }

  Elements cells_;
  ElementPtr stack_;
};

class GridElement final : public Element {
public:
  GridElement(Alignment alignment, std::optional<double> hSpacing, std::optional<double> vSpacing,
              Elements rows)
      : alignment_(alignment), columnGap_(spacingOr(hSpacing)), rowGap_(spacingOr(vSpacing)),
        rows_(std::move(rows)) {
    for (ElementPtr &row : rows_) {
      auto *gridRow = dynamic_cast<GridRowElement *>(row.get());
      cells_.push_back({});
      if (gridRow) {
        for (ElementPtr &cell : gridRow->cells())
          cells_.back().push_back(cell.get());
      }
      columnCount_ = std::max(columnCount_, cells_.back().size());
    }
  }

protected:
  Size measure(ProposedSize p) override { return table(p.width).size(); }

  LaidOutNode layout(const Rect &frame, ProposedSize p) override {
    Table t = table(p.width);
    LaidOutNode node{"Grid", frame, {}, {}};
    for (std::size_t r = 0; r < rows_.size(); ++r) {
      double y = frame.minY() + t.rowY(r);
      if (cells_[r].empty()) {
        Rect span{{frame.minX(), y}, {t.width(), t.rows[r]}};
        ProposedSize offer{t.width(), std::nullopt};
        node.children.push_back(
            rows_[r]->place(placeInCell(*rows_[r], span, alignment_, offer), offer));
        continue;
      }
      LaidOutNode row{"GridRow", {{frame.minX(), y}, {t.width(), t.rows[r]}}, {}, {}};
      for (std::size_t c = 0; c < cells_[r].size(); ++c) {
        Rect cell{{frame.minX() + t.columnX(c), y}, {t.columns[c], t.rows[r]}};
        ProposedSize offer{t.columns[c], std::nullopt};
        row.children.push_back(
            cells_[r][c]->place(placeInCell(*cells_[r][c], cell, alignment_, offer), offer));
      }
      node.children.push_back(std::move(row));
    }
    return node;
  }

private:
  double widestInColumn(std::size_t c, ProposedSize offer) {
    double widest = 0;
    for (const auto &row : cells_) {
      if (c < row.size())
        widest = std::max(widest, row[c]->sizeThatFits(offer).width);
    }
    return widest;
  }

  // Like an HStack over the columns: the least flexible column first, each offered an equal
  // share of what is left.
  std::vector<double> columnWidths(std::optional<double> offer) {
    std::size_t n = columnCount_;
    std::vector<double> widths(n);
    if (!offer || std::isinf(*offer)) {
      for (std::size_t c = 0; c < n; ++c)
        widths[c] = widestInColumn(c, {offer, std::nullopt});
      return widths;
    }
    std::vector<double> flexibility(n);
    for (std::size_t c = 0; c < n; ++c)
      flexibility[c] =
          widestInColumn(c, {infinity, std::nullopt}) - widestInColumn(c, {0.0, std::nullopt});
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return flexibility[a] < flexibility[b]; });
    double remaining = *offer - columnGap_ * double(n > 0 ? n - 1 : 0);
    for (std::size_t k = 0; k < n; ++k) {
      std::size_t c = order[k];
      double share = std::max(0.0, remaining) / double(n - k);
      widths[c] = widestInColumn(c, {share, std::nullopt});
      remaining -= widths[c];
    }
    return widths;
  }

  Table table(std::optional<double> offer) {
    Table t;
    t.columns = columnWidths(offer);
    t.columnGaps.assign(t.columns.size(), columnGap_);
    t.rowGap = rowGap_;
    for (std::size_t r = 0; r < rows_.size(); ++r) {
      double height = 0;
      if (cells_[r].empty())
        height = rows_[r]->sizeThatFits({t.width(), std::nullopt}).height;
      for (std::size_t c = 0; c < cells_[r].size(); ++c)
        height = std::max(height, cells_[r][c]->sizeThatFits({t.columns[c], std::nullopt}).height);
      t.rows.push_back(height);
    }
    return t;
  }

  Alignment alignment_;
  double columnGap_, rowGap_;
  Elements rows_;
  std::vector<std::vector<Element *>> cells_; // empty for a child that spans every column
  std::size_t columnCount_ = 0;
};

} // namespace

ElementPtr makeLazyVGrid(std::vector<GridItem> columns, HAlign alignment,
                         std::optional<double> spacing, Elements cells) {
  return std::make_unique<LazyVGridElement>(std::move(columns), alignment, spacing,
                                            std::move(cells));
}

ElementPtr makeGrid(Alignment alignment, std::optional<double> horizontalSpacing,
                    std::optional<double> verticalSpacing, Elements rows) {
  return std::make_unique<GridElement>(alignment, horizontalSpacing, verticalSpacing,
                                       std::move(rows));
}

ElementPtr makeGridRow(Elements cells) {
  return std::make_unique<GridRowElement>(std::move(cells));
}

} // namespace kit::ui::layout
