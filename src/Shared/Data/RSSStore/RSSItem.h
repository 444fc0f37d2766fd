#pragma once

#include "kit/foundation/Clock.h"
#include "kit/foundation/Date.h"
#include "kit/foundation/JsonCoding.h"

#include <optional>
#include <string>

namespace zavel {

// One headline of the merged list.
struct RSSItem {
  // The entry's link text, else its guid text, else feed title, "|" and title. Two feeds carrying
  // the same article give the same id.
  std::string id;
  std::string feedTitle;
  // Cleaned; never empty.
  std::string title;
  // Cleaned, at most 200 characters.
  std::optional<std::string> summary = {};
  // Only an absolute http or https address.
  std::optional<std::string> link = {};
  std::optional<kit::foundation::Date> published = {};

  // How old the headline is at `now`: "JUST NOW", "26M AGO", "7H AGO", "3D AGO", "2W AGO", or
  // "—" without a date.
  std::string ageLabel(kit::foundation::Date now = kit::foundation::systemNow()) const;

  bool operator==(const RSSItem &) const = default;
};

} // namespace zavel

// "id", "feedTitle", "title" required; "summary", "link", "published" left out when absent. A
// stored link that is not a web link fails the headline.
template <> struct kit::foundation::JsonCoder<zavel::RSSItem> {
  static Json encode(const zavel::RSSItem &item);
  static zavel::RSSItem decode(const Json &json);
};
