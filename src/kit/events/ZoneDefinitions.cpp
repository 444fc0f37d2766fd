#include "kit/events/ZoneDefinitions.h"

#include "kit/events/IcalTime.h"
#include "kit/events/ItemText.h"
#include "kit/events/RuleExpansion.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace kit::events {

namespace {

// Onsets are worked out to a day past the last moment zones are read at.
constexpr WallSeconds kLastChange = kLatestZoneReading + kSecondsPerDay;

// What an entry of a map of spans, runs or answers takes, about.
constexpr std::int64_t kEntryBytes = 80;

// One question to a zone: the work it has taken, within what one question may take and what
// the asking file may spend, and what it leaves kept.
class Question {
public:
  Question(FileAccount *account, ZoneMemory *memory) : account_(account), memory_(memory) {}

  std::int64_t allowance() const {
    std::int64_t own = kMaxRuleSteps - spent_;
    return account_ ? std::min(own, account_->available(ReadingBudget::steps)) : own;
  }
  // Whether running out of `allowance()` is the zone's own doing rather than the file's.
  bool zoneLimits() const { return allowance() == kMaxRuleSteps - spent_; }

  // A question costs a step however it is answered; one the file cannot pay for is not asked.
  void ask() {
    if (account_ && !account_->take(ReadingBudget::steps, 1))
      throw ReadingExhausted{};
    ++spent_;
  }

  void charge(std::int64_t steps) {
    spent_ += steps;
    if (account_)
      account_->spend(ReadingBudget::steps, steps);
  }

  void keep(std::int64_t bytes) {
    if (memory_)
      memory_->keep(bytes);
  }

private:
  FileAccount *account_;
  ZoneMemory *memory_;
  std::int64_t spent_ = 0;
};

std::int64_t bytesOf(const std::vector<WallSeconds> &onsets) {
  return static_cast<std::int64_t>(onsets.capacity() * sizeof(WallSeconds));
}

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

// Where `wall` lies among spans that are disjoint and keyed by their first reading: the span
// holding it, if any.
const std::pair<const WallSeconds, WallSeconds> *
spanHolding(const std::map<WallSeconds, WallSeconds> &spans, WallSeconds wall) {
  auto after = spans.upper_bound(wall);
  if (after == spans.begin())
    return nullptr;
  --after;
  return after->second >= wall ? &*after : nullptr;
}

} // namespace

// The lines of one observance (STANDARD or DAYLIGHT), gathered until its END.
struct DefinedZone::ObservanceLines {
  std::optional<std::int64_t> from;
  std::optional<std::int64_t> to;
  std::optional<WallSeconds> start;
  std::vector<std::string> ruleTexts;
  std::vector<std::string> dateTexts;

  void take(std::string_view name, std::string_view value) {
    if (name == "TZOFFSETFROM") {
      from = offsetIn(value);
    } else if (name == "TZOFFSETTO") {
      to = offsetIn(value);
    } else if (name == "DTSTART") {
      auto time = timeIn(value);
      start = time ? std::optional(wallSecondsOf(*time)) : std::nullopt;
    } else if (name == "RRULE") {
      ruleTexts.emplace_back(value);
    } else if (name == "RDATE") {
      for (std::size_t at = 0; at <= value.size();) {
        std::size_t comma = std::min(value.find(',', at), value.size());
        dateTexts.emplace_back(value.substr(at, comma - at));
        at = comma + 1;
      }
    }
  }
};

struct DefinedZone::Onset {
  std::int64_t moment;
  std::int64_t offset;
  std::size_t observance; // of two onsets at one moment, the earlier observance's counts
};

struct DefinedZone::Quiet {
  std::int64_t end;
  std::int64_t offset;
};

// One RRULE of an observance: its onsets on the wall clock the observance starts on (its DTSTART
// is local time in the offset before each change, TZOFFSETFROM, RFC 5545 §3.6.5). The spans of
// that clock it has expanded, and the onsets found there, are kept: a later question near by is
// answered from them, however few onsets the rule gives.
class DefinedZone::Rule {
public:
  Rule(RecurrenceRule rule, WallSeconds start, WallSeconds last, std::int64_t from, std::int64_t to,
       std::size_t observance)
      : rule_(std::move(rule)), start_(start), last_(last), from_(from), to_(to),
        observance_(observance), piece_(pieceSeconds(rule_)), counted_(rule_.count > 0) {}

  std::int64_t offset() const { return to_; }
  std::size_t observance() const { return observance_; }

