#include "Shared/Theme/ThemeStore.h"

#include "Shared/Data/SharedSuite.h"

namespace zavel {

ThemeSettings ThemeStore::current(const std::filesystem::path &home) {
  return SharedSuite::read<ThemeSettings>(key, home).value_or(ThemeSettings{});
}

} // namespace zavel
