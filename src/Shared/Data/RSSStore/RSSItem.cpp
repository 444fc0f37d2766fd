#include "Shared/Data/RSSStore/RSSItem.h"

#include "Shared/Data/RSSStore/URLString.h"

#include <cmath>
#include <cstdint>
#include <fmt/format.h>

namespace zavel {

namespace {

// Whole minutes from `published` to `now`; a negative or unmeasurable span is 0, one beyond any
// count the largest.
int64_t minutesBetween(kit::foundation::Date published, kit::foundation::Date now) {
  double minutes = std::trunc(now.timeIntervalSince(published) / 60);
  if (!(minutes > 0))
    return 0;
  if (minutes >= 9.2e18)
    return INT64_MAX;
  return static_cast<int64_t>(minutes);
}

} // namespace

std::string RSSItem::ageLabel(kit::foundation::Date now) const {
  if (!published)
    return "—";
  int64_t m = minutesBetween(*published, now);
  if (m <= 0)
    return "JUST NOW";
  if (m < 60)
    return fmt::format("{}M AGO", m);
  if (m < 1440)
    return fmt::format("{}H AGO", m / 60);
  if (m < 10080)
    return fmt::format("{}D AGO", m / 1440);
  return fmt::format("{}W AGO", m / 10080);
}

} // namespace zavel

namespace kit::foundation {

Json JsonCoder<zavel::RSSItem>::encode(const zavel::RSSItem &item) {
  Json object{{"id", item.id}, {"feedTitle", item.feedTitle}, {"title", item.title}};
  if (item.summary)
    object["summary"] = *item.summary;
  if (item.link)
    object["link"] = *item.link;
  if (item.published)
    object["published"] = encodeJson(*item.published);
  return object;
}

zavel::RSSItem JsonCoder<zavel::RSSItem>::decode(const Json &json) {
  const Json &object = requireObject(json);
  zavel::RSSItem item{
      .id = requiredMember<std::string>(object, "id"),
      .feedTitle = requiredMember<std::string>(object, "feedTitle"),
      .title = requiredMember<std::string>(object, "title"),
      .summary = optionalMember<std::string>(object, "summary"),
      .link = optionalMember<std::string>(object, "link"),
      .published = optionalMember<Date>(object, "published"),
  };
  if (item.link && !zavel::isWebLink(*item.link))
    throw DecodeError("\"link\" is not a web link");
  return item;
}

} // namespace kit::foundation
