#include "Shared/Data/ExtraModels/FocusSession.h"

#include "kit/foundation/Clock.h"

namespace zavel {

const FocusSession &FocusSession::sample() {
  static const FocusSession sample{kit::foundation::systemNow().addingTimeInterval(932), 25};
  return sample;
}

} // namespace zavel
