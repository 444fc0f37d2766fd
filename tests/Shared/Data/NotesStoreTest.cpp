#include "Shared/Data/NotesStore.h"

#include "support/RecordCoding.h"
#include "support/TempHome.h"

#include <fstream>
#include <gtest/gtest.h>

using namespace kit::foundation;
using zavel::NoteItem;
using zavel::test::ScopedEnvironment;
using zavel::test::TempHome;
namespace NotesStore = zavel::NotesStore;
namespace fs = std::filesystem;

namespace {

const char *kA = "0f8fad5b-d9cb-469f-a165-70867728950e";
const char *kB = "7c9e6679-7425-40de-944b-e07fc1f90ae7";
const char *kC = "E621E1F8-C36C-495A-93FC-0C247A3E6E5F";

UUID id(const char *text) { return *UUID::fromString(text); }

std::string noteJson(const char *noteId, const char *text, double edited, bool pinned) {
  return Json{{"id", noteId}, {"text", text}, {"edited", edited}, {"pinned", pinned}}.dump();
}

std::string listJson(const std::vector<std::string> &notes) {
  std::string list = "[";
  for (const auto &note : notes)
    list += (list.size() > 1 ? "," : "") + note;
  return list + "]";
}

void writeNotes(const std::string &text) { std::ofstream(NotesStore::fileURL()) << text; }

std::string fileText(const fs::path &file = NotesStore::fileURL()) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> textsOf(const std::vector<NoteItem> &notes) {
  std::vector<std::string> texts;
  for (const auto &note : notes)
    texts.push_back(note.text);
  return texts;
}

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
  zavel::test::expectEachChangeRejected<NoteItem>(
      noteJson(kA, "x", 1, false),
      {zavel::test::removed("id"), zavel::test::removed("text"), zavel::test::removed("edited"),
       zavel::test::removed("pinned"), zavel::test::replaced("pinned", 0),
       zavel::test::replaced("id", "note-1"), zavel::test::replaced("edited", "10:00"),
       zavel::test::replaced("text", nullptr)});
}

TEST(NotesStore, FileLivesInTheContainerElseInTheTemporaryFolder) {
  TempHome home;
  EXPECT_EQ(NotesStore::fileURL(),
            home.path() / "containers" / "QK7R2WX9P4.com.brekholt.zavel" / "notes.json");

  TempHome temporary;
  TempHome blocked;
  ScopedEnvironment tmpdir({{"TMPDIR", temporary.path().string()}});
  std::ofstream(blocked.path() / "containers") << "a file where the folder belongs";
  EXPECT_EQ(NotesStore::fileURL(), temporary.path() / "notes.json");
}

TEST(NotesStore, LatestListsNewestEditFirstKeepingFileOrderOnTies) {
  TempHome home;
  struct Case {
    std::vector<std::string> file;
    std::vector<std::string> order;
  } cases[] = {
      {{noteJson(kA, "10:00", 36000, false), noteJson(kB, "12:00", 43200, false),
        noteJson(kC, "11:00", 39600, true)},
       {"12:00", "11:00", "10:00"}},
      // Pinned notes are not moved ahead; equal edits keep the file's order either way round.
      {{noteJson(kA, "first", 500, false), noteJson(kB, "pinned", 100, true),
        noteJson(kC, "second", 500, false)},
       {"first", "second", "pinned"}},
      {{noteJson(kC, "second", 500, false), noteJson(kA, "first", 500, false)},
       {"second", "first"}},
      {{}, {}},
  };
  for (const auto &c : cases) {
    writeNotes(listJson(c.file));
    EXPECT_EQ(textsOf(NotesStore::latest()), c.order) << listJson(c.file);
  }
  // Long enough that an unstable sort would mix up the ties.
  std::vector<std::string> many;
  std::vector<std::string> expected;
  for (int edited = 3; edited >= 0; --edited)
    for (int index = edited; index < 40; index += 4)
      expected.push_back(std::to_string(index));
  for (int index = 0; index < 40; ++index)
    many.push_back(noteJson(kA, std::to_string(index).c_str(), index % 4, false));
  writeNotes(listJson(many));
  EXPECT_EQ(textsOf(NotesStore::latest()), expected);

  writeNotes(listJson({noteJson(kA, "only", 7, true)}));
  EXPECT_EQ(NotesStore::latest(), (std::vector<NoteItem>{{id(kA), "only", Date{7}, true}}));
}

TEST(NotesStore, LatestIsEmptyForAnyFileThatIsNotAWholeNoteList) {
  TempHome home;
  EXPECT_TRUE(NotesStore::latest().empty()); // no file
  const char *texts[] = {
      "",
      "not json",
      R"({"id":"0f8fad5b-d9cb-469f-a165-70867728950e"})",
      R"([{"id":"0f8fad5b-d9cb-469f-a165-70867728950e","text":"a","edited":1,"pinned":false},
          {"id":"7c9e6679-7425-40de-944b-e07fc1f90ae7","text":"no pin","edited":2}])",
      R"([{"id":"0f8fad5b-d9cb-469f-a165-70867728950e","text":"a","edited":1,"pinned":false},)",
      "[null]",
  };
  for (const char *text : texts) {
    writeNotes(text);
    EXPECT_TRUE(NotesStore::latest().empty()) << text;
  }
  fs::remove(NotesStore::fileURL());
  fs::create_directory(NotesStore::fileURL());
  EXPECT_TRUE(NotesStore::latest().empty()); // a folder where the file belongs
}

