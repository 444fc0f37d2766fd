#pragma once

#include "Shared/Data/ClockFormat.h"
#include "Shared/Data/NotesStore.h"
#include "Shared/Data/SharedSuite.h"
#include "Shared/Views/ViewTesting.h"
#include "kit/foundation/Iso8601.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include <string>

namespace zavel::testing {

inline kit::foundation::Date at(const char *iso) { return *kit::foundation::dateFromIso8601(iso); }

inline NoteItem note(std::string text, const char *edited, bool pinned = false) {
  return {kit::foundation::UUID::random(), std::move(text), at(edited), pinned};
}

// A London device on a Wednesday afternoon, 5 March 2025 at 15:00 (GMT), with 24-hour clocks.
class NotesViewTest : public ::testing::Test {
protected:
  void SetUp() override { useClock(24); }
  void useClock(int64_t hours) {
    ASSERT_TRUE(SharedSuite::open().set(ClockFormat::timeFormatKey, hours));
  }

  test::TempHome home;
  test::ScopedLocaleAndZone device{"en_US_POSIX", "Europe/London"};
  const kit::foundation::Date now = at("2025-03-05T15:00:00Z");
};

} // namespace zavel::testing
