#pragma once

#include "kit/foundation/JsonCoding.h"
#include "kit/foundation/UUID.h"

#include <string>

namespace zavel {

// One feed of the list the host application keeps: its name there and its document's address.
struct RSSFeed {
  kit::foundation::UUID id;
  // Every headline of the feed shows it.
  std::string title;
  std::string url;
  bool operator==(const RSSFeed &) const = default;
};

} // namespace zavel

// All three members required; a url that is not a URL fails the feed, and with it the list.
template <> struct kit::foundation::JsonCoder<zavel::RSSFeed> {
  static Json encode(const zavel::RSSFeed &feed);
  static zavel::RSSFeed decode(const Json &json);
};
