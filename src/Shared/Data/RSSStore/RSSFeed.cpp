#include "Shared/Data/RSSStore/RSSFeed.h"

#include "Shared/Data/RSSStore/URLString.h"

namespace kit::foundation {

Json JsonCoder<zavel::RSSFeed>::encode(const zavel::RSSFeed &feed) {
  return Json{{"id", encodeJson(feed.id)}, {"title", feed.title}, {"url", feed.url}};
}

zavel::RSSFeed JsonCoder<zavel::RSSFeed>::decode(const Json &json) {
  const Json &object = requireObject(json);
  zavel::RSSFeed feed{requiredMember<UUID>(object, "id"),
                      requiredMember<std::string>(object, "title"),
                      requiredMember<std::string>(object, "url")};
  if (!zavel::isURLString(feed.url))
    throw DecodeError("\"url\" is not a URL");
  return feed;
}

} // namespace kit::foundation
