#include "kit/events/CalendarText.h"

#include "kit/events/ContentLines.h"
#include "kit/foundation/TextOperations.h"

#include <algorithm>
#include <array>
#include <limits>
#include <utility>

namespace kit::events {

namespace {

enum class Kind : std::uint8_t { calendar, event, todo, timezone, standard, daylight, other };

Kind kindNamed(std::string_view name) {
  while (!name.empty() && (name.back() == ' ' || name.back() == '\t'))
    name.remove_suffix(1);
  static constexpr std::array<std::pair<std::string_view, Kind>, 6> kinds{{
      {"VCALENDAR", Kind::calendar},
      {"VEVENT", Kind::event},
      {"VTODO", Kind::todo},
      {"VTIMEZONE", Kind::timezone},
      {"STANDARD", Kind::standard},
      {"DAYLIGHT", Kind::daylight},
  }};
  for (const auto &[text, kind] : kinds)
    if (foundation::equalsIgnoringASCIICase(name, text))
      return kind;
  return Kind::other;
}

std::optional<PropertyName> itemPropertyNamed(std::string_view name) {
  static constexpr std::array<std::pair<std::string_view, PropertyName>, 13> names{{
      {"UID", PropertyName::uid},
      {"SUMMARY", PropertyName::summary},
      {"LOCATION", PropertyName::location},
      {"STATUS", PropertyName::status},
      {"DTSTART", PropertyName::dtstart},
      {"DTEND", PropertyName::dtend},
      {"DURATION", PropertyName::duration},
      {"DUE", PropertyName::due},
      {"COMPLETED", PropertyName::completed},
      {"RECURRENCE-ID", PropertyName::recurrenceId},
      {"RRULE", PropertyName::rrule},
      {"RDATE", PropertyName::rdate},
      {"EXDATE", PropertyName::exdate},
  }};
  for (const auto &[text, property] : names)
    if (foundation::equalsIgnoringASCIICase(name, text))
      return property;
  return std::nullopt;
}

// What a zone is read from (RFC 5545 §3.6.5): its TZID, and each observance's onset, offsets and
// recurrence. The name as the zone reads it; none for a line it passes over.
std::optional<std::string_view> zonePropertyNamed(std::string_view name, bool inObservance) {
  if (!inObservance)
    return foundation::equalsIgnoringASCIICase(name, "TZID") ? std::optional("TZID") : std::nullopt;
  for (std::string_view wanted : {"DTSTART", "TZOFFSETFROM", "TZOFFSETTO", "RRULE", "RDATE"})
    if (foundation::equalsIgnoringASCIICase(name, wanted))
      return wanted;
  return std::nullopt;
}

bool holdsMany(PropertyName name) {
  return name == PropertyName::rrule || name == PropertyName::rdate || name == PropertyName::exdate;
}

// The parameters a property line gives after its name (RFC 5545 §3.1, §3.2), and where its
// value begins.
struct Parameters {
  std::string_view tzid; // the first TZID's
  bool tzidGiven = false;
  bool periodValue = false;
  std::size_t valueAt = 0;
};

// One parameter value, quoted or up to the next ';', ':' or ','; `at` moves past it. None when
// the line ends first.
std::optional<std::string_view> parameterValue(std::string_view line, std::size_t &at) {
  if (at < line.size() && line[at] == '"') {
    std::size_t close = line.find('"', at + 1);
    if (close == std::string_view::npos)
      return std::nullopt;
    std::string_view quoted = line.substr(at + 1, close - at - 1);
    at = close + 1;
    return quoted;
  }
  std::size_t end = line.find_first_of(";:,", at);
  if (end == std::string_view::npos)
    return std::nullopt;
  std::string_view value = line.substr(at, end - at);
  at = end;
  return value;
}

// The first value of a parameter the readers use.
void take(Parameters &parameters, std::string_view name, std::string_view value) {
  if (foundation::equalsIgnoringASCIICase(name, "TZID") && !parameters.tzidGiven) {
    parameters.tzid = value;
    parameters.tzidGiven = true;
  }
  if (foundation::equalsIgnoringASCIICase(name, "VALUE"))
    parameters.periodValue = foundation::equalsIgnoringASCIICase(value, "PERIOD");
}

// One parameter, ";NAME=value,value", `at` at its ';' and moved past its values. False for one
// the format cannot read.
bool readParameter(std::string_view line, std::size_t &at, Parameters &parameters) {
  std::size_t equals = line.find('=', at + 1);
  if (equals == std::string_view::npos)
    return false;
  std::string_view name = line.substr(at + 1, equals - at - 1);
  at = equals;
  bool firstValue = true;
  do {
    ++at; // past '=' or ','
    auto value = parameterValue(line, at);
    if (!value)
      return false;
    if (firstValue)
      take(parameters, name, *value);
    firstValue = false;
  } while (at < line.size() && line[at] == ',');
  return true;
}

// None for a line the format cannot read: one holding a NUL, which the format has none of, is
// never read up to it.
std::optional<Parameters> parametersOf(std::string_view line, std::size_t at) {
  if (line.find('\0') != std::string_view::npos)
    return std::nullopt;
  Parameters parameters;
  while (at < line.size() && line[at] == ';')
    if (!readParameter(line, at, parameters))
      return std::nullopt;
  if (at >= line.size() || line[at] != ':')
    return std::nullopt;
  parameters.valueAt = at + 1;
  return parameters;
}

class Scanner {
public:
  std::optional<CalendarText> run(std::string_view text) {
    // What is kept is sized and counted in 32 bits.
    if (text.size() > std::numeric_limits<std::uint32_t>::max())
      return std::nullopt;
    properties_ = std::make_shared<ItemProperties>(text.size());
    ContentLines lines(text);
    ContentLine line;
    while (lines.next(line)) {
      std::string_view name = line.name(scratch_);
      if (foundation::equalsIgnoringASCIICase(name, "BEGIN")) {
        if (!begin(line))
          return std::nullopt;
      } else if (foundation::equalsIgnoringASCIICase(name, "END")) {
        end();
      } else if (inItem()) {
        addItemProperty(line, name);
      } else if (inZone()) {
        addZoneLine(line, name);
      }
    }
    result_.properties = std::move(properties_);
    return std::move(result_);
  }

private:
  bool inCalendar() const { return !open_.empty() && open_[0] == Kind::calendar; }
  bool inItem() const {
    return open_.size() == 2 && inCalendar() && (open_[1] == Kind::event || open_[1] == Kind::todo);
  }
  // In a zone, or in one of its observances.
  bool inZone() const {
    if (open_.size() < 2 || open_.size() > 3 || !inCalendar() || open_[1] != Kind::timezone)
      return false;
    return open_.size() == 2 || open_[2] == Kind::standard || open_[2] == Kind::daylight;
  }

