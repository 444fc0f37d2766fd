#pragma once

#include "kit/foundation/PosixZoneRule.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace kit::foundation {

// The offsets of one zone as the machine's zone files give them (RFC 8536): the changes a file
// lists, and the rule of its last line for the times after the last of them. Read as the C
// library reads them, so a clock and `date` agree.
class ZoneRules {
public:
  // The rules of a zone file's bytes (any version); none when they are not a zone file.
  static std::optional<ZoneRules> fromZoneFile(std::string_view bytes);
  // A zone given by a rule alone, as a TZ variable may give it.
  explicit ZoneRules(PosixZoneRule rule);

  std::int32_t offsetAt(std::int64_t unixSeconds) const;

  // The clock before the first listed change (its `at` means nothing).
  const ZoneChange &initial() const { return initial_; }
  // The changes the file lists, in time order.
  const std::vector<ZoneChange> &listed() const { return listed_; }
  // The rule from the last listed change on (for all times when none is listed); none when the
  // last listed change holds for ever.
  const std::optional<PosixZoneRule> &rule() const { return rule_; }

private:
  ZoneRules() = default;

  ZoneChange initial_;
  std::vector<ZoneChange> listed_;
  std::optional<PosixZoneRule> rule_;
};

} // namespace kit::foundation
