#pragma once

#include "Shared/Data/ExtraModels/QuoteItem.h"

#include "kit/foundation/Calendar.h"
#include "kit/foundation/Date.h"

#include <array>

// The quotation of the day: one of a fixed list, the same for every widget and process on a
// day, walking the whole list in order before it repeats.
namespace zavel::QuoteProvider {

// The built-in quotations, in the order the days take them.
const std::array<QuoteItem, 30> &quotations();

// The quotation of the date's day in `calendar`: the day's running number in its era picks the
// entry, so consecutive days take consecutive entries and the last wraps to the first. A
// calendar that cannot count the day gives the first entry.
const QuoteItem &
today(kit::foundation::Date date,
      const kit::foundation::Calendar &calendar = kit::foundation::Calendar::current());

} // namespace zavel::QuoteProvider
