#include "Shared/Data/NotesStore.h"

#include "Shared/Data/AppGroup.h"
#include "kit/foundation/AtomicFile.h"
#include "kit/foundation/FileContents.h"
#include "kit/foundation/FileLock.h"
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
  // A link at the file's place is written through: the file it names is read and replaced, and
  // its lock lies beside it, where every writer of that file finds it.
  auto written = kit::foundation::replacedFile(file);
  if (!written)
    return false;
  // Our writers take turns, each reading the file as the last one left it; the host
  // application's own writes do not wait for this.
  auto lock = kit::foundation::FileLock::exclusive(kit::foundation::lockFileBeside(*written));
  if (!lock)
    return false;
  auto document = readDocument(*written);
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
  // Written under the note file's own name, so it is reported as that; a link turned to
  // another file meanwhile has its copy made elsewhere and is left alone.
  auto sameFile = [&](const fs::path &temporary) {
    return temporary.parent_path() == written->parent_path() &&
           kit::foundation::isTemporaryCopyName(temporary.filename().string(),
                                                written->filename().string()) &&
           (!beforeReplace || beforeReplace(temporary));
  };
  return !kit::foundation::replaceFile(file, text, kit::foundation::Durability::synced, sameFile);
}

} // namespace zavel::NotesStore
