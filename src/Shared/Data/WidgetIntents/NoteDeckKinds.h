#pragma once

#include <array>
#include <string_view>

namespace zavel {

// What the notes deck's keys reload: every widget that shows the note list or its pins.
inline constexpr std::array<std::string_view, 3> noteDeckKinds{
    "zavel.notes.deck", "zavel.notes.pinned", "zavel.notes.list"};

} // namespace zavel
