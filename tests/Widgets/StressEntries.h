#pragma once

// Entries that push every widget's texts to their longest: long titles and names, temperatures
// of four characters, hour-long tracks and timers, counts of six digits, ten-hour days, emoji in
// what people write (notes, titles, names, headlines). One face per kind or a few, drawn through
// the widget's own declaration in the casing asked for.

#include "Shared/Data/WidgetIntents/CasingOption.h"
#include "kit/foundation/Date.h"
#include "kit/ui/View.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace zavel::testing {

using StressFace = std::function<kit::ui::View(CasingOption)>;

// A face, and the texts it must show whole (never cut), beside what every face is held to.
struct StressCase {
  StressCase(StressFace face, std::vector<std::string> readsWhole = {})
      : face(std::move(face)), readsWhole(std::move(readsWhole)) {}

  StressFace face;
  std::vector<std::string> readsWhole;
};

// The moment the stress entries are drawn at: a Friday evening in January.
kit::foundation::Date stressMoment();

// By widget kind: one face or a few (the screens of a deck, the phases of a timer).
std::map<std::string, std::vector<StressCase>> stressCases(kit::foundation::Date now);

} // namespace zavel::testing
