#include "Shared/Data/RSSStore/RSSStore.h"

#include "kit/foundation/Iso8601.h"

#include <gtest/gtest.h>

using kit::foundation::Date;
using kit::foundation::dateFromIso8601;
namespace RSSStore = zavel::RSSStore;

TEST(RSSStoreParseDate, ReadsTheRfc822AndInternetForms) {
  struct Case {
    const char *text;
    const char *instant; // none: unparsable
  } cases[] = {
      {"Tue, 10 Jun 2003 04:00:00 +0000", "2003-06-10T04:00:00Z"},
      {"Tue, 10 Jun 2003 04:00:00 -0500", "2003-06-10T09:00:00Z"},
      {"Tue, 10 Jun 2003 04:00:00 GMT", "2003-06-10T04:00:00Z"},
      {"Tue, 10 Jun 2003 04:00:00 UTC", "2003-06-10T04:00:00Z"},
      {"Tue, 10 Jun 2003 04:00:00 EST", "2003-06-10T09:00:00Z"},
      {"Tue, 10 Jun 2003 04:00:00 PDT", "2003-06-10T11:00:00Z"},
      {"Mon, 6 Jan 2025 10:00:00 +0100", "2025-01-06T09:00:00Z"},
      {"Mon, 06 Jan 2025 10:00 +0000", "2025-01-06T10:00:00Z"},
      {"06 Jan 2025 10:00:00 +0000", "2025-01-06T10:00:00Z"},
      {"\n\t Mon, 06 Jan 2025 10:00:00 +0000 \r\n", "2025-01-06T10:00:00Z"},
      {"2025-01-06T10:00:00Z", "2025-01-06T10:00:00Z"},
      {"2025-01-06T10:00:00+02:00", "2025-01-06T08:00:00Z"},
      {"2025-01-06T10:00:00.250Z", "2025-01-06T10:00:00.250Z"},
      {"  2025-01-06T10:00:00.5-01:30\n", "2025-01-06T11:30:00.500Z"},
      {"2025-01-06", nullptr},
      {"2025-01-06T10:00:00", nullptr},
      {"2025-01-06 10:00:00Z", nullptr},
      {"2025-01-06T10:00:00+0200", nullptr},
      {"Mon, 06 Jan 2025", nullptr},
      {"Mon, 06 Jan 2025 10:00:00 +0000 trailing", nullptr},
      {"Mon, 32 Jan 2025 10:00:00 +0000", nullptr},
      {"yesterday", nullptr},
      {"", nullptr},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.text);
    auto parsed = RSSStore::parseDate(c.text);
    if (!c.instant) {
      EXPECT_EQ(parsed, std::nullopt);
      continue;
    }
    ASSERT_TRUE(parsed);
    EXPECT_NEAR(parsed->secondsSinceReferenceDate,
                dateFromIso8601(c.instant)->secondsSinceReferenceDate, 1e-6);
  }
}
