#include "Shared/Data/ExtraModels/InboxSnapshot.h"

#include "kit/foundation/Clock.h"

namespace zavel {

const InboxSnapshot &InboxSnapshot::zavelSample() {
  static const InboxSnapshot sample = [] {
    auto now = kit::foundation::systemNow();
    return InboxSnapshot{3,
                         "Ines — Press kit\n"
                         "App Review — Final",
                         now, true, now};
  }();
  return sample;
}

} // namespace zavel