  // The moment of the latest onset at or before `moment`.
  std::optional<std::int64_t> latestUpTo(std::int64_t moment, Question &question, bool &unusable) {
    auto wall = latestWallUpTo(std::min(moment + from_, last_), question, unusable);
    return wall ? std::optional(*wall - from_) : std::nullopt;
  }

  void forget() {
    all_.reset();
    explored_.clear();
    found_.clear();
  }

private:
  std::optional<WallSeconds> latestWallUpTo(WallSeconds wall, Question &question, bool &unusable) {
    if (wall < start_ || rule_.neverMatches)
      return std::nullopt;
    // A counted rule is walked from its start, once: the count needs every onset before.
    if (counted_) {
      if (!all_) {
        all_ = expand(start_, last_, question, unusable);
        question.keep(bytesOf(*all_));
      }
      return latestIn(*all_, wall);
    }
    WallSeconds span = piece_;
    for (WallSeconds to = wall;;) {
      const auto *held = spanHolding(explored_, to);
      if (!held) {
        exploreBack(to, span, to == wall, question, unusable);
        span = std::min(span * 2, kLongestSpan);
        continue;
      }
      auto latest = latestFound(to);
      if (latest && *latest >= held->first)
        return latest;
      if (held->first <= start_)
        return std::nullopt;
      to = held->first - 1;
    }
  }

  static std::optional<WallSeconds> latestIn(const std::vector<WallSeconds> &onsets,
                                             WallSeconds wall) {
    auto after = std::upper_bound(onsets.begin(), onsets.end(), wall);
    if (after == onsets.begin())
      return std::nullopt;
    return *(after - 1);
  }

  // The latest onset found up to `wall`: in the run of onsets that begins last at or before it.
  std::optional<WallSeconds> latestFound(WallSeconds wall) const {
    auto after = found_.upper_bound(wall);
    if (after == found_.begin())
      return std::nullopt;
    return latestIn((--after)->second, wall);
  }

  // Expands the span of `length` readings up to `to`, less what is explored already; the first
  // span a question looks at reaches on to the end of its piece, for questions just after it.
  void exploreBack(WallSeconds to, WallSeconds length, bool first, Question &question,
                   bool &unusable) {
    WallSeconds from = std::max(start_, to - length + 1);
    auto next = explored_.upper_bound(to);
    if (next != explored_.begin() && std::prev(next)->second >= from)
      from = std::prev(next)->second + 1;
    WallSeconds end = to;
    if (first) {
      end = std::min(last_, (floorDiv(to, piece_) + 1) * piece_ - 1);
      if (next != explored_.end())
        end = std::min(end, next->first - 1);
    }
    auto onsets = expand(from, end, question, unusable);
    question.keep(kEntryBytes + (onsets.empty() ? 0 : kEntryBytes + bytesOf(onsets)));
    if (!onsets.empty())
      found_.emplace(onsets.front(), std::move(onsets));
    addExplored(from, end);
  }

