#include "Shared/Data/NotesStore.h"

#include "support/Pluck.h"
#include "support/RecordCoding.h"
#include "support/ScratchTree.h"
#include "support/TempHome.h"

#include <chrono>
#include <fstream>
#include <gtest/gtest.h>

using namespace kit::foundation;
using zavel::NoteItem;
using zavel::test::TempHome;
using Texts = std::vector<std::string>;
namespace NotesStore = zavel::NotesStore;
namespace fs = std::filesystem;

namespace {

const char *kA = "0f8fad5b-d9cb-469f-a165-70867728950e";
const char *kB = "7c9e6679-7425-40de-944b-e07fc1f90ae7";
const char *kC = "E621E1F8-C36C-495A-93FC-0C247A3E6E5F";

UUID id(const char *text) { return *UUID::fromString(text); }

Json note(const char *noteId, const std::string &text, double edited, bool pinned = false) {
  return {{"id", noteId}, {"text", text}, {"edited", edited}, {"pinned", pinned}};
}

void writeNotes(const std::string &text) { std::ofstream(NotesStore::fileURL()) << text; }
void writeList(const std::vector<Json> &notes) { writeNotes(Json(notes).dump()); }

std::string fileText(const fs::path &file = NotesStore::fileURL()) {
  return test_support::fileText(file);
}

Texts latestTexts() { return zavel::test::pluck(NotesStore::latest(), &NoteItem::text); }

// Members of the host application's notes that the widgets know nothing of.
const std::string kHostNotes = R"([
  {"id":"0f8fad5b-d9cb-469f-a165-70867728950e","text":"Buy film","edited":36000,"pinned":false,
   "colour":"amber","tags":["errand"],"attachments":[{"kind":"image","bytes":2048}]},
  {"id":"7c9e6679-7425-40de-944b-e07fc1f90ae7","text":"Call the framer","edited":43200.5,
   "pinned":true,"folder":null}])";

} // namespace

TEST(NoteItem, HostJsonReadsAndNotesWriteTheirFourMembers) {
  zavel::test::expectJsonForm(
      R"({"pinned":true,"edited":-3.5,"text":"Line one\nLine two","id":"7c9e6679-7425-40de-944b-e07fc1f90ae7","colour":"amber"})",
      NoteItem{id(kB), "Line one\nLine two", Date{-3.5}, true},
      R"({"id":"7C9E6679-7425-40DE-944B-E07FC1F90AE7","text":"Line one\nLine two","edited":-3.5,
          "pinned":true})");
  using namespace zavel::test;
  expectEachChangeRejected<NoteItem>(note(kA, "x", 1).dump(),
                                     {removed("pinned"), replaced("id", "note-1")});
}

TEST(NotesStore, LatestListsNewestEditFirstKeepingFileOrderOnTies) {
  TempHome home;
  EXPECT_EQ(NotesStore::fileURL(),
            home.path() / "containers" / "QK7R2WX9P4.com.brekholt.zavel" / "notes.json");
  // Pinned notes are not moved ahead; equal edits keep the file's order either way round.
  writeList({note(kA, "first", 500), note(kB, "pinned", 100, true), note(kC, "second", 500),
             note(kC, "newest", 501)});
  EXPECT_EQ(latestTexts(), (Texts{"newest", "first", "second", "pinned"}));
  // Long enough that an unstable sort would mix up the ties.
  std::vector<Json> many;
  Texts expected;
  for (int index = 0; index < 40; ++index)
    many.push_back(note(kA, std::to_string(index), index % 4));
  for (int edited = 3; edited >= 0; --edited)
    for (int index = edited; index < 40; index += 4)
      expected.push_back(std::to_string(index));
  writeList(many);
  EXPECT_EQ(latestTexts(), expected);
}

TEST(NotesStore, TogglePinFlipsOnlyThePinOfTheFirstNoteWithTheIdKeepingUnknownMembers) {
  TempHome home;
  writeNotes(kHostNotes);
  ASSERT_TRUE(NotesStore::togglePin(id(kA)));
  auto expected = Json::parse(kHostNotes);
  expected[0]["pinned"] = true;
  EXPECT_EQ(*parseJson(fileText()), expected);
  ASSERT_TRUE(NotesStore::togglePin(id(kA)));
  EXPECT_EQ(*parseJson(fileText()), Json::parse(kHostNotes));
}

TEST(NotesStore, TextThatIsNotUtf8ReadsWithReplacementCharacters) {
  TempHome home;
  auto text = Json(std::vector<Json>{note(kA, "ok", 1), note(kB, "caf_", 2)}).dump();
  text[text.find("caf_") + 3] = '\xE9'; // Latin-1, as a careless writer might leave it
  writeNotes(text);
  EXPECT_EQ(latestTexts(), (Texts{"caf\uFFFD", "ok"}));
  ASSERT_TRUE(NotesStore::togglePin(id(kB)));
  EXPECT_EQ(NotesStore::latest()[0], (NoteItem{id(kB), "caf\uFFFD", Date{2}, true}));
}

