#include "kit/ui/text/FontConfiguration.h"

namespace kit::ui {

namespace {

std::mutex &fontMutex() {
  static std::mutex mutex;
  return mutex;
}

std::uint64_t generation = 0;

} // namespace

std::unique_lock<std::mutex> lockFontConfiguration() {
  return std::unique_lock<std::mutex>(fontMutex());
}

std::uint64_t fontConfigurationGeneration() { return generation; }

void noteFontConfigurationChanged() { ++generation; }

} // namespace kit::ui
