#include "host/HostRun.h"
#include "kit/foundation/JsonCoding.h"
#include "support/ScratchTree.h"
#include "support/TempHome.h"

#include "Shared/Data/NotesStore.h"

#include <gtest/gtest.h>

#include <fstream>

namespace zavel::host::testing {
namespace {

using kit::foundation::Json;
using Texts = std::vector<std::string>;
namespace fs = std::filesystem;

const char *const kinds[] = {"zavel.notes.quick", "zavel.notes.single", "zavel.notes.list",
                             "zavel.notes.pinned"};

TEST(NotesHost, APressAnywhereOnAnyOfThemOpensTheNotes) {
  zavel::test::TempHome home;
  const Json opened = Json::parse(R"({"intent": null, "params": null, "reloaded": [],
      "notifications": [], "wrote": [], "url": "zavelwidgets://open/notes"})");
  // Corners of the screen, the middle, and the casing's rim outside the screen.
  for (const char *kind : kinds)
    for (auto [x, y] : {std::pair{"20", "20"}, {"80", "80"}, {"150", "150"}, {"3", "85"}}) {
      HostResult result = runExecutable({"press", kind, x, y});
      ASSERT_EQ(result.status, 0) << kind << result.err;
      EXPECT_EQ(Json::parse(result.out), opened) << kind << " at " << x << "," << y;
    }
}

// Every text of a dumped tree, in drawing order.
void collectTexts(const Json &node, Texts &texts) {
  if (node.contains("text"))
    texts.push_back(node["text"]);
  for (const Json &child : node.value("children", Json::array()))
    collectTexts(child, texts);
}

// The texts of the widget as a fresh process renders it, at 10:15 on 2 March 2026 in Oslo.
Texts renderedTexts(const char *kind) {
  test_support::ScratchTree scratch;
  HostResult result =
      runExecutableAt("2026-03-02 10:15:42", {"render", kind, "-o", scratch.root() / "notes.png",
                                              "--tree", scratch.root() / "notes.json"});
  EXPECT_EQ(result.status, 0) << result.err;
  Texts texts;
  collectTexts(Json::parse(fileText(scratch.root() / "notes.json"))["root"], texts);
  return texts;
}

TEST(NotesHost, TheDecksPinKeyReloadsPinnedAndListWhichThenShowTheNewPin) {
  zavel::test::TempHome home;
  ASSERT_EQ(runExecutable({"defaults", "write", "zavel.timeformat", "24", "--int"}).status, 0);
  // Edited at 09:00 and 08:00 on the day in Oslo; the deck points at the newest.
  std::ofstream(NotesStore::fileURL()) << R"([
    {"id": "0f8fad5b-d9cb-469f-a165-70867728950e", "text": "Older\nsecond line",
     "edited": 794127600, "pinned": false},
    {"id": "7c9e6679-7425-40de-944b-e07fc1f90ae7", "text": "Newest",
     "edited": 794131200, "pinned": false}])";
  EXPECT_EQ(renderedTexts("zavel.notes.pinned"),
            (Texts{"PINNED", "Newest", "TODAY 09:00", "Older", "second line", "TODAY 08:00"}));

  HostResult pinned = runExecutable({"perform", "NoteDeckPinIntent"});
  ASSERT_EQ(pinned.status, 0) << pinned.err;
  Json report = Json::parse(pinned.out);
  EXPECT_EQ(report["reloaded"],
            Json::parse(R"(["zavel.notes.deck", "zavel.notes.pinned", "zavel.notes.list"])"));
  EXPECT_EQ(report["notifications"], Json::parse(R"(["com.brekholt.zavel.reloadwidgets"])"));

  EXPECT_EQ(renderedTexts("zavel.notes.pinned"), (Texts{"PINNED", "Newest", "TODAY 09:00"}));
  EXPECT_EQ(renderedTexts("zavel.notes.list"),
            (Texts{"NOTES", "2", "— Newest", "— Older", "ALL NOTES +"}));
}

// A note file that is a link, absolute or relative, to a file elsewhere: the pin goes to that
// file under a lock beside it, the link stays, and the report names the note file.
TEST(NotesHost, ThePinWritesThroughALinkAtTheNoteFileUnderALockBesideTheFileItNames) {
  const std::string list = R"([{"id": "7C9E6679-7425-40DE-944B-E07FC1F90AE7", "text": "Linked",
                                "edited": 794131200, "pinned": false}])";
  for (bool relative : {false, true}) {
    SCOPED_TRACE(relative ? "relative" : "absolute");
    zavel::test::TempHome home;
    test_support::ScratchTree outside;
    fs::path container = NotesStore::fileURL().parent_path();
    fs::path target =
        relative ? home.path() / "shared" / "mine.json" : outside.root() / "notes.json";
    fs::create_directories(target.parent_path());
    std::ofstream(target) << list;
    fs::path link = relative ? fs::path("../../shared/mine.json") : target;
    fs::create_symlink(link, NotesStore::fileURL());

    HostResult pinned = runExecutable({"perform", "NoteDeckPinIntent"});
    ASSERT_EQ(pinned.status, 0) << pinned.err;
    EXPECT_EQ(Json::parse(pinned.out)["wrote"], Json::parse(R"(["notes.json"])"));
    EXPECT_EQ(fs::read_symlink(NotesStore::fileURL()), link);
    EXPECT_TRUE(Json::parse(fileText(target))[0]["pinned"]);
    EXPECT_TRUE(fs::exists(target.parent_path() / ("." + target.filename().string() + ".lock")));
    EXPECT_FALSE(fs::exists(container / ".notes.json.lock"));
  }
}

} // namespace
} // namespace zavel::host::testing
