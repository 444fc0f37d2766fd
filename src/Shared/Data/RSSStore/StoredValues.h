#pragma once

#include "Shared/Data/SharedSuite.h"

#include "kit/foundation/ZavelHome.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace zavel::RSSStore {

// The value stored under `key`; none when absent or not of the type's JSON form.
template <class T>
std::optional<T> read(std::string_view key,
                      const std::filesystem::path &home = kit::foundation::zavelHome()) {
  return SharedSuite::read<T>(key, home);
}

// Stores the value as JSON under `key`; a value that cannot be encoded writes nothing.
template <class T>
void write(const T &value, std::string_view key,
           const std::filesystem::path &home = kit::foundation::zavelHome()) {
  SharedSuite::write(key, value, home);
}

} // namespace zavel::RSSStore
