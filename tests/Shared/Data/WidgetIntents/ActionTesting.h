#pragma once

#include "Shared/Data/SharedSuite.h"
#include "Shared/Data/WidgetIntents/ActionEnvironment.h"
#include "kit/foundation/Iso8601.h"
#include "support/ReloadLog.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zavel::test {

// A key's intent performed in a fresh app group, in Berlin on Wednesday 5 March 2025 at 10:00,
// with every reload and notification recorded in order.
class ActionTest : public ::testing::Test {
protected:
  TempHome home;
  ScopedLocaleAndZone locale{"en_GB.UTF-8", "Europe/Berlin"};
  ReloadLog log;
  const kit::foundation::Date now = *kit::foundation::dateFromIso8601("2025-03-05T10:00:00+01:00");

  ActionEnvironment environment() const {
    return {home.path(), kit::foundation::Clock::fixed(now)};
  }
  // `seconds` before (or, negative, after) now.
  kit::foundation::Date ago(double seconds) const { return now.addingTimeInterval(-seconds); }

  static void store(std::string_view key, const kit::foundation::DefaultsValue &value) {
    ASSERT_TRUE(SharedSuite::open().set(key, value));
  }
  static std::optional<kit::foundation::DefaultsValue> stored(std::string_view key) {
    return SharedSuite::open().object(key);
  }
};

} // namespace zavel::test
