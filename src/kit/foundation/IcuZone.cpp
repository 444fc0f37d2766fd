#include "kit/foundation/IcuZone.h"

#include "kit/foundation/CivilDate.h"
#include "kit/foundation/IcuText.h"

#include <fmt/format.h>
#include <map>
#include <unicode/dtrule.h>
#include <unicode/rbtz.h>
#include <unicode/tzrule.h>

namespace kit::foundation {

namespace {

// Where a rule cannot be given to ICU as a rule, its changes are listed up to here.
constexpr int kLastListedYear = 2200;
// Changes before the year 1 (a file's "big bang") only set the clock the zone starts with.
constexpr std::int64_t kEarliestChange = -62135596800;

int yearOf(std::int64_t unixSeconds) {
  return civilDateOf(floorDiv(unixSeconds, kSecondsPerDay)).year;
}

// ICU's split of an offset into standard time and summer time; a summer behind standard time
// (Ireland's winter) is kept as standard time, as only the sum decides a clock.
struct Split {
  std::int32_t raw = 0;
  std::int32_t summer = 0;
  auto operator<=>(const Split &) const = default;
};

Split splitOf(std::int32_t offset, bool daylight, std::int32_t standard) {
  if (daylight && offset > standard)
    return {.raw = standard * 1000, .summer = (offset - standard) * 1000};
  return {.raw = offset * 1000};
}

icu::UnicodeString nameOf(const Split &split) {
  return unicodeText(fmt::format("{}{:+}", split.raw, split.summer));
}

// Whether ICU's yearly rules give the C library's changes: both days a date of February to
// November, so every change falls inside its own year whatever its time and offset.
bool icuCanFollow(const PosixZoneRule &rule) {
  using Kind = PosixZoneRule::Day::Kind;
  if (!rule.hasSummer() || rule.summerOffset() == rule.standardOffset())
    return false;
  for (const auto *change : {&rule.summerStart(), &rule.summerEnd()}) {
    const auto &day = change->day;
    bool inside = (day.kind == Kind::monthWeekDay && day.month >= 2 && day.month <= 11) ||
                  (day.kind == Kind::julian && day.day >= 32 && day.day <= 334);
    if (!inside)
      return false;
  }
  return true;
}

icu::DateTimeRule *dateTimeRuleOf(const PosixZoneRule::Change &change) {
  const auto &day = change.day;
  if (day.kind == PosixZoneRule::Day::Kind::julian) {
    // February 29 is never counted, so the day is a date of a year of 365 days.
    CivilDate date = civilDateOf(dayNumberOf({1971, 1, 1}) + day.day - 1);
    return new icu::DateTimeRule(date.month - 1, date.day, change.time * 1000,
                                 icu::DateTimeRule::WALL_TIME);
  }
  return new icu::DateTimeRule(day.month - 1, day.week == 5 ? -1 : day.week, day.weekday + 1,
                               change.time * 1000, icu::DateTimeRule::WALL_TIME);
}

// The changes ICU is given as a list: those the file lists (the last read by its rule, as the C
// library reads it), then the rule's, either those of the last listed year or, where ICU cannot
// follow the rule, every one up to kLastListedYear.
std::vector<ZoneChange> listedChanges(const ZoneRules &rules, bool ruleFollowed) {
  std::vector<ZoneChange> changes = rules.listed();
  const auto &rule = rules.rule();
  if (!rule)
    return changes;
  if (!changes.empty()) {
    changes.back().offset = rule->offsetAt(changes.back().at);
    changes.back().daylight = rule->isSummerAt(changes.back().at);
  }
  int from = changes.empty() ? 1900 : yearOf(changes.back().at);
  int to = ruleFollowed ? from : kLastListedYear;
  if (ruleFollowed && changes.empty())
    return changes;
  for (int year = from; year <= to; ++year)
    for (const auto &change : rule->changesIn(year))
      if (changes.empty() || change.at > changes.back().at)
        changes.push_back(change);
  return changes;
}

std::shared_ptr<const icu::RuleBasedTimeZone> ruleBasedZone(const ZoneRules &rules,
                                                            const icu::UnicodeString &id) {
  const auto &rule = rules.rule();
  bool ruleFollowed = rule && icuCanFollow(*rule);
  ZoneChange first = rules.initial();
  std::int32_t standard = first.offset;
  std::map<Split, std::vector<UDate>> startsBySplit;
  Split current = splitOf(first.offset, first.daylight, standard);
  for (const auto &change : listedChanges(rules, ruleFollowed)) {
    if (!change.daylight)
      standard = change.offset;
    Split split = splitOf(change.offset, change.daylight, standard);
    if (change.at < kEarliestChange) {
      first = change;
      current = split;
      continue;
    }
    if (split == current)
      continue;
    startsBySplit[split].push_back(static_cast<UDate>(change.at) * 1000.0);
    current = split;
  }
  Split initial = splitOf(first.offset, first.daylight, first.offset);
  auto zone = std::make_shared<icu::RuleBasedTimeZone>(
      id, new icu::InitialTimeZoneRule(nameOf(initial), initial.raw, initial.summer));
  UErrorCode status = U_ZERO_ERROR;
  for (const auto &[split, starts] : startsBySplit)
    zone->addTransitionRule(new icu::TimeArrayTimeZoneRule(
                                nameOf(split), split.raw, split.summer, starts.data(),
                                static_cast<int32_t>(starts.size()), icu::DateTimeRule::UTC_TIME),
                            status);
  if (ruleFollowed) {
    int startYear = rules.listed().empty() ? 1 : yearOf(rules.listed().back().at) + 1;
    std::int32_t summerOffset = rule->summerOffset();
    Split summer = splitOf(summerOffset, true, rule->standardOffset());
    Split winter = splitOf(rule->standardOffset(), false, rule->standardOffset());
    zone->addTransitionRule(new icu::AnnualTimeZoneRule(nameOf(summer), summer.raw, summer.summer,
                                                        dateTimeRuleOf(rule->summerStart()),
                                                        startYear,
                                                        icu::AnnualTimeZoneRule::MAX_YEAR),
                            status);
    zone->addTransitionRule(new icu::AnnualTimeZoneRule(nameOf(winter), winter.raw, winter.summer,
                                                        dateTimeRuleOf(rule->summerEnd()),
                                                        startYear,
                                                        icu::AnnualTimeZoneRule::MAX_YEAR),
                            status);
  }
  zone->complete(status);
  return U_SUCCESS(status) ? zone : nullptr;
}

// A RuleBasedTimeZone to ICU's calendars, which handle skipped and repeated wall times only for
// the zone classes they know, but one whose copies share the zone they answer from: building
// one takes time in proportion to the square of its changes, and every copy would build anew.
class SharedZone final : public icu::RuleBasedTimeZone {
public:
  explicit SharedZone(std::shared_ptr<const icu::RuleBasedTimeZone> zone)
      : icu::RuleBasedTimeZone(idOf(*zone), new icu::InitialTimeZoneRule(idOf(*zone), 0, 0)),
        zone_(std::move(zone)) {}