  void addExplored(WallSeconds from, WallSeconds to) {
    auto next = explored_.upper_bound(from);
    if (next != explored_.begin() && std::prev(next)->second + 1 >= from) {
      --next;
      from = next->first;
      to = std::max(to, next->second);
      next = explored_.erase(next);
    }
    while (next != explored_.end() && next->first <= to + 1) {
      to = std::max(to, next->second);
      next = explored_.erase(next);
    }
    explored_.emplace(from, to);
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

  // Spans grow no longer than this (over 30,000 years), so that they cannot overflow.
  static constexpr WallSeconds kLongestSpan = WallSeconds{1} << 40;

  RecurrenceRule rule_;
  WallSeconds start_;
  WallSeconds last_; // no onset after this reading: its UNTIL, or the last year zones are read in
  std::int64_t from_;
  std::int64_t to_;
  std::size_t observance_;
  WallSeconds piece_;
  bool counted_;
  std::optional<std::vector<WallSeconds>> all_;
  std::map<WallSeconds, WallSeconds> explored_;           // first reading to last, disjoint
  std::map<WallSeconds, std::vector<WallSeconds>> found_; // runs of onsets, by their first
};

DefinedZone::DefinedZone(std::string_view lines, ZoneMemory *memory) : memory_(memory) {
  if (memory_)
    memory_->add(this);
  std::optional<ObservanceLines> open;
  for (std::size_t at = 0; at < lines.size();) {
    std::size_t end = std::min(lines.find("\r\n", at), lines.size());
    auto [name, value] = split(lines.substr(at, end - at));
    at = end + 2;
    if (name == "BEGIN" && (value == "STANDARD" || value == "DAYLIGHT"))
      open.emplace();
    else if (name == "END" && open) {
      addObservance(*open);
      open.reset();
    } else if (open)
      open->take(name, value);
    else if (name == "TZID" && tzid_.empty())
      tzid_ = textValue(value); // a TEXT value: "Amsterdam\, Berlin" names "Amsterdam, Berlin"
  }
  std::stable_sort(listed_.begin(), listed_.end(), [](const Onset &a, const Onset &b) {
    return a.moment != b.moment ? a.moment < b.moment : a.observance > b.observance;
  });
}

void DefinedZone::addObservance(ObservanceLines &observance) {
  if (!observance.from)
    observance.from = observance.to;
  if (!observance.to || !observance.start)
    return;
  std::int64_t from = *observance.from;
  std::int64_t to = *observance.to;
  std::size_t index = observances_++;
  std::int64_t first = *observance.start - from;
  // Before its first onset the zone keeps the offset that onset changes from.
  if (listed_.empty() || first < firstMoment_) {
    firstMoment_ = first;
    firstOffset_ = from;
  }
  listed_.push_back({first, to, index});
  for (const auto &text : observance.dateTexts)
    if (auto time = timeIn(text))
      listed_.push_back({wallSecondsOf(*time) - (icaltime_is_utc(*time) ? 0 : from), to, index});
  for (const auto &text : observance.ruleTexts) {
    IcalRule parsed = icalRuleOf(text);
    auto rule = recurrenceRuleOf(parsed.rule, *observance.start, false);
    if (!rule)
      continue;
    WallSeconds last = kLastChange;
    const icaltimetype &until = parsed.rule.until;
    if (!icaltime_is_null_time(until)) {
      // A UTC UNTIL is a moment: an onset's moment is its reading less the offset before it.
      bool utc = icaltime_is_utc(until) && !until.is_date;
      last = std::min(last, wallSecondsOf(until) + (utc ? from : 0));
    }
    rules_.push_back(
        std::make_unique<Rule>(std::move(*rule), *observance.start, last, from, to, index));
  }
}

DefinedZone::~DefinedZone() = default;

std::int64_t DefinedZone::offsetAt(std::int64_t unixSeconds, FileAccount *account) const {
  if (unusable_)
    throw ReadingExhausted{};
  if (memory_)
    memory_->makeRoom();
  std::int64_t moment = std::min(unixSeconds, kLatestZoneReading);
  Question question(account, memory_);
  question.ask();
  auto quiet = answered_.upper_bound(moment);
  if (quiet != answered_.begin() && std::prev(quiet)->second.end >= moment)
    return std::prev(quiet)->second.offset;
  // The latest onset at or before the moment, of the earliest observance at that moment.
  std::optional<Onset> latest;
  auto after =
      std::upper_bound(listed_.begin(), listed_.end(), moment,
                       [](std::int64_t m, const Onset &onset) { return m < onset.moment; });
  if (after != listed_.begin())
    latest = *(after - 1);
  for (const auto &rule : rules_) {
    question.charge(1);
    auto onset = rule->latestUpTo(moment, question, unusable_);
    if (onset && (!latest || *onset > latest->moment ||
                  (*onset == latest->moment && rule->observance() < latest->observance)))
      latest = Onset{*onset, rule->offset(), rule->observance()};
  }
  std::int64_t begins = latest ? latest->moment : std::numeric_limits<std::int64_t>::min();
  std::int64_t offset = latest ? latest->offset : firstOffset_;
  auto [known, added] = answered_.try_emplace(begins, Quiet{moment, offset});
  if (added)
    question.keep(kEntryBytes);
  else
    known->second.end = std::max(known->second.end, moment);
  return offset;
}

void DefinedZone::forget() const {
  answered_.clear();
  for (const auto &rule : rules_)
    rule->forget();
}

void ZoneMemory::makeRoom() {
  if (kept_ <= most_)
    return;
  for (const auto *zone : zones_)
    zone->forget();
  kept_ = 0;
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
  // A definition that gives no offset stands for nothing: its name resolves as if it were not
  // there.
  if (!zone->tzid().empty() && zone->definesOffsets())
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
    zone = std::make_unique<DefinedZone>(lines, memory_.get());
  return zone.get();
}

} // namespace kit::events
