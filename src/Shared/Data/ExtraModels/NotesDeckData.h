#pragma once

#include "Shared/Data/NotesStore.h"

#include "kit/foundation/JsonCoding.h"

#include <cstdint>
#include <tuple>
#include <vector>

namespace zavel {

// What the notes deck draws: the note list, newest edit first, and the position of the note on
// the screen, as the provider read it (the view brings it into range).
struct NotesDeckData {
  std::vector<NoteItem> notes;
  int64_t index = 0;

  // Three notes, the first pinned; built once per process.
  static const NotesDeckData &sample();

  bool operator==(const NotesDeckData &) const = default;
  static constexpr auto jsonFields() {
    using kit::foundation::field;
    return std::tuple{field("notes", &NotesDeckData::notes), field("index", &NotesDeckData::index)};
  }
};

} // namespace zavel
