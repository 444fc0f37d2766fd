#pragma once

#include "Shared/Views/ZavelSize.h"
#include "Widgets/Shell/WidgetContent.h"

#include "kit/widgets/AnyWidget.h"
#include "kit/widgets/AppIntentConfiguration.h"
#include "kit/widgets/TimelineProvider.h"
#include "kit/widgets/WidgetFamily.h"

#include <optional>
#include <string>
#include <string_view>

namespace zavel {

// The one host family a size class is shown in.
constexpr kit::widgets::WidgetFamily widgetFamily(ZavelSize size) {
  switch (size) {
  case ZavelSize::m:
    return kit::widgets::WidgetFamily::systemMedium;
  case ZavelSize::l:
    return kit::widgets::WidgetFamily::systemLarge;
  case ZavelSize::s:
    break;
  }
  return kit::widgets::WidgetFamily::systemSmall;
}

// One widget of the gallery, declared in its family's file:
//   ZavelWidget<MoonProvider> MoonWidget() {
//     return {.typeName = "MoonWidget", .kind = "zavel.moon", .size = ZavelSize::s,
//             .face = dataFace<MoonView>(),
//             .name = "Moon", .description = "Tonight's phase."};
//   }
// and listed in its group with `group.add(MoonWidget())`. What every widget shares is settled
// here: the one host family of its size class, no content margins, the face inside the root in
// the entry's casing, and the link, when it has one, on the whole widget.
template <kit::widgets::TimelineProvider Provider> struct ZavelWidget {
  using Entry = typename Provider::Entry;

  std::string_view typeName;
  std::string_view kind;
  ZavelSize size = ZavelSize::s;
  Provider provider = {};
  EntryFace<Entry> face;
  std::string_view name;
  std::string_view description;
  std::optional<std::string_view> link = std::nullopt;

  kit::widgets::AppIntentConfiguration<Provider> configuration() const {
    std::optional<std::string> url;
    if (link)
      url = std::string(*link);
    return kit::widgets::AppIntentConfiguration<Provider>(
               std::string(kind), provider, linkedContent<Entry>(size, std::move(url), face))
        .configurationDisplayName(std::string(name))
        .description(std::string(description))
        .supportedFamily(widgetFamily(size))
        .contentMarginsDisabled();
  }

  // The widget as the bundle lists it.
  operator kit::widgets::AnyWidget() const { return {std::string(typeName), configuration()}; }
};

} // namespace zavel
