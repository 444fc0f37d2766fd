#pragma once

#include "kit/foundation/notifications/NameRecorder.h"

namespace kit::foundation {

// Records, in order, every distributed notification posted in this process while it lives.
class NotificationRecorder : public NameRecorder {
public:
  NotificationRecorder();
};

} // namespace kit::foundation
