#include "kit/ui/text/TextLayout.h"

#include "kit/ui/Geometry.h"

#include <algorithm>
#include <cmath>

namespace kit::ui {

namespace {

// Far beyond any widget, and well inside Pango's integer range.
constexpr double largestLength = 1e6;
// Font sizes, tracking and line spacing beyond this are clamped: FreeType refuses such sizes, and
// sums of such advances would overflow Pango's integers.
constexpr double largestTextLength = 4096;

int textUnits(double points) {
  return pangoUnits(std::clamp(points, -largestTextLength, largestTextLength));
}

void insert(PangoAttrList *list, PangoAttribute *attribute) {
  pango_attr_list_insert(list, attribute);
}

AttrListPtr attributesFor(const TextStyle &style, double scale) {
  AttrListPtr list(pango_attr_list_new());
  // Words broken between characters get no hyphen, as on the platform.
  insert(list.get(), pango_attr_insert_hyphens_new(FALSE));
  if (int tracking = trackingUnits(style, scale))
    insert(list.get(), pango_attr_letter_spacing_new(tracking));
  if (style.strikethrough)
    insert(list.get(), pango_attr_strikethrough_new(TRUE));
  if (style.monospacedDigit)
    insert(list.get(), pango_attr_font_features_new("tnum 1"));
  return list;
}

} // namespace

int pangoUnits(double points) {
  double clamped = std::clamp(finiteOr(points), -largestLength, largestLength);
  return static_cast<int>(std::lround(clamped * PANGO_SCALE));
}

int trackingUnits(const TextStyle &style, double scale) {
  return textUnits(finiteOr(style.tracking) * scale);
}

GObjectPtr<PangoLayout> makeLayout(PangoContext *context, const PangoFontDescription *font,
                                   std::string_view text, const TextStyle &style, double scale,
                                   int wrapWidth) {
  GObjectPtr<PangoLayout> layout(pango_layout_new(context));
  FontDescriptionPtr sized(pango_font_description_copy(font));
  pango_font_description_set_absolute_size(sized.get(), textUnits(style.font.size * scale));
  pango_layout_set_font_description(layout.get(), sized.get());
  pango_layout_set_text(layout.get(), text.data(), static_cast<int>(text.size()));
  pango_layout_set_attributes(layout.get(), attributesFor(style, scale).get());
  pango_layout_set_spacing(layout.get(), textUnits(finiteOr(style.lineSpacing) * scale));
  pango_layout_set_wrap(layout.get(), PANGO_WRAP_WORD_CHAR);
  pango_layout_set_width(layout.get(), wrapWidth < 0 ? -1 : wrapWidth);
  return layout;
}

LayoutGeometry geometryOf(PangoLayout *layout) {
  LayoutGeometry geometry;
  PangoRectangle logical;
  pango_layout_get_extents(layout, nullptr, &logical);
  geometry.height = logical.height;
  LayoutIterPtr iter(pango_layout_get_iter(layout));
  geometry.firstBaseline = pango_layout_iter_get_baseline(iter.get());
  do {
    pango_layout_iter_get_line_extents(iter.get(), nullptr, &logical);
    geometry.widestLine = std::max(geometry.widestLine, logical.width);
    geometry.lineBottoms.push_back(logical.y + logical.height);
    geometry.lastBaseline = pango_layout_iter_get_baseline(iter.get());
  } while (pango_layout_iter_next_line(iter.get()));
  return geometry;
}

} // namespace kit::ui
