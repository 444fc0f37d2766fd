#include "Shared/Data/AppGroup.h"
#include "host/HostRun.h"
#include "kit/foundation/JsonCoding.h"
#include "kit/foundation/Utf8.h"
#include "support/ScratchTree.h"
#include "support/TempHome.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace zavel::host::testing {
namespace {

namespace fs = std::filesystem;

// Whether a terminal shows `text` as it is: valid UTF-8 without controls (C0 but the line break,
// DEL, C1), so nothing in it can move the cursor, recolour or clear the screen.
bool printsSafely(std::string_view text) {
  while (!text.empty()) {
    std::size_t length = kit::foundation::wellFormedUtf8Length(text);
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    if (length == 0 || (length == 1 && byte(0) < 0x20 && byte(0) != '\n') || byte(0) == 0x7F ||
        (length == 2 && byte(0) == 0xC2 && byte(1) <= 0x9F))
      return false;
    text.remove_prefix(length);
  }
  return true;
}

// An escape sequence that turns the terminal red, the 8-bit CSI (a C1 control) and a byte that
// is never UTF-8; then how every message shows them. JSON holds no invalid UTF-8 and writes
// controls as escapes, so a name that came in JSON has the first two only.
const std::string kHostile = "\x1b[31m\xc2\x9b\xff";
const std::string kShown = "\\x1B[31m\\xC2\\x9B\\xFF";
const std::string kJsonHostile = "\\u001b[31m\\u009b";
const std::string kJsonShown = "\\x1B[31m\\xC2\\x9B";

// A reminder of UID "call", for a calendar folder to hold.
constexpr const char *kReminder =
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Zavel tests//EN\r\nBEGIN:VTODO\r\n"
    "UID:call\r\nSUMMARY:call\r\nEND:VTODO\r\nEND:VCALENDAR\r\n";

// Every message that echoes a path, a kind, an argument or a value shows it escaped: refusals
// (2), failures (1) and warnings of a command that does its work (0).
TEST(HostMessages, EveryEchoedNameAndValueIsEscaped) {
  zavel::test::TempHome home;
  // No suite can be opened, so a write of the settings fails naming its key.
  home.blockSuites({std::string(AppGroup::identifier), "standard"});
  test_support::ScratchTree scratch;
  const fs::path root = scratch.root();
  const std::string file = scratch.write("file", "a file"), picture = root / "moon.png";
  const std::string folder = scratch.folder(kHostile);
  const std::string pointed = root / ("pointed" + kHostile + ".png");
  fs::create_symlink(pointed, root / "link.png");
  struct Case {
    std::vector<std::string> words;
    int status;
    std::string shown;
  };
  const Case cases[] = {
      {{kHostile}, 2, "unknown command \"" + kShown + "\""},
      {{"help", kHostile}, 2, "unknown command \"" + kShown + "\""},
      {{"list", "--" + kHostile}, 2, "unknown option \"--" + kShown + "\""},
      {{"list", kHostile}, 2, "unexpected argument \"" + kShown + "\""},
      {{"render", kHostile, "-o", picture}, 2, "unknown widget kind \"" + kShown + "\""},
      {{"render", "zavel.moon", "-o", root / ("none" + kHostile) / "a.png"},
       1,
       "cannot write \"" + (root / "none").string() + kShown + "/a.png\""},
      {{"render", "zavel.moon", "-o", picture, "--tree", root / ("none" + kHostile) / "t.json"},
       1,
       "cannot write \"" + (root / "none").string() + kShown + "/t.json\""},
      {{"render", "zavel.moon", "-o", folder}, 1, "cannot write \"" + root.string() + "/" + kShown},
      {{"render", "zavel.moon", "-o", pointed, "--tree", root / "link.png"},
       2,
       "name the same file \"" + (root / "pointed").string() + kShown},
      {{"gallery", "-o", fs::path(file) / kHostile},
       1,
       "cannot make the folder \"" + file + "/" + kShown + "\""},
      {{"render", "zavel.moon", "-o", picture, "--scheme", kHostile},
       2,
       "must be light|dark, not \"" + kShown + "\""},
      {{"render", "zavel.moon", "-o", picture, "--scale", kHostile}, 2, "not \"" + kShown + "\""},
      {{"render", "zavel.moon", "-o", picture, "--entry", kHostile}, 2, "not \"" + kShown + "\""},
      {{"render", "zavel.moon", "-o", picture, "--size", kHostile}, 2, "not \"" + kShown + "\""},
      {{"press", "zavel.moon", kHostile, "10"}, 2, "not \"" + kShown + "\""},
      {{"render", "zavel.moon", "-o", picture, "--config", "{\"" + kJsonHostile + "\": 1}"},
       2,
       "\"" + kJsonShown + "\" is not a parameter"},
      {{"perform", "WeatherDeckViewIntent", "--params", "{\"view\": \"" + kJsonHostile + "\"}"},
       2,
       "not \"" + kJsonShown + "\""},
      {{"render", "zavel.clock.dual", "-o", picture, "--config",
        "{\"home\": \"" + kJsonHostile + "\"}"},
       0,
       "\"home\" is \"" + kJsonShown + "\", which names no"},
      {{"perform", kHostile}, 2, "unknown intent \"" + kShown + "\""},
      {{"query", kHostile}, 2, "unknown entity \"" + kShown + "\""},
      {{"defaults", kHostile, "key"}, 2, "unknown action \"" + kShown + "\""},
      {{"defaults", "read", kHostile}, 1, "no value under \"" + kShown + "\""},
      {{"defaults", "write", kHostile, "1"}, 1, "to store \"" + kShown + "\""},
      {{"defaults", "delete", kHostile}, 1, "to remove \"" + kShown + "\""},
      {{"defaults", "write", "key", kHostile, "--bool"}, 2, "not \"" + kShown + "\""},
  };
  for (const Case &c : cases) {
    HostResult result = runHostOnWidgets(c.words);
    SCOPED_TRACE(c.shown);
    EXPECT_EQ(std::pair(result.status, lines(result.err).size()), std::pair(c.status, 1ul))
        << result.err;
    EXPECT_NE(result.err.find(c.shown), std::string::npos) << result.err;
    EXPECT_TRUE(printsSafely(result.err)) << result.err;
  }
}

// What a press or perform prints escapes every control, DEL and C1 too, in JSON's own form: a
// calendar's name in it cannot steer the terminal, and reads back as it was.
TEST(HostMessages, TheReportEscapesEveryControl) {
  zavel::test::TempHome home;
  // Both ends of the C1 controls, and the 8-bit CSI between them.
  const std::string calendar = "in\x1b\xc2\x9b\x7f\xc2\x80\xc2\x9f";
  fs::create_directories(home.path() / "calendars" / calendar);
  std::ofstream(home.path() / "calendars" / calendar / "call.ics", std::ios::binary) << kReminder;
  HostResult result =
      runHostOnWidgets({"perform", "ToggleReminderIntent", "--params",
                        R"({"reminderID": "in\u001b\u009b\u007f\u0080\u009f/call"})"});
  ASSERT_EQ(std::pair(result.status, result.err), std::pair(0, std::string()));
  EXPECT_TRUE(printsSafely(result.out)) << result.out;
  for (const char *escape : {"in\\u001b\\u009b\\u007f\\u0080\\u009f/call",
                             "calendars/in\\u001b\\u009b\\u007f\\u0080\\u009f/"})
    EXPECT_NE(result.out.find(escape), std::string::npos) << result.out;
  EXPECT_EQ(kit::foundation::Json::parse(result.out)["wrote"].back(),
            "calendars/" + calendar + "/call.ics");
}

// A path in a message is never cut, however long: its end is what tells one file from another.
// Each case names one whose last part is past the cut a name from the command line gets.
TEST(HostMessages, APathIsShownWhole) {
  zavel::test::TempHome home;
  test_support::ScratchTree scratch;
  const std::string longName(120, 'n');
  const fs::path root = scratch.root() / longName;
  const std::string file = scratch.write(longName + "/file", "a file");
  const std::string folder = scratch.folder(longName + "/folder.png");
  const std::string picture = root / "moon.png";
  fs::create_symlink(picture, root / "link.png");
  // A reminder whose file has no write bits, in a calendar of a long name.
  const fs::path calendar = home.path() / "calendars" / longName;
  fs::create_directories(calendar);
  std::ofstream(calendar / "call.ics", std::ios::binary) << kReminder;
  ::chmod((calendar / "call.ics").c_str(), 0444);
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"render", "zavel.moon", "-o", root / "none/end.png"},
       "cannot write \"" + (root / "none/end.png").string() + "\": "},
      {{"render", "zavel.moon", "-o", picture, "--tree", root / "none/end.json"},
       "cannot write \"" + (root / "none/end.json").string() + "\": "},
      {{"render", "zavel.moon", "-o", folder}, "cannot write \"" + folder + "\": it is a folder"},
      {{"gallery", "-o", fs::path(file) / "end"}, "cannot make the folder \"" + file + "/end\": "},
      {{"render", "zavel.moon", "-o", picture, "--tree", root / "link.png"},
       "name the same file \"" + picture + "\""},
      {{"perform", "ToggleReminderIntent", "--params",
        R"({"reminderID":")" + longName + R"(/call"})"},
       "not written: \"calendars/" + longName + "/call.ics\": "},
  };
  for (const auto &[words, shown] : cases) {
    HostResult result = runHostOnWidgets(words);
    EXPECT_EQ(lines(result.err).size(), 1u) << result.err;
    EXPECT_NE(result.err.find(shown), std::string::npos) << result.err;
  }
  ::chmod((calendar / "call.ics").c_str(), 0644);
}

