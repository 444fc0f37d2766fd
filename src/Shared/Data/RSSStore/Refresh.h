#pragma once

#include "Shared/Data/RSSStore/FeedSession.h"

#include "kit/foundation/Clock.h"
#include "kit/foundation/ZavelHome.h"
#include "kit/foundation/net/HttpSession.h"

#include <filesystem>

// The host application's feeds fetched all at once and their headlines merged, newest first,
// into the stored cache.
namespace zavel::RSSStore {

// Where the store reads, writes and fetches; tests replace any of them.
struct Environment {
  std::filesystem::path home = kit::foundation::zavelHome();
  kit::foundation::Clock clock = {};
  kit::foundation::HttpSession session = feedSession();
};

// Fetches every listed feed at once, merges their headlines (dated first, newest first; feed
// order, then document order, between equals), keeps the first 24 and stores them. True when
// the list is empty, absent or unreadable (the cache is then emptied) or at least one feed was
// read, and the cache was stored; false when every feed failed, leaving the cache as it was, or
// when the cache could not be stored. Never throws.
bool refresh(const Environment &environment = {});

} // namespace zavel::RSSStore