  SharedZone *clone() const override { return new SharedZone(*this); }

  bool operator==(const icu::TimeZone &other) const override {
    const auto *shared = dynamic_cast<const SharedZone *>(&other);
    return shared && (shared->zone_ == zone_ || shared->zone_->operator==(*zone_));
  }
  UBool hasSameRules(const icu::TimeZone &other) const override {
    const auto *shared = dynamic_cast<const SharedZone *>(&other);
    return shared && (shared->zone_ == zone_ || zone_->hasSameRules(*shared->zone_));
  }

  int32_t getOffset(uint8_t era, int32_t year, int32_t month, int32_t day, uint8_t dayOfWeek,
                    int32_t millis, UErrorCode &status) const override {
    return zone_->getOffset(era, year, month, day, dayOfWeek, millis, status);
  }
  int32_t getOffset(uint8_t era, int32_t year, int32_t month, int32_t day, uint8_t dayOfWeek,
                    int32_t millis, int32_t monthLength, UErrorCode &status) const override {
    return zone_->getOffset(era, year, month, day, dayOfWeek, millis, monthLength, status);
  }
  void getOffset(UDate date, UBool local, int32_t &rawOffset, int32_t &dstOffset,
                 UErrorCode &status) const override {
    zone_->getOffset(date, local, rawOffset, dstOffset, status);
  }
  void getOffsetFromLocal(UDate date, UTimeZoneLocalOption nonExistingTimeOpt,
                          UTimeZoneLocalOption duplicatedTimeOpt, int32_t &rawOffset,
                          int32_t &dstOffset, UErrorCode &status) const override {
    zone_->getOffsetFromLocal(date, nonExistingTimeOpt, duplicatedTimeOpt, rawOffset, dstOffset,
                              status);
  }
  // The rules are the machine's: nothing sets them.
  void setRawOffset(int32_t) override {}
  int32_t getRawOffset() const override { return zone_->getRawOffset(); }
  UBool useDaylightTime() const override { return zone_->useDaylightTime(); }
  UBool inDaylightTime(UDate date, UErrorCode &status) const override {
    return zone_->inDaylightTime(date, status);
  }
  UBool getNextTransition(UDate base, UBool inclusive,
                          icu::TimeZoneTransition &result) const override {
    return zone_->getNextTransition(base, inclusive, result);
  }
  UBool getPreviousTransition(UDate base, UBool inclusive,
                              icu::TimeZoneTransition &result) const override {
    return zone_->getPreviousTransition(base, inclusive, result);
  }
  int32_t countTransitionRules(UErrorCode &status) const override {
    return zone_->countTransitionRules(status);
  }
  void getTimeZoneRules(const icu::InitialTimeZoneRule *&initial, const icu::TimeZoneRule *rules[],
                        int32_t &count, UErrorCode &status) const override {
    zone_->getTimeZoneRules(initial, rules, count, status);
  }

private:
  static icu::UnicodeString idOf(const icu::TimeZone &zone) {
    icu::UnicodeString id;
    return zone.getID(id);
  }

  std::shared_ptr<const icu::RuleBasedTimeZone> zone_;
};

} // namespace

std::unique_ptr<icu::BasicTimeZone> makeIcuZone(const ZoneRules &rules,
                                                std::string_view identifier) {
  auto zone = ruleBasedZone(rules, unicodeText(identifier));
  if (!zone)
    return nullptr;
  return std::make_unique<SharedZone>(std::move(zone));
}

} // namespace kit::foundation
