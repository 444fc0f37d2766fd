#include "Shared/Data/RSSStore/WidgetReload.h"

#include "kit/foundation/notifications/DistributedNotificationCenter.h"

namespace zavel {

void reloadWidgetKinds(const std::vector<std::string> & /*kinds*/) noexcept {
  kit::foundation::DistributedNotificationCenter::defaultCenter().postNotificationName(
      "com.brekholt.zavel.reloadwidgets");
}

} // namespace zavel
