#pragma once

#include <fontconfig/fontconfig.h>
#include <glib-object.h>
#include <pango/pango.h>

#include <memory>

namespace kit::ui {

// Owning handles for the GLib, Pango and fontconfig objects the text code holds.
template <auto release> struct Releaser {
  template <typename T> void operator()(T *object) const { release(object); }
};

template <typename T> using GObjectPtr = std::unique_ptr<T, Releaser<g_object_unref>>;
using FontDescriptionPtr =
    std::unique_ptr<PangoFontDescription, Releaser<pango_font_description_free>>;
using AttrListPtr = std::unique_ptr<PangoAttrList, Releaser<pango_attr_list_unref>>;
using LayoutIterPtr = std::unique_ptr<PangoLayoutIter, Releaser<pango_layout_iter_free>>;
using FcPatternPtr = std::unique_ptr<FcPattern, Releaser<FcPatternDestroy>>;
using FcObjectSetPtr = std::unique_ptr<FcObjectSet, Releaser<FcObjectSetDestroy>>;
using FcFontSetPtr = std::unique_ptr<FcFontSet, Releaser<FcFontSetDestroy>>;

} // namespace kit::ui