  static std::string_view nameOf(Kind kind) {
    switch (kind) {
    case Kind::timezone:
      return "VTIMEZONE";
    case Kind::standard:
      return "STANDARD";
    default:
      return "DAYLIGHT";
    }
  }

  bool begin(const ContentLine &line) {
    std::string_view whole = line.unfolded(unfolded_);
    std::size_t colon = whole.find(':');
    Kind kind = colon == std::string_view::npos ? Kind::other : kindNamed(whole.substr(colon + 1));
    bool directlyInCalendar = open_.size() == 1 && inCalendar();
    open_.push_back(kind);
    if (open_.size() > kMaxNesting)
      return false;
    if (directlyInCalendar && (kind == Kind::event || kind == Kind::todo)) {
      auto componentKind = kind == Kind::event ? ComponentKind::event : ComponentKind::todo;
      std::uint32_t &count = componentKind == ComponentKind::event ? events_ : todos_;
      result_.items.push_back({.kept = properties_.get(),
                               .firstProperty = static_cast<std::uint32_t>(properties_->size()),
                               .propertyCount = 0,
                               .kind = componentKind,
                               .index = count++,
                               .uidlessIndex = 0});
      kept_ = 0;
    } else if (directlyInCalendar && kind == Kind::timezone) {
      result_.zones.emplace_back();
    }
    if (inZone())
      keepZoneLine("BEGIN:" + std::string(nameOf(kind)));
    return true;
  }

  void end() {
    if (open_.empty())
      return;
    if (inZone())
      keepZoneLine("END:" + std::string(nameOf(open_.back())));
    open_.pop_back();
  }

  void addItemProperty(const ContentLine &line, std::string_view name) {
    auto property = itemPropertyNamed(name);
    if (!property)
      return;
    auto &item = result_.items.back();
    auto bit = std::uint32_t{1} << static_cast<unsigned>(*property);
    if (!holdsMany(*property) && (kept_ & bit))
      return;
    std::string_view whole = line.unfolded(unfolded_);
    auto parameters = parametersOf(whole, name.size());
    if (!parameters)
      return;
    kept_ |= bit;
    std::string_view value = whole.substr(parameters->valueAt);
    properties_->add(*property, parameters->periodValue, parameters->tzid, value);
    ++item.propertyCount;
    // A list of dates is one value per date.
    bool list = *property == PropertyName::rdate || *property == PropertyName::exdate;
    result_.values += list ? std::count(value.begin(), value.end(), ',') + 1 : 1;
  }

  void addZoneLine(const ContentLine &line, std::string_view name) {
    auto zoneName = zonePropertyNamed(name, open_.size() == 3);
    if (!zoneName)
      return;
    std::string_view whole = line.unfolded(unfolded_);
    auto parameters = parametersOf(whole, name.size());
    if (!parameters)
      return;
    std::string_view value = whole.substr(parameters->valueAt);
    // Every date of a list is a change of its own, and a value.
    std::int64_t dates = *zoneName == "RDATE"     ? std::count(value.begin(), value.end(), ',') + 1
                         : *zoneName == "DTSTART" ? 1
                                                  : 0;
    result_.zones.back().changes += dates;
    result_.zones.back().rules += *zoneName == "RRULE" ? 1 : 0;
    keepZoneLine(std::string(*zoneName) + ":" + std::string(value),
                 std::max<std::int64_t>(dates, 1));
  }

  void keepZoneLine(const std::string &line, std::int64_t values = 1) {
    auto &zone = result_.zones.back().lines;
    zone += line;
    zone += "\r\n";
    result_.values += values;
  }

  std::vector<Kind> open_;
  CalendarText result_;
  std::shared_ptr<ItemProperties> properties_;
  std::uint32_t events_ = 0;
  std::uint32_t todos_ = 0;
  std::uint32_t kept_ = 0; // the properties the current item has, one bit each
  std::string scratch_;  // a name folded
  std::string unfolded_; // a line folded
};

} // namespace

std::optional<CalendarText> scanCalendarText(std::string_view text) { return Scanner().run(text); }

bool readsAsProperty(std::string_view line, std::size_t nameSize) {
  return parametersOf(line, nameSize).has_value();
}

} // namespace kit::events
