#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zavel::RSSStore {

// Feed text as plain text: tags become spaces, the common HTML entities are decoded once, white
// space runs become one space, the ends are trimmed. None when nothing is left.
std::optional<std::string> cleanText(std::string_view text);

} // namespace zavel::RSSStore
