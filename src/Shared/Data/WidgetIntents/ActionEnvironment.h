#pragma once

#include "kit/foundation/Clock.h"
#include "kit/foundation/ZavelHome.h"
#include "kit/intents/AppIntent.h"

#include <filesystem>

namespace zavel {

// Where a key's intent reads and writes, and its "now"; tests give a fixed clock.
struct ActionEnvironment {
  std::filesystem::path home = kit::foundation::zavelHome();
  kit::foundation::Clock clock = {};
};

// Runs an intent's steps; whatever they throw stops there, so a key never fails visibly.
template <class Steps> kit::intents::IntentResult performQuietly(Steps &&steps) noexcept {
  try {
    steps();
  } catch (...) {
    // The state stays as far as the steps got; nothing is shown.
  }
  return kit::intents::IntentResult::result();
}

// An intent's perform() in the real world: the app group's home and the system clock.
template <class Intent> kit::intents::IntentResult performHere(const Intent &intent) noexcept {
  return performQuietly([&] { intent.perform(ActionEnvironment{}); });
}

} // namespace zavel