// A text another program stored is printed with what could steer the terminal escaped as error
// lines show it (C0 but tab and line break, DEL, C1 from U+0080 to U+009F, bytes that are not
// UTF-8), whatever the output is; everything else, a record's JSON too, as it was stored.
TEST(HostMessages, AStoredTextIsPrintedWithItsControlsEscaped) {
  zavel::test::TempHome home;
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"\x1b[31mred"}, "\\x1B[31mred"},
      {{"a\tb\nc\rd"}, "a\tb\nc\\x0Dd"},
      {{"\x01\x1f\x7f"}, "\\x01\\x1F\\x7F"},
      {{"\xc2\x80|\xc2\x9b|\xc2\x9f|\xc2\xa0"}, "\\xC2\\x80|\\xC2\\x9B|\\xC2\\x9F|\xc2\xa0"},
      {{"\xff\xc2"}, "\\xFF\\xC2"},
      {{R"({"say": "\"hi\" \\ \u001b", "c1": ")"
        "\xc2\x9f"
        R"("})",
        "--json"},
       R"({"say": "\"hi\" \\ \u001b", "c1": "\xC2\x9F"})"},
  };
  for (const auto &[value, shown] : cases) {
    std::vector<std::string> write{"defaults", "write", "stored", value.front()};
    write.insert(write.end(), value.begin() + 1, value.end());
    ASSERT_EQ(runHostOnWidgets(write).status, 0) << shown;
    HostResult read = runHostOnWidgets({"defaults", "read", "stored"});
    EXPECT_EQ(std::pair(read.status, read.out), std::pair(0, shown + "\n"));
  }
}

} // namespace
} // namespace zavel::host::testing
