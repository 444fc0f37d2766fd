#pragma once

#include "Shared/Views/ZCtx.h"
#include "Shared/Views/ZavelSize.h"
#include "Widgets/Shell/ZavelWidgetRoot.h"

#include "kit/ui/View.h"

#include <functional>
#include <optional>
#include <string>

namespace zavel {

// Draws an entry's face with the context of the render.
template <class Entry> using EntryFace = std::function<kit::ui::View(const Entry &, const ZCtx &)>;

// The face of a view drawn from the entry's data alone: `View{entry.data, ctx}.body()`.
template <class View> auto dataFace() {
  return [](const auto &entry, const ZCtx &ctx) { return View{entry.data, ctx}.body(); };
}

// The face of a view drawn from the entry's moment and data: `View{entry.date, entry.data,
// ctx}.body()`. A face that takes anything else (the zones of a clock) has an adaptor of its own.
template <class View> auto datedFace() {
  return [](const auto &entry, const ZCtx &ctx) {
    return View{entry.date, entry.data, ctx}.body();
  };
}

// A widget's content: the entry's face inside the root of the size class, in the entry's casing;
// with a link, a tap anywhere on the widget opens it.
template <class Entry>
std::function<kit::ui::View(const Entry &)>
linkedContent(ZavelSize size, std::optional<std::string> link, EntryFace<Entry> face) {
  return [size, link = std::move(link), face = std::move(face)](const Entry &entry) {
    kit::ui::View root = ZavelWidgetRoot(
        size, entry.casing, [entry, face](const ZCtx &ctx) { return face(entry, ctx); });
    return link ? root.widgetURL(*link) : root;
  };
}

} // namespace zavel
