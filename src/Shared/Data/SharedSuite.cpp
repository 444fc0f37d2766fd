#include "Shared/Data/SharedSuite.h"

#include "Shared/Data/AppGroup.h"

namespace zavel::SharedSuite {

kit::foundation::Defaults open(const std::filesystem::path &home) {
  if (auto suite = kit::foundation::Defaults::suite(AppGroup::identifier, home))
    return std::move(*suite);
  return kit::foundation::Defaults::standard(home);
}

std::optional<std::string> readData(std::string_view key, const std::filesystem::path &home) {
  return open(home).data(key);
}

bool writeData(std::string_view key, std::string bytes, const std::filesystem::path &home) {
  return open(home).set(key, kit::foundation::Data{std::move(bytes)});
}

bool update(std::string_view key, const kit::foundation::Defaults::Change &change,
            const std::filesystem::path &home) {
  return open(home).update(key, change);
}

} // namespace zavel::SharedSuite
