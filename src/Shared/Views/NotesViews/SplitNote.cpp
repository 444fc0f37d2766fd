#include "Shared/Views/NotesViews/SplitNote.h"

#include "kit/foundation/TextOperations.h"

#include <vector>

namespace zavel {
namespace {

// The lines between lone line feeds, empty ones kept.
std::vector<std::string_view> lines(std::string_view text) {
  std::vector<std::string_view> pieces;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\n' || (i > 0 && text[i - 1] == '\r'))
      continue;
    pieces.push_back(text.substr(start, i - start));
    start = i + 1;
  }
  pieces.push_back(text.substr(start));
  return pieces;
}

} // namespace

NoteSplit splitNote(std::string_view text) {
  std::vector<std::string_view> pieces = lines(text);
  std::string rest;
  for (size_t i = 1; i < pieces.size(); ++i) {
    if (i > 1)
      rest += ' ';
    rest += pieces[i];
  }
  return {std::string(pieces.front()), kit::foundation::trimmingWhitespace(rest)};
}

} // namespace zavel
