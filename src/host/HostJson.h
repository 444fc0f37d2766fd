#pragma once

#include "host/ActionReport.h"
#include "kit/foundation/JsonCoding.h"
#include "kit/widgets/AnyWidget.h"

#include <optional>
#include <ostream>
#include <string_view>
#include <vector>

// The JSON the host prints.
namespace zavel::host::json {

using kit::foundation::Json;

// {"kind", "type", "displayName", "description", "family", "configuration": {"type", "title",
// "parameters": [{"name", "title", "default"}]}}.
Json widget(const kit::widgets::WidgetInfo &info);

// {"date": ISO 8601 in UTC, "casing", "data"}: the entry's own form with its date as the host
// reads it; an entry without a JSON form shows its date alone with null data.
Json entry(const kit::widgets::AnyEntry &entry);

// {"kind", "entries": [...], "policy": "atEnd" | "never" | {"after": …}}; a snapshot has no
// policy (null).
Json timeline(std::string_view kind, const std::vector<kit::widgets::AnyEntry> &entries,
              const std::optional<kit::widgets::ReloadPolicy> &policy);

// {"intent", "params", "reloaded", "notifications", "wrote", "url"}, with null for what did not
// happen.
Json actionReport(const ActionReport &report);

// One line of compact JSON; text that is not UTF-8 shows U+FFFD instead.
void print(std::ostream &out, const Json &json);

} // namespace zavel::host::json
