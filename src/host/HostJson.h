#pragma once

#include "host/ActionReport.h"
#include "kit/foundation/JsonCoding.h"
#include "kit/widgets/AnyWidget.h"

#include <optional>
#include <ostream>
#include <string_view>
#include <vector>

// The JSON the host prints, members in the order given here.
namespace zavel::host::json {

using kit::foundation::Json;
using Ordered = nlohmann::ordered_json;

// {"kind", "type", "displayName", "description", "family", "configuration": {"type", "title",
// "parameters": [{"name", "title", "default"}]}}.
Ordered widget(const kit::widgets::WidgetInfo &info);

// {"date": ISO 8601 in UTC, "casing", "data"}: the entry's own form with its date as the host
// reads it (other members of the form follow); an entry without a JSON form shows null data.
Ordered entry(const kit::widgets::AnyEntry &entry);

// {"kind", "entries": [...], "policy": "atEnd" | "never" | {"after": …}}; a snapshot has no
// policy (null).
Ordered timeline(std::string_view kind, const std::vector<kit::widgets::AnyEntry> &entries,
                 const std::optional<kit::widgets::ReloadPolicy> &policy);

// {"intent", "params", "reloaded", "notifications", "wrote", "url"}, with null for what did not
// happen.
Ordered actionReport(const ActionReport &report);

// One line of compact JSON; text that is not UTF-8 shows U+FFFD instead, and DEL and the C1
// controls show as escapes (\u009b), as the C0 controls do, so no text can steer the terminal.
void print(std::ostream &out, const Ordered &json);

} // namespace zavel::host::json
