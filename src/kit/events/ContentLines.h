#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kit::events {

// A UTF-8 byte-order mark the text begins with, as some exporters write one; empty when none.
std::string_view byteOrderMark(std::string_view text);

// One content line of an iCalendar text (RFC 5545 §3.1): a physical line and the lines folded
// onto it, each of which begins with a space or a tab. A physical line ends in CRLF, as the
// format asks, or in LF or CR alone, as some programs write; one file may mix them.
struct ContentLine {
  std::string_view raw;   // as the text has it, line ends and folds included
  std::string_view first; // the first physical line, without its line end
  bool folded = false;    // whether lines are folded onto the first

  // The line with its folding undone: every line end dropped, and the one space or tab that
  // begins each folded line.
  std::string unfolded() const;
  // The same, as `first` when nothing is folded onto it and else in `scratch`.
  std::string_view unfolded(std::string &scratch) const;

  // The name the line begins with, up to its first ';' or ':', as written; `scratch` holds the
  // unfolded line when the name itself is folded.
  std::string_view name(std::string &scratch) const;

  // The line end of its last physical line; empty at the end of a text that has none.
  std::string_view lineEnd() const;
};

// The content lines of a text, in order, one at a time: a single walk that keeps nothing. A
// byte-order mark at its start is no part of any line.
class ContentLines {
public:
  explicit ContentLines(std::string_view text);

  // The next line; false at the end of the text.
  bool next(ContentLine &line);

private:
  std::string_view text_;
  std::size_t at_ = 0;
  std::size_t nextLf_ = 0; // the first LF not before the line being read
};

} // namespace kit::events
