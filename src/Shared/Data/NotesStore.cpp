#include "Shared/Data/NotesStore.h"

#include "Shared/Data/AppGroup.h"
#include "kit/foundation/FileContents.h"
#include "kit/foundation/LockedReplace.h"
#include "kit/foundation/Utf8.h"

#include <algorithm>
#include <optional>

namespace zavel::NotesStore {

namespace {

namespace fs = std::filesystem;
using kit::foundation::Json;

// The file as parsed JSON together with the notes it holds; none unless every element is a
// whole note. Bytes that are not UTF-8 read as replacement characters, so one damaged note text
// does not hide the whole list.
struct NoteDocument {
  Json json;
  std::vector<NoteItem> notes;
};

std::optional<NoteDocument> readDocument(const fs::path &file) {
  auto text = kit::foundation::readRegularFile(file, largestFile);
  auto json =
      text ? kit::foundation::parseJson(kit::foundation::sanitizedUtf8(*text)) : std::nullopt;
  if (!json)
    return std::nullopt;
  try {
    auto notes = kit::foundation::decodeJson<std::vector<NoteItem>>(*json);
    return NoteDocument{std::move(*json), std::move(notes)};
  } catch (const kit::foundation::DecodeError &) {
    return std::nullopt;
  }
}

// The note list with the pin of the first note of that id flipped; none when the file cannot be
// read as a note list or has no such note.
std::optional<std::string> withPinToggled(const fs::path &file, const kit::foundation::UUID &id) {
  auto document = readDocument(file);
  if (!document)
    return std::nullopt;
  const auto &notes = document->notes;
  auto note = std::find_if(notes.begin(), notes.end(),
                           [&](const NoteItem &candidate) { return candidate.id == id; });
  if (note == notes.end())
    return std::nullopt;
  document->json[static_cast<size_t>(note - notes.begin())]["pinned"] = !note->pinned;
  try {
    return kit::foundation::jsonText(document->json);
  } catch (const kit::foundation::EncodeError &) {
    return std::nullopt;
  }
}

} // namespace

fs::path fileURL(const fs::path &home) { return AppGroup::containerURL(home) / "notes.json"; }

std::vector<NoteItem> latest(const fs::path &home) {
  auto document = readDocument(fileURL(home));
  if (!document)
    return {};
  auto notes = std::move(document->notes);
  std::stable_sort(notes.begin(), notes.end(),
                   [](const NoteItem &a, const NoteItem &b) { return a.edited > b.edited; });
  return notes;
}

bool togglePin(const kit::foundation::UUID &id, const fs::path &home,
               const kit::foundation::BeforeReplace &beforeReplace) {
  // The host application's own writes do not take the lock: between its writes and ours the
  // last one wins.
  return !kit::foundation::replaceLocked(
      fileURL(home), [&](const fs::path &file) { return withPinToggled(file, id); }, beforeReplace);
}

} // namespace zavel::NotesStore
