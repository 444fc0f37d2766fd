#pragma once

#include "kit/intents/AppEnum.h"
#include "kit/intents/Parameter.h"

#include <array>
#include <string_view>

namespace zavel {

// A widget's own casing choice; following the app leaves it to the theme.
enum class CasingOption { followApp, graphite, cream };

// The parameter every configuration intent ends with: `casing`, shown as "Casing", by default
// following the app.
template <class Intent> constexpr auto casingParameter(CasingOption Intent::*member) {
  return kit::intents::parameter("casing", "Casing", member);
}

} // namespace zavel

template <> struct kit::intents::AppEnumDefinition<zavel::CasingOption> {
  static constexpr std::string_view typeDisplayRepresentation = "Casing";
  static constexpr std::array<AppEnumCase<zavel::CasingOption>, 3> cases{{
      {zavel::CasingOption::followApp, "followApp", "Follow app setting"},
      {zavel::CasingOption::graphite, "graphite", "Graphite"},
      {zavel::CasingOption::cream, "cream", "Cream"},
  }};
};