TEST(NotesStore, AnythingButAWholeNoteListReadsEmptyAndNothingToPinWritesNothing) {
  TempHome home;
  EXPECT_TRUE(NotesStore::latest().empty()); // no file
  EXPECT_FALSE(NotesStore::togglePin(id(kA)));
  EXPECT_FALSE(fs::exists(NotesStore::fileURL()));
  // No list; a list cut short; one note without its pin; no note with that id.
  const std::string texts[] = {
      note(kC, "a", 1).dump(), "[" + note(kC, "a", 1).dump() + ",",
      R"([{"id":"e621e1f8-c36c-495a-93fc-0c247a3e6e5f","text":"no pin","edited":1}])", kHostNotes};
  for (const auto &text : texts) {
    writeNotes(text);
    EXPECT_EQ(NotesStore::latest().empty(), text != kHostNotes) << text;
    EXPECT_FALSE(NotesStore::togglePin(id(kC))) << text;
    EXPECT_EQ(fileText(), text);
  }
  // The note file and the lock file our writers take turns on: no temporary file is left.
  auto folder = NotesStore::fileURL().parent_path();
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);
  fs::remove(NotesStore::fileURL());
  fs::create_directory(NotesStore::fileURL());
  EXPECT_TRUE(NotesStore::latest().empty()); // a folder where the file belongs
}

TEST(NotesStore, AnInterruptedPinLeavesTheOldFileWhole) {
  TempHome home;
  writeNotes(kHostNotes);
  fs::path temporary;
  bool oldWholeNewWritten = false;
  auto stop = [&](const fs::path &written) {
    temporary = written;
    oldWholeNewWritten =
        fileText() == kHostNotes && (*parseJson(fileText(written)))[1]["pinned"] == false;
    return false;
  };
  EXPECT_FALSE(NotesStore::togglePin(id(kB), home.path(), stop));
  EXPECT_TRUE(oldWholeNewWritten);
  EXPECT_EQ(temporary.parent_path(), NotesStore::fileURL().parent_path());
  EXPECT_EQ(fileText(), kHostNotes);
  EXPECT_FALSE(fs::exists(temporary));
}

TEST(NotesStore, AFileLargerThan32MiBIsUnreadableAndNeverRewritten) {
  TempHome home;
  // A whole note list padded with spaces: only its size tells it apart.
  std::string list = Json(std::vector<Json>{note(kA, "big", 1)}).dump();
  for (auto [size, readable] :
       {std::pair{NotesStore::largestFile, true}, std::pair{NotesStore::largestFile + 1, false}}) {
    std::string text = list + std::string(size - list.size(), ' ');
    writeNotes(text);
    EXPECT_EQ(latestTexts(), readable ? Texts{"big"} : Texts{}) << size;
    EXPECT_EQ(NotesStore::togglePin(id(kA)), readable) << size;
    if (!readable) {
      EXPECT_EQ(fileText(), text);
    }
  }
}

// Copies a pin killed in mid-write left beside the file it writes (here a link's target) go
// once they are an hour old; the lock file, younger copies and other names stay.
TEST(NotesStore, APinRemovesItsOwnStaleCopiesBesideTheFileItWrites) {
  TempHome home;
  test_support::ScratchTree elsewhere;
  fs::path target = elsewhere.write("notes.json", Json(std::vector<Json>{note(kA, "a", 1)}).dump());
  fs::create_symlink(target, NotesStore::fileURL());
  fs::path besideLink = NotesStore::fileURL().parent_path() / ".notes.json.Cd4eF6";
  std::ofstream(besideLink) << "[]";
  auto twoHoursAgo = fs::file_time_type::clock::now() - std::chrono::hours(2);
  auto aged = [&](const fs::path &file) {
    fs::last_write_time(file, twoHoursAgo);
    return file;
  };
  fs::path stale = aged(elsewhere.write(".notes.json.Ab3xY9", "[]"));
  const std::vector<fs::path> kept{
      elsewhere.write(".notes.json.Qr7tU1", "[]"),        // young: may be a live writer's
      aged(elsewhere.write(".notes.json.lock", "")),      // the lock itself
      aged(elsewhere.write(".notes.json.Ab3xY", "[]")),   // five characters
      aged(elsewhere.write(".notes.json.Ab3xY99", "[]")), // seven
      aged(elsewhere.write(".other.json.Ab3xY9", "[]")),  // another file's
      aged(elsewhere.folder(".notes.json.Fo1der")),       // not a file
      // Beside the link nothing of ours writes while it is a link.
      aged(besideLink)};
  ASSERT_TRUE(NotesStore::togglePin(id(kA)));
  EXPECT_FALSE(fs::exists(stale));
  for (const auto &file : kept)
    EXPECT_TRUE(fs::exists(file)) << file;
  EXPECT_TRUE(NotesStore::latest().at(0).pinned);
}

// Every writer of the file a link names finds the pin's lock beside that file, wherever the
// link lies; none is made beside the link.
TEST(NotesStore, APinThroughALinkTakesItsLockBesideTheFileTheLinkNames) {
  TempHome home;
  test_support::ScratchTree elsewhere;
  fs::path target = elsewhere.write("notes.json", Json(std::vector<Json>{note(kA, "a", 1)}).dump());
  fs::create_symlink(target, NotesStore::fileURL());
  ASSERT_TRUE(NotesStore::togglePin(id(kA)));
  EXPECT_TRUE(fs::exists(elsewhere.root() / ".notes.json.lock"));
  EXPECT_FALSE(fs::exists(NotesStore::fileURL().parent_path() / ".notes.json.lock"));
  EXPECT_TRUE(fs::is_symlink(NotesStore::fileURL()));
}
