#include "kit/events/CompletionEdit.h"

#include "kit/events/ContentLines.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <vector>

namespace kit::events {

namespace {

// One content line, folded continuation lines included, exactly as the file has it.
struct EditedLine {
  std::string_view raw;
  std::string name;  // upper-cased
  std::string value; // upper-cased, for BEGIN and END
};

std::string upper(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return result;
}

EditedLine editedLine(const ContentLine &line) {
  std::string scratch;
  EditedLine edited{.raw = line.raw, .name = upper(line.name(scratch)), .value = {}};
  if (edited.name == "BEGIN" || edited.name == "END") {
    std::string whole = line.unfolded();
    size_t colon = whole.find(':');
    std::string_view value =
        colon == std::string::npos ? "" : std::string_view(whole).substr(colon + 1);
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t'))
      value.remove_suffix(1);
    edited.value = upper(value);
  }
  return edited;
}

std::string utcStamp(foundation::Date date) {
  std::time_t seconds = static_cast<std::time_t>(std::floor(date.unixTime()));
  std::tm utc{};
  gmtime_r(&seconds, &utc);
  return fmt::format("{:04}{:02}{:02}T{:02}{:02}{:02}Z", utc.tm_year + 1900, utc.tm_mon + 1,
                     utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec);
}

std::string completionLines(bool completed, foundation::Date now, std::string_view newline) {
  if (!completed)
    return fmt::format("STATUS:NEEDS-ACTION{}", newline);
  return fmt::format("STATUS:COMPLETED{0}COMPLETED:{1}{0}PERCENT-COMPLETE:100{0}", newline,
                     utcStamp(now));
}

bool isCompletionProperty(const std::string &name) {
  return name == "STATUS" || name == "COMPLETED" || name == "PERCENT-COMPLETE";
}

} // namespace

std::optional<std::string> withCompletion(std::string_view text, std::size_t todoIndex,
                                          bool completed, foundation::Date now) {
  std::vector<std::string> open; // the components the walk is inside, outermost first
  std::size_t todosSeen = 0;
  bool inTarget = false;
  bool found = false;
  std::optional<size_t> insertAt;
  std::string result;
  ContentLines lines(text);
  for (ContentLine content; lines.next(content);) {
    EditedLine line = editedLine(content);
    bool atTargetLevel = inTarget && open.size() == 2;
    if (atTargetLevel && isCompletionProperty(line.name)) {
      insertAt = insertAt.value_or(result.size());
      continue;
    }
    if (atTargetLevel && (line.name == "BEGIN" || line.name == "END"))
      insertAt = insertAt.value_or(result.size());
    if (line.name == "BEGIN") {
      if (line.value == "VTODO" && open.size() == 1 && open.front() == "VCALENDAR" &&
          todosSeen++ == todoIndex)
        inTarget = found = true;
      open.push_back(line.value);
    } else if (line.name == "END" && !open.empty()) {
      open.pop_back();
      inTarget = inTarget && open.size() >= 2;
    }
    result += line.raw;
  }
  if (!found || !insertAt)
    return std::nullopt;
  std::string_view newline = text.find("\r\n") != std::string_view::npos ? "\r\n" : "\n";
  result.insert(*insertAt, completionLines(completed, now, newline));
  return result;
}

} // namespace kit::events
