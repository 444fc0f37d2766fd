#pragma once

#include "Widgets/WeatherWidgets/MoonProvider.h"

#include "kit/widgets/AppIntentConfiguration.h"

#include <string_view>

namespace zavel {

// The small moon widget: tonight's phase, configured by its casing alone.
struct MoonWidget {
  static constexpr std::string_view typeName = "MoonWidget";
  kit::widgets::AppIntentConfiguration<MoonProvider> body() const;
};

} // namespace zavel
