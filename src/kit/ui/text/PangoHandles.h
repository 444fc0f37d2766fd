#pragma once

#include <fontconfig/fontconfig.h>
#include <glib-object.h>
#include <pango/pango.h>

#include <memory>

namespace kit::ui {

// Owning handles for the GLib, Pango and fontconfig objects the text code holds.
struct GObjectUnref {
  void operator()(gpointer object) const { g_object_unref(object); }
};
template <typename T> using GObjectPtr = std::unique_ptr<T, GObjectUnref>;

struct FontDescriptionFree {
  void operator()(PangoFontDescription *d) const { pango_font_description_free(d); }
};
using FontDescriptionPtr = std::unique_ptr<PangoFontDescription, FontDescriptionFree>;

struct AttrListUnref {
  void operator()(PangoAttrList *list) const { pango_attr_list_unref(list); }
};
using AttrListPtr = std::unique_ptr<PangoAttrList, AttrListUnref>;

struct LayoutIterFree {
  void operator()(PangoLayoutIter *iter) const { pango_layout_iter_free(iter); }
};
using LayoutIterPtr = std::unique_ptr<PangoLayoutIter, LayoutIterFree>;

struct FcPatternDestroyer {
  void operator()(FcPattern *pattern) const { FcPatternDestroy(pattern); }
};
using FcPatternPtr = std::unique_ptr<FcPattern, FcPatternDestroyer>;

struct FcObjectSetDestroyer {
  void operator()(FcObjectSet *set) const { FcObjectSetDestroy(set); }
};
using FcObjectSetPtr = std::unique_ptr<FcObjectSet, FcObjectSetDestroyer>;

struct FcFontSetDestroyer {
  void operator()(FcFontSet *set) const { FcFontSetDestroy(set); }
};
using FcFontSetPtr = std::unique_ptr<FcFontSet, FcFontSetDestroyer>;

} // namespace kit::ui
