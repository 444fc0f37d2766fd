#pragma once

#include "kit/foundation/AtomicFile.h"
#include "kit/foundation/Date.h"
#include "kit/foundation/JsonCoding.h"
#include "kit/foundation/UUID.h"
#include "kit/foundation/ZavelHome.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace zavel {

// One note of the host application's note list.
struct NoteItem {
  kit::foundation::UUID id; // stable across edits
  std::string text;
  kit::foundation::Date edited;
  bool pinned = false;

  bool operator==(const NoteItem &) const = default;
  static constexpr auto jsonFields() {
    using kit::foundation::field;
    return std::tuple{field("id", &NoteItem::id), field("text", &NoteItem::text),
                      field("edited", &NoteItem::edited), field("pinned", &NoteItem::pinned)};
  }
};

// The note list "notes.json" in the app-group container: a JSON array of notes that the host
// application writes and the widgets read. The widgets change one thing in it, a note's pin.
namespace NotesStore {

// Where the note list lives; worked out anew on every call.
std::filesystem::path fileURL(const std::filesystem::path &home = kit::foundation::zavelHome());

// Note files larger than this (32 MiB) are treated as unreadable: reading, parsing and rewriting
// one would cost the memory of many widget processes.
inline constexpr std::uintmax_t largestFile = std::uintmax_t{32} << 20;

// The notes, newest edit first; notes edited at the same moment keep their file order. Empty when
// the file is missing, unreadable, larger than `largestFile`, or not a list of whole notes.
std::vector<NoteItem> latest(const std::filesystem::path &home = kit::foundation::zavelHome());

// Flips the pin of the first note in file order with that id and replaces the file at once, so
// a reader sees the old list or the new one whole. Everything else the file holds, members this
// system does not know included, is written back as it was. A file that cannot be read as a
// note list, or that has no such note, is left untouched. A symbolic link in the note file's
// place is written through to the file it names and stays a link. Toggles in several processes
// at once take turns on a lock file beside the file written, so none undoes another; the host
// application takes no such turn, so between its writes and ours the last one wins. Under the
// lock, temporary copies of the file that a toggle killed in mid-write left beside it are
// removed once they are an hour old. True when the file was replaced.
bool togglePin(const kit::foundation::UUID &id,
               const std::filesystem::path &home = kit::foundation::zavelHome(),
               const kit::foundation::BeforeReplace &beforeReplace = {});

} // namespace NotesStore

} // namespace zavel
