#include "Shared/Data/AppGroup.h"

namespace zavel::AppGroup {

std::filesystem::path containerURL(const std::filesystem::path &home) {
  if (auto container = kit::foundation::groupContainer(identifier, home))
    return *container;
  return kit::foundation::temporaryDirectory();
}

} // namespace zavel::AppGroup
