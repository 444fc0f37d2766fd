#include "Harnesses.h"

#include <array>

namespace zavel::fuzz {

std::span<const Harness> harnesses() {
  static constexpr std::array all{
      Harness{"feed_headlines", fuzzFeedHeadlines}, Harness{"stored_records", fuzzStoredRecords},
      Harness{"theme_settings", fuzzThemeSettings}, Harness{"configuration", fuzzConfiguration},
      Harness{"calendar_file", fuzzCalendarFile},   Harness{"service_answers", fuzzServiceAnswers},
  };
  return all;
}

} // namespace zavel::fuzz
