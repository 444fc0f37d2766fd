#include "kit/ui/text/FontResolver.h"

#include "kit/ui/text/FontConfiguration.h"

#include <hb-ot.h>

#include <cmath>
#include <optional>

namespace kit::ui {

namespace {

const char *systemFamily(FontDesign design) {
  switch (design) {
  case FontDesign::rounded:
    return "Comfortaa";
  case FontDesign::monospaced:
    return "DejaVu Sans Mono";
  case FontDesign::serif:
    return "DejaVu Serif";
  case FontDesign::standard:
    break;
  }
  return "DejaVu Sans";
}

PangoStretch pangoStretch(FontWidth width) {
  return width == FontWidth::condensed ? PANGO_STRETCH_CONDENSED : PANGO_STRETCH_NORMAL;
}

FontDescriptionPtr describe(const char *family, PangoWeight weight, PangoStretch stretch,
                            PangoStyle style = PANGO_STYLE_NORMAL) {
  FontDescriptionPtr description(pango_font_description_new());
  pango_font_description_set_family(description.get(), family);
  pango_font_description_set_weight(description.get(), weight);
  pango_font_description_set_stretch(description.get(), stretch);
  pango_font_description_set_style(description.get(), style);
  return description;
}

// fontconfig widths are percentages of the normal width.
PangoStretch stretchOfFcWidth(int width) {
  static constexpr struct {
    int limit;
    PangoStretch stretch;
  } bands[] = {
      {56, PANGO_STRETCH_ULTRA_CONDENSED}, {68, PANGO_STRETCH_EXTRA_CONDENSED},
      {81, PANGO_STRETCH_CONDENSED},       {93, PANGO_STRETCH_SEMI_CONDENSED},
      {106, PANGO_STRETCH_NORMAL},         {118, PANGO_STRETCH_SEMI_EXPANDED},
      {137, PANGO_STRETCH_EXPANDED},       {175, PANGO_STRETCH_EXTRA_EXPANDED},
  };
  for (const auto &band : bands)
    if (width < band.limit)
      return band.stretch;
  return PANGO_STRETCH_ULTRA_EXPANDED;
}

PangoStyle styleOfFcSlant(int slant) {
  if (slant >= FC_SLANT_OBLIQUE)
    return PANGO_STYLE_OBLIQUE;
  return slant >= FC_SLANT_ITALIC ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL;
}

int integerOr(FcPattern *pattern, const char *object, int fallback) {
  int value = fallback;
  FcPatternGetInteger(pattern, object, 0, &value);
  return value;
}

// Pango matches families, not PostScript names, so the face is found in fontconfig's list and
// described by its family, weight, width and slant.
std::optional<FontDescriptionPtr> describePostScriptName(const std::string &name) {
  FcPatternPtr pattern(FcPatternCreate());
  FcPatternAddString(pattern.get(), FC_POSTSCRIPT_NAME,
                     reinterpret_cast<const FcChar8 *>(name.c_str()));
  FcObjectSetPtr objects(
      FcObjectSetBuild(FC_FAMILY, FC_WEIGHT, FC_WIDTH, FC_SLANT, FC_POSTSCRIPT_NAME, nullptr));
  FcFontSetPtr fonts(FcFontList(fontConfiguration(), pattern.get(), objects.get()));
  if (!fonts || fonts->nfont == 0)
    return std::nullopt;
  FcPattern *face = fonts->fonts[0];
  FcChar8 *family = nullptr;
  if (FcPatternGetString(face, FC_FAMILY, 0, &family) != FcResultMatch)
    return std::nullopt;
  double weight = FcWeightToOpenTypeDouble(integerOr(face, FC_WEIGHT, FC_WEIGHT_REGULAR));
  return describe(reinterpret_cast<const char *>(family),
                  static_cast<PangoWeight>(std::lround(weight)),
                  stretchOfFcWidth(integerOr(face, FC_WIDTH, FC_WIDTH_NORMAL)),
                  styleOfFcSlant(integerOr(face, FC_SLANT, FC_SLANT_ROMAN)));
}

} // namespace

PangoWeight pangoWeight(FontWeight weight) {
  // The platform's ultra light is its lightest weight, lighter than thin.
  switch (weight) {
  case FontWeight::ultraLight:
    return PANGO_WEIGHT_THIN;
  case FontWeight::thin:
    return PANGO_WEIGHT_ULTRALIGHT;
  case FontWeight::light:
    return PANGO_WEIGHT_LIGHT;
  case FontWeight::regular:
    return PANGO_WEIGHT_NORMAL;
  case FontWeight::medium:
    return PANGO_WEIGHT_MEDIUM;
  case FontWeight::semibold:
    return PANGO_WEIGHT_SEMIBOLD;
  case FontWeight::bold:
    return PANGO_WEIGHT_BOLD;
  case FontWeight::heavy:
    return PANGO_WEIGHT_ULTRABOLD;
  case FontWeight::black:
    return PANGO_WEIGHT_HEAVY;
  }
  return PANGO_WEIGHT_NORMAL;
}

FontWeight fontWeight(PangoWeight weight) {
  FontWeight nearest = FontWeight::regular;
  for (int w = int(FontWeight::ultraLight); w <= int(FontWeight::black); ++w) {
    auto candidate = static_cast<FontWeight>(w);
    if (std::abs(pangoWeight(candidate) - weight) < std::abs(pangoWeight(nearest) - weight))
      nearest = candidate;
  }
  return nearest;
}

FontDescriptionPtr describeFont(const Font &font) {
  switch (font.source) {
  case Font::Source::postScript:
    if (auto described = describePostScriptName(font.name))
      return std::move(*described);
    return describe(systemFamily(FontDesign::standard), pangoWeight(font.weight),
                    pangoStretch(font.width));
  case Font::Source::family:
    return describe(font.name.c_str(), pangoWeight(font.weight), pangoStretch(font.width));
  case Font::Source::system:
    break;
  }
  return describe(systemFamily(font.design), pangoWeight(font.weight), pangoStretch(font.width));
}

std::string postScriptNameOf(PangoFont *font) {
  hb_font_t *hbFont = font ? pango_font_get_hb_font(font) : nullptr;
  if (!hbFont)
    return {};
  hb_face_t *face = hb_font_get_face(hbFont);
  unsigned int length = hb_ot_name_get_utf8(face, HB_OT_NAME_ID_POSTSCRIPT_NAME,
                                            HB_LANGUAGE_INVALID, nullptr, nullptr);
  // The size in and out counts the terminating NUL going in and leaves it out coming back.
  unsigned int size = length + 1;
  std::string buffer(size, '\0');
  hb_ot_name_get_utf8(face, HB_OT_NAME_ID_POSTSCRIPT_NAME, HB_LANGUAGE_INVALID, &size,
                      buffer.data());
  buffer.resize(size);
  return buffer;
}

} // namespace kit::ui
