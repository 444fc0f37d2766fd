#include "kit/events/ZoneDefinitions.h"

#include "kit/events/IcalTime.h"
#include "kit/events/RuleExpansion.h"

#include <algorithm>
#include <limits>

namespace kit::events {

namespace {

// Onsets are worked out to a day past the last moment zones are read at.
constexpr WallSeconds kLastChange = kLatestZoneReading + kSecondsPerDay;

// One question to a zone: the work it has taken, within what one question may take and what
// the asking file may spend.
class Question {
public:
  explicit Question(FileAccount *account) : account_(account) {}

  std::int64_t allowance() const {
    std::int64_t own = kMaxRuleSteps - spent_;
    return account_ ? std::min(own, account_->available(ReadingBudget::steps)) : own;
  }
  // Whether running out of `allowance()` is the zone's own doing rather than the file's.
  bool zoneLimits() const { return allowance() == kMaxRuleSteps - spent_; }

  void charge(std::int64_t steps) {
    spent_ += steps;
    if (account_)
      account_->spend(ReadingBudget::steps, steps);
  }

private:
  FileAccount *account_;
  std::int64_t spent_ = 0;
};

// A UTC offset as written, "+0100", "-0530" or "+013045"; none for anything else.
std::optional<std::int64_t> offsetIn(std::string_view text) {
  if ((text.size() != 5 && text.size() != 7) || (text[0] != '+' && text[0] != '-'))
    return std::nullopt;
  std::int64_t seconds = 0;
  for (std::size_t at = 1; at < text.size(); at += 2) {
    if (text[at] < '0' || text[at] > '9' || text[at + 1] < '0' || text[at + 1] > '9')
      return std::nullopt;
    seconds = seconds * 60 + (text[at] - '0') * 10 + (text[at + 1] - '0');
  }
  if (text.size() == 5)
    seconds *= 60;
  return text[0] == '-' ? -seconds : seconds;
}

// How much of the wall clock one piece of a rule's expansion covers: a few hundred of its
// periods, so that a question costs about as much whatever the frequency.
WallSeconds pieceSeconds(const RecurrenceRule &rule) {
  WallSeconds unit = 0;
  switch (rule.frequency) {
  case Frequency::secondly:
    unit = 480;
    break;
  case Frequency::minutely:
    unit = 480 * 60;
    break;
  case Frequency::hourly:
    unit = 16 * kSecondsPerDay;
    break;
  default:
    unit = 366 * kSecondsPerDay;
  }
  return unit * std::min<std::int64_t>(rule.interval, std::int64_t{1} << 20);
}

struct NameAndValue {
  std::string_view name;
  std::string_view value;
};

NameAndValue split(std::string_view line) {
  std::size_t colon = line.find(':');
  if (colon == std::string_view::npos)
    return {line, {}};
  return {line.substr(0, colon), line.substr(colon + 1)};
}

// One RRULE of an observance: its onsets on the wall clock the observance starts on (its
// DTSTART is local time in the offset before each change, TZOFFSETFROM, RFC 5545 §3.6.5).
class ObservanceRule {
public:
  ObservanceRule(RecurrenceRule rule, WallSeconds start, WallSeconds last)
      : rule_(std::move(rule)), start_(start), last_(last), piece_(pieceSeconds(rule_)),
        counted_(rule_.count > 0) {}

  // The latest onset at or before the wall reading `wall`.
  std::optional<WallSeconds> latestUpTo(WallSeconds wall, Question &question, bool &unusable) {
    wall = std::min(wall, last_);
    if (wall < start_ || rule_.neverMatches)
      return std::nullopt;
    if (counted_)
      return latestIn(all(question, unusable), wall);
    for (std::int64_t index = floorDiv(wall, piece_);; --index) {
      if (auto latest = latestIn(piece(index, question, unusable), wall))
        return latest;
      if (index * piece_ <= start_)
        return std::nullopt;
    }
  }

private:
  static std::optional<WallSeconds> latestIn(const std::vector<WallSeconds> &onsets,
                                             WallSeconds wall) {
    auto after = std::upper_bound(onsets.begin(), onsets.end(), wall);
    if (after == onsets.begin())
      return std::nullopt;
    return *(after - 1);
  }

  // A counted rule is walked from its start, once: the count needs every onset before.
  const std::vector<WallSeconds> &all(Question &question, bool &unusable) {
    if (!all_)
      all_ = expand(start_, last_, question, unusable);
    return *all_;
  }

  const std::vector<WallSeconds> &piece(std::int64_t index, Question &question, bool &unusable) {
    auto found = pieces_.find(index);
    if (found != pieces_.end())
      return found->second;
    WallSeconds from = index * piece_;
    auto onsets = expand(from, std::min(from + piece_ - 1, last_), question, unusable);
    return pieces_.emplace(index, std::move(onsets)).first->second;
  }

  std::vector<WallSeconds> expand(WallSeconds from, WallSeconds to, Question &question,
                                  bool &unusable) {
    bool zoneLimits = question.zoneLimits();
    std::int64_t steps = 0;
    ExpansionLimits limits{.maxSteps = question.allowance(),
                           .enough = std::numeric_limits<std::size_t>::max(),
                           .counts = {},
                           .margin = 0};
    auto onsets = expandRule(rule_, start_, from, to, {}, limits, &steps);
    question.charge(steps);
    if (!onsets) {
      unusable = unusable || zoneLimits;
      throw ReadingExhausted{};
    }
    return std::move(*onsets);
  }

