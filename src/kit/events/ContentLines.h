#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kit::events {

// One content line of an iCalendar text (RFC 5545 §3.1): a physical line and the lines folded
// onto it, each of which begins with a space or a tab.
struct ContentLine {
  std::string_view raw;   // as the text has it, line ends and folds included
  std::string_view first; // the first physical line, without its line end
  bool folded = false;    // whether lines are folded onto the first

  // The line with its folding undone: every line end dropped, and the one space or tab that
  // begins each folded line.
  std::string unfolded() const;

  // The name the line begins with, up to its first ';' or ':', as written; `scratch` holds the
  // unfolded line when the name itself is folded.
  std::string_view name(std::string &scratch) const;
};

// The content lines of a text, in order, one at a time: a single walk that keeps nothing.
class ContentLines {
public:
  explicit ContentLines(std::string_view text) : text_(text) {}

  // The next line; false at the end of the text.
  bool next(ContentLine &line);

private:
  std::string_view text_;
  std::size_t at_ = 0;
};

} // namespace kit::events
