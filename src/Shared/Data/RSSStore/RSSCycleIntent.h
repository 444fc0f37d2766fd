#pragma once

#include "kit/intents/AppIntent.h"
#include "kit/intents/Parameter.h"

#include <cstdint>
#include <string_view>
#include <tuple>

namespace zavel {

// The feed deck's previous and next keys: moves the deck's position by `step` headlines, around
// the list, and redraws the deck. Does not fetch the feeds.
struct RSSCycleIntent {
  static constexpr std::string_view typeName = "RSSCycleIntent";
  static constexpr std::string_view title = "Cycle Headlines";

  int64_t step = 1;

  static constexpr auto parameters() {
    return std::tuple{kit::intents::parameter("step", "Step", &RSSCycleIntent::step)};
  }

  kit::intents::IntentResult perform() const noexcept;
};

} // namespace zavel
