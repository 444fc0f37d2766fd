#include "Shared/Data/ExtraModels/StockSnapshot.h"

#include "kit/foundation/Clock.h"

namespace zavel {

const StockSnapshot &StockSnapshot::sample() {
  static const StockSnapshot sample{"AAPL",
                                    243.18,
                                    -1.2,
                                    {{34, "10AM"},
                                     {44, std::nullopt},
                                     {40, "12PM"},
                                     {52, std::nullopt},
                                     {58, "2PM"},
                                     {48, std::nullopt},
                                     {42, "4PM"},
                                     {36, std::nullopt}},
                                    kit::foundation::systemNow()};
  return sample;
}

} // namespace zavel