  RecurrenceRule rule_;
  WallSeconds start_;
  WallSeconds last_; // no onset after this reading: its UNTIL, or the last year zones are read in
  WallSeconds piece_;
  bool counted_;
  std::optional<std::vector<WallSeconds>> all_;
  std::unordered_map<std::int64_t, std::vector<WallSeconds>> pieces_;
};

} // namespace

struct DefinedZone::Observance {
  std::optional<std::int64_t> from;
  std::optional<std::int64_t> to;
  std::optional<WallSeconds> start;
  std::vector<std::string> ruleTexts;
  std::vector<std::string> dateTexts;

  // Moments of the onsets listed (DTSTART and each date of its RDATEs), in order.
  std::vector<std::int64_t> listed;
  std::vector<ObservanceRule> rules;

  bool usable() const { return to && start; }

  // Reads what was gathered, once the observance's lines are all in.
  void finish() {
    if (!from)
      from = to;
    if (!usable())
      return;
    listed.push_back(*start - *from);
    for (const auto &text : dateTexts)
      if (auto time = timeIn(text))
        listed.push_back(wallSecondsOf(*time) - (icaltime_is_utc(*time) ? 0 : *from));
    std::sort(listed.begin(), listed.end());
    for (const auto &text : ruleTexts)
      addRule(text);
  }

  void addRule(const std::string &text) {
    IcalRule parsed = icalRuleOf(text);
    auto rule = recurrenceRuleOf(parsed.rule, *start, false);
    if (!rule)
      return;
    WallSeconds last = kLastChange;
    const icaltimetype &until = parsed.rule.until;
    if (!icaltime_is_null_time(until)) {
      // A UTC UNTIL is a moment: an onset's moment is its reading less the offset before it.
      bool utc = icaltime_is_utc(until) && !until.is_date;
      last = std::min(last, wallSecondsOf(until) + (utc ? *from : 0));
    }
    rules.emplace_back(std::move(*rule), *start, last);
  }

  // The moment of the latest onset at or before `moment`.
  std::optional<std::int64_t> latestUpTo(std::int64_t moment, Question &question, bool &unusable) {
    std::optional<std::int64_t> latest;
    auto after = std::upper_bound(listed.begin(), listed.end(), moment);
    if (after != listed.begin())
      latest = *(after - 1);
    for (auto &rule : rules)
      if (auto wall = rule.latestUpTo(moment + *from, question, unusable))
        latest = std::max(latest.value_or(*wall - *from), *wall - *from);
    return latest;
  }
};

DefinedZone::DefinedZone(std::string_view lines) {
  std::unique_ptr<Observance> open;
  for (std::size_t at = 0; at < lines.size();) {
    std::size_t end = std::min(lines.find("\r\n", at), lines.size());
    auto [name, value] = split(lines.substr(at, end - at));
    at = end + 2;
    if (name == "BEGIN" && (value == "STANDARD" || value == "DAYLIGHT")) {
      open = std::make_unique<Observance>();
    } else if (name == "END" && open) {
      open->finish();
      if (open->usable())
        observances_.push_back(std::move(open));
      open.reset();
    } else if (!open) {
      if (name == "TZID" && tzid_.empty())
        tzid_ = value;
    } else if (name == "TZOFFSETFROM") {
      open->from = offsetIn(value);
    } else if (name == "TZOFFSETTO") {
      open->to = offsetIn(value);
    } else if (name == "DTSTART") {
      auto time = timeIn(std::string(value));
      open->start = time ? std::optional(wallSecondsOf(*time)) : std::nullopt;
    } else if (name == "RRULE") {
      open->ruleTexts.emplace_back(value);
    } else if (name == "RDATE") {
      for (std::size_t from = 0; from <= value.size();) {
        std::size_t comma = std::min(value.find(',', from), value.size());
        open->dateTexts.emplace_back(value.substr(from, comma - from));
        from = comma + 1;
      }
    }
  }
  // Before its first onset the zone keeps the offset that onset changes from.
  std::int64_t first = std::numeric_limits<std::int64_t>::max();
  for (const auto &observance : observances_)
    if (observance->listed.front() < first) {
      first = observance->listed.front();
      firstOffset_ = *observance->from;
    }
}

DefinedZone::~DefinedZone() = default;

std::int64_t DefinedZone::offsetAt(std::int64_t unixSeconds, FileAccount *account) const {
  if (unusable_)
    throw ReadingExhausted{};
  std::int64_t moment = std::min(unixSeconds, kLatestZoneReading);
  Question question(account);
  std::optional<std::int64_t> latest;
  std::int64_t offset = firstOffset_;
  for (const auto &observance : observances_) {
    auto onset = observance->latestUpTo(moment, question, unusable_);
    if (onset && (!latest || *onset > *latest)) {
      latest = onset;
      offset = *observance->to;
    }
  }
  return offset;
}

class FileZones::Charged final : public Zone {
public:
  Charged(const DefinedZone *zone, FileAccount *account) : zone_(zone), account_(account) {}

  const std::string &tzid() const { return zone_->tzid(); }

  std::int64_t offsetAt(std::int64_t unixSeconds) const override {
    return zone_->offsetAt(unixSeconds, account_);
  }

private:
  const DefinedZone *zone_;
  FileAccount *account_;
};

void FileZones::add(const DefinedZone *zone, FileAccount *account) {
  if (!zone->tzid().empty())
    zones_.push_back(std::make_shared<const Charged>(zone, account));
}

const Zone *FileZones::named(std::string_view tzid) const {
  for (const auto &zone : zones_)
    if (zone->tzid() == tzid)
      return zone.get();
  return nullptr;
}

const DefinedZone *ZoneCache::zone(const std::string &lines) {
  auto &zone = zones_[lines];
  if (!zone)
    zone = std::make_unique<DefinedZone>(lines);
  return zone.get();
}

} // namespace kit::events
