#include "Shared/Data/ExtraModels/StopwatchState.h"

#include "kit/foundation/Clock.h"

namespace zavel {

const StopwatchState &StopwatchState::sample() {
  static const StopwatchState sample{kit::foundation::systemNow().addingTimeInterval(-287.3),
                                     {61.1, 133.4, 214.5}};
  return sample;
}

} // namespace zavel
