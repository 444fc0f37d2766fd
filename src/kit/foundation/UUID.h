#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace kit::foundation {

// A 128-bit universally unique identifier.
struct UUID {
  std::array<uint8_t, 16> bytes{};

  // A new random (version 4) identifier.
  static UUID random();
  // The canonical 36-character form, hex digits of either case; anything else is none.
  static std::optional<UUID> fromString(std::string_view text);
  // The canonical form in upper case: "E621E1F8-C36C-495A-93FC-0C247A3E6E5F".
  std::string uuidString() const;

  auto operator<=>(const UUID &) const = default;
};

} // namespace kit::foundation

template <> struct std::hash<kit::foundation::UUID> {
  size_t operator()(const kit::foundation::UUID &uuid) const noexcept;
};
