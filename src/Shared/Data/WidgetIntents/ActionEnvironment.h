#pragma once

#include "Shared/Data/Environment.h"
#include "kit/intents/AppIntent.h"

namespace zavel {

// Where a key's intent reads and writes, and its "now"; tests give a fixed clock.
using ActionEnvironment = Environment;

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
