#pragma once

#include "Shared/Data/WidgetIntents/CasingOption.h"
#include "kit/foundation/Date.h"
#include "kit/foundation/Iso8601.h"
#include "kit/foundation/JsonCoding.h"

namespace zavel {

// One entry of a widget's timeline: from `date` on, the widget draws `data` in the casing its
// configuration chose.
template <class Payload> struct ZavelEntry {
  kit::foundation::Date date;
  Payload data;
  CasingOption casing = CasingOption::followApp;

  bool operator==(const ZavelEntry &) const = default;
};

} // namespace zavel

// The entry as the host prints it: {"date": "2024-03-31T01:30:00Z", "casing": "cream",
// "data": the payload's own form}. Throws EncodeError when the payload has no JSON form.
template <class Payload> struct kit::foundation::JsonCoder<zavel::ZavelEntry<Payload>> {
  static Json encode(const zavel::ZavelEntry<Payload> &entry) {
    Json json = Json::object();
    json["date"] = iso8601String(entry.date);
    json["casing"] = encodeJson(entry.casing);
    json["data"] = encodeJson(entry.data);
    return json;
  }
};
