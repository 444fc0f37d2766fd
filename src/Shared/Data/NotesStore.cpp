#include "Shared/Data/NotesStore.h"

#include "Shared/Data/AppGroup.h"
#include "kit/events/AtomicFile.h"
#include "kit/foundation/FileLock.h"
#include "kit/foundation/Utf8.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>

namespace zavel::NotesStore {

namespace {

namespace fs = std::filesystem;
using kit::foundation::Json;

std::optional<std::string> readFile(const fs::path &file) {
  std::error_code error;
  if (!fs::is_regular_file(file, error))
    return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in)
    return std::nullopt;
  std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad())
    return std::nullopt;
  return text;
}

// The file as parsed JSON together with the notes it holds; none unless every element is a
// whole note. Bytes that are not UTF-8 read as replacement characters, so one damaged note text
// does not hide the whole list.
struct NoteDocument {
  Json json;
  std::vector<NoteItem> notes;
};

std::optional<NoteDocument> readDocument(const fs::path &file) {
  auto text = readFile(file);
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

// Beside the note file, hidden, and never removed.
fs::path lockFile(const fs::path &noteFile) {
  return noteFile.parent_path() / ("." + noteFile.filename().string() + ".lock");
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
               const BeforeReplace &beforeReplace) {
  auto file = fileURL(home);
  // Our writers take turns, each reading the file as the last one left it; the host
  // application's own writes do not wait for this.
  auto lock = kit::foundation::FileLock::exclusive(lockFile(file));
  if (!lock)
    return false;
  auto document = readDocument(file);
  if (!document)
    return false;
  const auto &notes = document->notes;
  auto note = std::find_if(notes.begin(), notes.end(),
                           [&](const NoteItem &candidate) { return candidate.id == id; });
  if (note == notes.end())
    return false;
  document->json[static_cast<size_t>(note - notes.begin())]["pinned"] = !note->pinned;
  std::string text;
  try {
    text = kit::foundation::jsonText(document->json);
  } catch (const kit::foundation::EncodeError &) {
    return false;
  }
  return kit::events::replaceFileAtomically(file, text, beforeReplace);
}

} // namespace zavel::NotesStore
