#include "Shared/Data/RSSStore/FeedSession.h"

#include <chrono>

namespace zavel::RSSStore {

const kit::foundation::HttpSession &feedSession() {
  static const kit::foundation::HttpSession session(kit::foundation::HttpSession::Configuration{
      .timeout = std::chrono::seconds(10),
      .deadline = std::chrono::seconds(30),
      .maxBodyBytes = 5 * 1024 * 1024,
  });
  return session;
}

} // namespace zavel::RSSStore
