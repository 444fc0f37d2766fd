#pragma once

#include <string>
#include <string_view>

namespace zavel {

// A note's first line and the rest of it run together on one line.
struct NoteSplit {
  std::string title;
  std::string preview;
  bool operator==(const NoteSplit &) const = default;
};

// The title is the text up to its first line feed, as written; the preview joins the other lines
// with single spaces and trims blanks and tabs at its ends. A carriage return before a line feed
// makes the pair one character, which separates nothing.
NoteSplit splitNote(std::string_view text);

} // namespace zavel
