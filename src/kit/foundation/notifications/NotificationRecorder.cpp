#include "kit/foundation/notifications/NotificationRecorder.h"

#include "kit/foundation/notifications/DistributedNotificationCenter.h"

namespace kit::foundation {

NotificationRecorder::NotificationRecorder()
    : NameRecorder(DistributedNotificationCenter::defaultCenter()) {}

} // namespace kit::foundation
