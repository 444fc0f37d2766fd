#include "kit/events/ZoneDefinitions.h"

#include "kit/events/IcalTime.h"
#include "kit/events/RuleExpansion.h"

#include <algorithm>

namespace kit::events {

namespace {

// Changes are worked out to a day past the last moment zones are read at.
constexpr WallSeconds kLastChange = kLatestZoneReading + kSecondsPerDay;

std::optional<WallSeconds> observanceStart(icalcomponent *observance) {
  auto starts = propertiesOf(observance, ICAL_DTSTART_PROPERTY);
  if (starts.empty())
    return std::nullopt;
  icaltimetype start = icalproperty_get_dtstart(starts.front());
  if (icaltime_is_null_time(start) || !icaltime_is_valid_time(start))
    return std::nullopt;
  return wallSecondsOf(start);
}

// The onsets one RRULE of an observance gives, on the wall clock the observance starts on: its
// DTSTART is local time in the offset before each change, TZOFFSETFROM (RFC 5545 §3.6.5). None
// when it cannot be expanded within the bounds.
std::optional<std::vector<WallSeconds>> ruleOnsets(icalproperty *property, WallSeconds start,
                                                   int offsetFrom, std::size_t room,
                                                   ReadingBudget &budget) {
  icalrecurrencetype ical = icalproperty_get_rrule(property);
  auto rule = recurrenceRuleOf(ical, start, false);
  if (!rule)
    return std::vector<WallSeconds>{};
  std::function<bool(WallSeconds)> pastUntil;
  if (!icaltime_is_null_time(ical.until)) {
    WallSeconds until = wallSecondsOf(ical.until);
    // An UNTIL in UTC is a moment: the onset's moment is its reading less the offset before it.
    bool utc = icaltime_is_utc(ical.until) && !ical.until.is_date;
    pastUntil = [=](WallSeconds wall) { return (utc ? wall - offsetFrom : wall) > until; };
  }
  ExpansionLimits limits{.maxSteps = std::min(kMaxRuleSteps, budget.stepsLeft()),
                         .enough = room + 1,
                         .counts = {},
                         .margin = 0};
  std::int64_t steps = 0;
  auto onsets = expandRule(*rule, start, start, kLastChange, pastUntil, limits, &steps);
  budget.spendSteps(steps);
  if (!onsets || onsets->size() > room)
    return std::nullopt;
  return onsets;
}

icalproperty *onsetProperty(WallSeconds wall) {
  icaldatetimeperiodtype value{};
  value.time = timeAt(wall);
  value.period = icalperiodtype_null_period();
  return icalproperty_new_rdate(value);
}

// Replaces the observance's rules by the dates they give. False when they give too many.
bool listRuleOnsets(icalcomponent *observance, std::size_t &changes, ReadingBudget &budget) {
  auto rules = propertiesOf(observance, ICAL_RRULE_PROPERTY);
  auto start = observanceStart(observance);
  auto froms = propertiesOf(observance, ICAL_TZOFFSETFROM_PROPERTY);
  int offsetFrom = froms.empty() ? 0 : icalproperty_get_tzoffsetfrom(froms.front());
  std::vector<WallSeconds> onsets;
  if (start && !rules.empty())
    onsets.push_back(*start); // the first onset, whatever the rules say
  for (auto *rule : rules) {
    auto more = start ? ruleOnsets(rule, *start, offsetFrom, kMaxZoneChanges - changes, budget)
                      : std::vector<WallSeconds>{};
    if (!more)
      return false;
    changes += more->size();
    onsets.insert(onsets.end(), more->begin(), more->end());
    icalcomponent_remove_property(observance, rule);
    icalproperty_free(rule);
  }
  changes += propertiesOf(observance, ICAL_RDATE_PROPERTY).size() + 1;
  if (changes > kMaxZoneChanges)
    return false;
  for (WallSeconds onset : onsets)
    icalcomponent_add_property(observance, onsetProperty(onset));
  return true;
}

// Replaces the rules of every observance of a zone by the dates they give. False when they give
// too many.
bool listOnsets(icalcomponent *definition, ReadingBudget &budget) {
  std::size_t changes = 0;
  for (auto kind : {ICAL_XSTANDARD_COMPONENT, ICAL_XDAYLIGHT_COMPONENT})
    for (auto *observance : childComponents(definition, kind))
      if (!listRuleOnsets(observance, changes, budget))
        return false;
  return true;
}

} // namespace

void FileZones::add(std::string tzid, const icaltimezone *zone) {
  zones_.emplace_back(std::move(tzid), zone);
}

const icaltimezone *FileZones::named(std::string_view tzid) const {
  for (const auto &[name, zone] : zones_)
    if (name == tzid)
      return zone;
  return nullptr;
}

std::optional<ZoneCache::Zone> ZoneCache::zone(const std::string &text, ReadingBudget &budget) {
  if (text.size() > kMaxZoneText)
    return std::nullopt;
  auto [entry, made] = entries_.try_emplace(text);
  if (made)
    define(entry->second, text, budget);
  const Entry &defined = entry->second;
  if (!defined.usable)
    return std::nullopt;
  return Zone{defined.tzid, defined.zone.get()};
}

void ZoneCache::define(Entry &entry, const std::string &text, ReadingBudget &budget) {
  IcalComponentPtr definition(icalparser_parse_string(text.c_str()));
  if (!definition || icalcomponent_isa(definition.get()) != ICAL_VTIMEZONE_COMPONENT) {
    entry.usable = true; // nothing libical can read: no zone, and nothing to refuse
    return;
  }
  if (!listOnsets(definition.get(), budget))
    return;
  entry.usable = true;
  auto tzids = propertiesOf(definition.get(), ICAL_TZID_PROPERTY);
  const char *tzid = tzids.empty() ? nullptr : icalproperty_get_tzid(tzids.front());
  if (!tzid || !*tzid)
    return;
  std::unique_ptr<icaltimezone, TimezoneDeleter> zone(icaltimezone_new());
  if (!zone || !icaltimezone_set_component(zone.get(), definition.get()))
    return;
  definition.release(); // the zone owns it now
  entry.tzid = tzid;
  entry.zone = std::move(zone);
}

} // namespace kit::events
