#pragma once

#include "kit/foundation/ZavelHome.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace zavel::RSSStore {

// The feed deck's position.
inline constexpr std::string_view deckIndexKey = "zavel.deck.rss.idx";

// The stored deck position, unbounded (readers bound it by what they show); 0 when absent.
int64_t deckIndex(const std::filesystem::path &home = kit::foundation::zavelHome());
// False when the store refused.
bool setDeckIndex(int64_t index, const std::filesystem::path &home = kit::foundation::zavelHome());

// Moves the deck `step` headlines on, wrapping around the headlines the deck shows (the cached
// ones when feeds are listed, else the samples), stores the new position and returns it; none
// when the store refused. Does not refresh.
std::optional<int64_t>
cycleDeckIndex(int64_t step, const std::filesystem::path &home = kit::foundation::zavelHome());

} // namespace zavel::RSSStore
