#include "Shared/Data/ExtraModels/InboxSnapshot.h"

#include "kit/foundation/Clock.h"

namespace zavel {

const InboxSnapshot &InboxSnapshot::zavelSample() {
  static const InboxSnapshot sample = [] {
    auto now = kit::foundation::systemNow();
    return InboxSnapshot{3,
                         "Ines Varga — Proofs for the spring catalogue\n"
                         "Tomas Hale — Studio booking on Thursday",
                         now, true, now};
  }();
  return sample;
}

} // namespace zavel
