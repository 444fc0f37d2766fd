#pragma once

#include "kit/ui/IntentReference.h"

#include <optional>
#include <string>
#include <vector>

namespace zavel::host {

// What a press or a perform did: the intent performed (none for a link), the kinds asked to
// reload and the notifications posted (in order), the suite keys and files written, and the
// link opened; and the writes it attempted that failed, each "\"what\": why" (not part of its
// JSON).
struct ActionReport {
  std::optional<kit::ui::IntentReference> intent;
  std::vector<std::string> reloaded;
  std::vector<std::string> notifications;
  std::vector<std::string> wrote;
  std::optional<std::string> url;
  std::vector<std::string> failed;
};

} // namespace zavel::host
