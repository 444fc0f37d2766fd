#include "kit/events/CompletionEdit.h"

#include "kit/events/CalendarText.h"
#include "kit/events/ContentLines.h"
#include "kit/foundation/Iso8601.h"
#include "kit/foundation/TextOperations.h"

#include <fmt/format.h>

#include <algorithm>
#include <vector>

namespace kit::events {

namespace {

// Names and component names are read without regard to case (RFC 5545 §3.1); the names
// compared here are ASCII, and folding reads them so.
std::string folded(std::string_view text) { return foundation::asciiLowercased(text); }

// One content line, folded continuation lines included, exactly as the file has it, and where
// it stands among the components.
struct EditedLine {
  std::string_view raw;
  std::string_view lineEnd;
  std::string name;        // case folded
  std::string value;       // case folded, for BEGIN and END
  std::size_t depth = 0;   // the components open before it
  bool inCalendar = false; // directly inside a VCALENDAR that is inside nothing
  bool readable = false;   // read as a property, as the readers read it
};

EditedLine editedLine(const ContentLine &line) {
  std::string whole = line.unfolded();
  std::string scratch;
  std::string_view name = line.name(scratch);
  EditedLine edited{.raw = line.raw,
                    .lineEnd = line.lineEnd(),
                    .name = folded(name),
                    .value = {},
                    .readable = readsAsProperty(whole, name.size())};
  if (edited.name == "begin" || edited.name == "end") {
    size_t colon = whole.find(':');
    std::string_view value =
        colon == std::string::npos ? "" : std::string_view(whole).substr(colon + 1);
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t'))
      value.remove_suffix(1);
    edited.value = folded(value);
  }
  return edited;
}

// Every line with its place: an END closes the innermost open component, whichever it names.
std::vector<EditedLine> editedLines(std::string_view text) {
  std::vector<EditedLine> lines;
  std::vector<std::string> open; // outermost first
  ContentLines content(text);
  for (ContentLine line; content.next(line);) {
    EditedLine edited = editedLine(line);
    edited.depth = open.size();
    edited.inCalendar = open.size() == 1 && open.front() == "vcalendar";
    if (edited.name == "begin")
      open.push_back(edited.value);
    else if (edited.name == "end" && !open.empty())
      open.pop_back();
    lines.push_back(std::move(edited));
  }
  return lines;
}

// The lines of a to-do after its BEGIN, up to and including the END that closes it.
struct TodoLines {
  std::size_t first;
  std::size_t end;
};

std::optional<TodoLines> todoLines(const std::vector<EditedLine> &lines, std::size_t todoIndex) {
  std::size_t seen = 0;
  for (std::size_t at = 0; at < lines.size(); ++at) {
    const EditedLine &line = lines[at];
    if (line.name != "begin" || line.value != "vtodo" || !line.inCalendar || seen++ != todoIndex)
      continue;
    auto after = lines.begin() + static_cast<std::ptrdiff_t>(at + 1);
    auto end = std::find_if(after, lines.end(), [](const EditedLine &l) { return l.depth < 2; });
    return TodoLines{at + 1, static_cast<std::size_t>(end - lines.begin())};
  }
  return std::nullopt;
}

// Whether the to-do's own END is in the file: one that stops inside it has none.
bool isClosed(const std::vector<EditedLine> &lines, TodoLines todo) {
  return todo.end > todo.first && lines[todo.end - 1].name == "end" &&
         lines[todo.end - 1].depth == 2;
}

// STATUS (§3.8.1.11), COMPLETED (§3.8.2.1) and PERCENT-COMPLETE (§3.8.1.8) of the to-do itself,
// not of an alarm inside it.
bool isCompletionLine(const EditedLine &line) {
  return line.depth == 2 &&
         (line.name == "status" || line.name == "completed" || line.name == "percent-complete");
}

// Where the new completion lines go: at the first completion line the to-do has, else before the
// first component inside it or its END.
std::optional<std::size_t> insertionPoint(const std::vector<EditedLine> &lines, TodoLines todo) {
  for (std::size_t at = todo.first; at < todo.end; ++at)
    if (isCompletionLine(lines[at]) ||
        (lines[at].depth == 2 && (lines[at].name == "begin" || lines[at].name == "end")))
      return at;
  return std::nullopt;
}

// COMPLETED is a UTC time in the basic form (RFC 5545 §3.3.5): "20260310T090000Z".
std::string utcStamp(foundation::Date date) {
  std::string stamp = foundation::iso8601String(date);
  std::erase_if(stamp, [](char c) { return c == '-' || c == ':'; });
  return stamp;
}

std::string completionLines(bool completed, foundation::Date now, std::string_view newline) {
  if (!completed)
    return fmt::format("STATUS:NEEDS-ACTION{}", newline);
  return fmt::format("STATUS:COMPLETED{0}COMPLETED:{1}{0}PERCENT-COMPLETE:100{0}", newline,
                     utcStamp(now));
}

// DTSTAMP (§3.8.7.2) and LAST-MODIFIED (§3.8.7.3) of the to-do itself: when it was last changed.
bool isStampLine(const EditedLine &line) {
  return line.depth == 2 && (line.name == "dtstamp" || line.name == "last-modified");
}

// The lines as they were after the file's byte-order mark, the to-do's own completion lines left
// out and `inserted` put in before line `insertAt`; its first DTSTAMP and LAST-MODIFIED each
// renewed where they stand (`now`), and any later ones left out.
std::string rewritten(std::string_view mark, const std::vector<EditedLine> &lines, TodoLines todo,
                      std::size_t insertAt, std::string_view inserted, foundation::Date now) {
  std::string result(mark);
  std::vector<std::string_view> renewed;
  for (std::size_t at = 0; at < lines.size(); ++at) {
    const EditedLine &line = lines[at];
    if (at == insertAt)
      result += inserted;
    bool inTodo = at >= todo.first && at < todo.end;
    if (inTodo && isStampLine(line)) {
      if (std::find(renewed.begin(), renewed.end(), line.name) == renewed.end())
        result += fmt::format("{}:{}{}", foundation::asciiUppercased(line.name), utcStamp(now),
                              line.lineEnd);
      renewed.push_back(line.name);
    } else if (!inTodo || !isCompletionLine(line)) {
      result += line.raw;
    }
  }
  return result;
}

// The to-do's own line of that name (not an alarm's) that the readers read, the first that reads
// as a property, as written, without its line end.
std::optional<std::string_view> ownLine(const std::vector<EditedLine> &lines, TodoLines todo,
                                        std::string_view name) {
  for (std::size_t at = todo.first; at < todo.end; ++at)
    if (lines[at].depth == 2 && lines[at].name == name && lines[at].readable)
      return lines[at].raw.substr(0, lines[at].raw.size() - lines[at].lineEnd.size());
  return std::nullopt;
}

} // namespace

std::optional<std::string> withCompletion(std::string_view text, std::size_t todoIndex,
                                          bool completed, foundation::Date now) {
  auto lines = editedLines(text);
  auto todo = todoLines(lines, todoIndex);
  auto insertAt = todo ? insertionPoint(lines, *todo) : std::nullopt;
  if (!insertAt)
    return std::nullopt;
  // The new lines end as the line they go before does (as the one before it where the text ends
  // without one): a file keeps the line ends it was written with, mixed or not.
  std::string_view newline = lines[*insertAt].lineEnd;
  if (newline.empty())
    newline = lines[*insertAt - 1].lineEnd;
  return rewritten(byteOrderMark(text), lines, *todo, *insertAt,
                   completionLines(completed, now, newline), now);
}

std::optional<std::string> withCompletedOccurrence(std::string_view text, std::size_t todoIndex,
                                                   const std::vector<std::string> &naming,
                                                   foundation::Date now) {
  auto lines = editedLines(text);
  auto todo = todoLines(lines, todoIndex);
  auto uid = todo ? ownLine(lines, *todo, "uid") : std::nullopt;
  if (!uid || !isClosed(lines, *todo) || naming.empty())
    return std::nullopt;
  const EditedLine &end = lines[todo->end - 1]; // the to-do's END
  // The new lines end as the to-do's END does (as the line before it where the text ends there).
  std::string_view newline = end.lineEnd.empty() ? lines[todo->end - 2].lineEnd : end.lineEnd;
  std::string nl(newline.empty() ? "\r\n" : newline);
  std::string added = "BEGIN:VTODO" + nl + std::string(*uid) + nl + "DTSTAMP:" + utcStamp(now) +
                      nl + naming.front() + nl;
  if (auto sequence = ownLine(lines, *todo, "sequence"))
    added += std::string(*sequence) + nl;
  for (auto line = naming.begin() + 1; line != naming.end(); ++line)
    added += *line + nl;
  if (auto summary = ownLine(lines, *todo, "summary"))
    added += std::string(*summary) + nl;
  added += completionLines(true, now, nl) + "END:VTODO" + nl;
  std::string result(byteOrderMark(text));
  for (const auto &line : lines) {
    result += line.raw;
    if (&line != &end)
      continue;
    if (end.lineEnd.empty())
      result += nl; // a file that stops right after the to-do
    result += added;
  }
  return result;
}

bool endsInsideToDo(std::string_view text, std::size_t todoIndex) {
  auto lines = editedLines(text);
  auto todo = todoLines(lines, todoIndex);
  return todo && !isClosed(lines, *todo);
}

} // namespace kit::events
