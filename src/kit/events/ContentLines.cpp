#include "kit/events/ContentLines.h"

#include <cstring>

namespace kit::events {

namespace {

// The first `c` in [from, to), or `to`.
std::size_t firstOf(char c, std::string_view text, std::size_t from, std::size_t to) {
  if (from >= to)
    return to;
  const void *found = std::memchr(text.data() + from, c, to - from);
  return found ? static_cast<std::size_t>(static_cast<const char *>(found) - text.data()) : to;
}

// Where the physical line that begins at `from` ends, past its line end: CRLF, LF or CR alone.
// `nextLf` is the first LF at or after the `from` of an earlier call (the text's size when there
// is none), kept from call to call with `from` growing, so that a text of CR line ends is not
// searched to its end for every line.
std::size_t lineEndAfter(std::string_view text, std::size_t from, std::size_t &nextLf) {
  if (nextLf < from)
    nextLf = firstOf('\n', text, from, text.size());
  std::size_t end = firstOf('\r', text, from, nextLf);
  if (end == text.size())
    return end;
  bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
  return end + (crlf ? 2 : 1);
}

std::string_view withoutLineEnd(std::string_view line) {
  if (!line.empty() && line.back() == '\n')
    line.remove_suffix(1);
  if (!line.empty() && line.back() == '\r')
    line.remove_suffix(1);
  return line;
}

std::string_view nameIn(std::string_view line) {
  return line.substr(0, std::min(line.find(';'), line.find(':')));
}

bool continues(char c) { return c == ' ' || c == '\t'; }

} // namespace

std::string_view byteOrderMark(std::string_view text) {
  constexpr std::string_view mark = "\xEF\xBB\xBF";
  return text.starts_with(mark) ? mark : std::string_view();
}

std::string ContentLine::unfolded() const {
  if (!folded)
    return std::string(first);
  std::string text;
  unfolded(text);
  return text;
}

std::string_view ContentLine::unfolded(std::string &text) const {
  if (!folded)
    return first;
  text.clear();
  text.reserve(raw.size());
  std::size_t nextLf = firstOf('\n', raw, 0, raw.size());
  for (std::size_t at = 0; at < raw.size();) {
    std::size_t end = lineEndAfter(raw, at, nextLf);
    std::string_view physical = withoutLineEnd(raw.substr(at, end - at));
    if (at > 0)
      physical.remove_prefix(1); // the space or tab that marks the fold
    text += physical;
    at = end;
  }
  return text;
}

std::string_view ContentLine::name(std::string &scratch) const {
  if (!folded || first.find_first_of(";:") != std::string_view::npos)
    return nameIn(first);
  return nameIn(unfolded(scratch));
}

std::string_view ContentLine::lineEnd() const { return raw.substr(withoutLineEnd(raw).size()); }

ContentLines::ContentLines(std::string_view text)
    : text_(text), at_(byteOrderMark(text).size()), nextLf_(firstOf('\n', text, at_, text.size())) {
}

bool ContentLines::next(ContentLine &line) {
  if (at_ >= text_.size())
    return false;
  std::size_t start = at_;
  std::size_t end = lineEndAfter(text_, start, nextLf_);
  line.first = withoutLineEnd(text_.substr(start, end - start));
  line.folded = false;
  while (end < text_.size() && continues(text_[end])) {
    end = lineEndAfter(text_, end, nextLf_);
    line.folded = true;
  }
  line.raw = text_.substr(start, end - start);
  at_ = end;
  return true;
}

} // namespace kit::events