TEST(NotesStore, TogglePinFlipsOnlyThatMarkOfTheFirstNoteWithTheId) {
  TempHome home;
  struct Case {
    const char *target;
    std::vector<bool> pinsAfter;
  } cases[] = {
      {kA, {true, true, false}},   // unpinned becomes pinned
      {kB, {false, false, false}}, // pinned becomes unpinned
      {kC, {false, true, true}},   // an id written in lower case by the host is the same id
  };
  for (const auto &c : cases) {
    std::vector<std::string> file{noteJson(kA, "a", 3, false), noteJson(kB, "b", 9, true),
                                  noteJson("e621e1f8-c36c-495a-93fc-0c247a3e6e5f", "c", 5, false)};
    writeNotes(listJson(file));
    EXPECT_TRUE(NotesStore::togglePin(id(c.target)));
    auto after = parseJson(fileText());
    ASSERT_TRUE(after && after->size() == 3);
    for (size_t index = 0; index < 3; ++index) {
      auto expected = Json::parse(file[index]);
      expected["pinned"] = c.pinsAfter[index];
      EXPECT_EQ((*after)[index], expected) << c.target << " " << index;
    }
  }

  // The same id twice: only the first in file order changes.
  writeNotes(listJson(
      {noteJson(kB, "b", 1, false), noteJson(kA, "a1", 2, false), noteJson(kA, "a2", 3, false)}));
  ASSERT_TRUE(NotesStore::togglePin(id(kA)));
  std::vector<bool> pins;
  auto after = parseJson(fileText());
  ASSERT_TRUE(after);
  for (const auto &note : *after)
    pins.push_back(note["pinned"].get<bool>());
  EXPECT_EQ(pins, (std::vector<bool>{false, true, false}));
}

TEST(NotesStore, TogglePinKeepsEveryMemberTheHostStored) {
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
  auto text = listJson({noteJson(kA, "ok", 1, false), noteJson(kB, "caf_", 2, false)});
  text[text.find("caf_") + 3] = '\xE9'; // Latin-1, as a careless writer might leave it
  writeNotes(text);
  EXPECT_EQ(textsOf(NotesStore::latest()), (std::vector<std::string>{"caf\uFFFD", "ok"}));
  ASSERT_TRUE(NotesStore::togglePin(id(kB)));
  EXPECT_EQ(NotesStore::latest()[0], (NoteItem{id(kB), "caf\uFFFD", Date{2}, true}));
}

TEST(NotesStore, TogglePinWritesNothingWithoutANoteToChange) {
  TempHome home;
  EXPECT_FALSE(NotesStore::togglePin(id(kA))); // no file
  EXPECT_FALSE(fs::exists(NotesStore::fileURL()));

  const std::string texts[] = {
      kHostNotes, // no note with that id
      R"([{"id":"e621e1f8-c36c-495a-93fc-0c247a3e6e5f","text":"no pin","edited":1}])",
      R"([{"id":"E621E1F8-C36C-495A-93FC-0C247A3E6E5F","text":"a","edited":1,"pinned":false},)",
      R"({"id":"E621E1F8-C36C-495A-93FC-0C247A3E6E5F","text":"a","edited":1,"pinned":false})",
  };
  for (const auto &text : texts) {
    writeNotes(text);
    EXPECT_FALSE(NotesStore::togglePin(id(kC))) << text;
    EXPECT_EQ(fileText(), text);
  }
  auto folder = NotesStore::fileURL().parent_path();
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST(NotesStore, AnInterruptedPinLeavesTheOldFileWhole) {
  TempHome home;
  writeNotes(kHostNotes);
  fs::path seenTemporary;
  bool sawOldFileWhole = false;
  bool sawNewListInTemporary = false;
  auto stop = [&](const fs::path &temporary) {
    seenTemporary = temporary;
    sawOldFileWhole = fileText() == kHostNotes && NotesStore::latest().size() == 2;
    auto written = parseJson(fileText(temporary));
    sawNewListInTemporary = written && (*written)[1]["pinned"] == false;
    return false;
  };
  EXPECT_FALSE(NotesStore::togglePin(id(kB), home.path(), stop));
  EXPECT_EQ(seenTemporary.parent_path(), NotesStore::fileURL().parent_path());
  EXPECT_TRUE(sawOldFileWhole);
  EXPECT_TRUE(sawNewListInTemporary);
  EXPECT_EQ(fileText(), kHostNotes);
  EXPECT_FALSE(fs::exists(seenTemporary));

  auto proceed = [](const fs::path &) { return true; };
  EXPECT_TRUE(NotesStore::togglePin(id(kB), home.path(), proceed));
  EXPECT_FALSE(NotesStore::latest()[0].pinned);
}
