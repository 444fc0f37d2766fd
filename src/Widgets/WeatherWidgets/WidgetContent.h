#pragma once

#include "Shared/Views/WidgetContext.h"
#include "Shared/Views/ZavelSize.h"
#include "Widgets/Shell/ZavelEntry.h"
#include "Widgets/Shell/ZavelWidgetRoot.h"

#include "kit/ui/View.h"

#include <functional>
#include <string_view>

namespace zavel {

// Where a tap on a forecast widget takes the host application.
inline constexpr std::string_view weatherLink = "zavelwidgets://open/weather";

// Draws an entry's face with the context of the render.
template <class Data>
using EntryFace = std::function<kit::ui::View(const ZavelEntry<Data> &, const ZCtx &)>;

// A widget's content: the entry's face inside the root of the size class, in the entry's casing.
template <class Data>
std::function<kit::ui::View(const ZavelEntry<Data> &)> rootedContent(ZavelSize size,
                                                                     EntryFace<Data> face) {
  return [size, face = std::move(face)](const ZavelEntry<Data> &entry) {
    return ZavelWidgetRoot(size, entry.casing,
                           [entry, face](const ZCtx &ctx) { return face(entry, ctx); });
  };
}

// The same, opening the host application's weather section on a tap.
template <class Data>
std::function<kit::ui::View(const ZavelEntry<Data> &)> linkedContent(ZavelSize size,
                                                                     EntryFace<Data> face) {
  return [content = rootedContent(size, std::move(face))](const ZavelEntry<Data> &entry) {
    return content(entry).widgetURL(std::string(weatherLink));
  };
}

} // namespace zavel
