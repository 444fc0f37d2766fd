#include "Shared/Data/AppGroup.h"
#include "Shared/Data/NotesStore.h"
#include "Widgets/ZavelWidgetsBundle.h"
#include "host/HostRun.h"
#include "host/WidgetRendering.h"
#include "kit/foundation/Defaults.h"
#include "kit/foundation/JsonCoding.h"
#include "kit/foundation/notifications/NotificationRecorder.h"
#include "kit/foundation/tasks/BackgroundTasks.h"
#include "kit/widgets/WidgetCenter.h"
#include "support/TempHome.h"

#include <fmt/format.h>
#include <fmt/ranges.h>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <map>
#include <mutex>
#include <random>
#include <set>
#include <sqlite3.h>

namespace zavel::host::testing {
namespace {

namespace fs = std::filesystem;
using kit::foundation::Data;
using kit::foundation::Defaults;
using kit::foundation::DefaultsValue;
using kit::foundation::Json;

// Who reads and writes the stores: a widget, asked for its timeline whose every entry is
// coded and whose first is drawn, as the host does; or an intent, performed with its defaults.
struct Actor {
  std::string name;
  std::function<void()> act;
  bool isIntent = false;
};

void drawWidget(const kit::widgets::AnyWidget &widget) {
  auto context = kit::widgets::TimelineContext::of(widget.info().family);
  auto timeline = widget.configure(Json::object()).timeline(context);
  if (timeline.entries.empty())
    throw std::runtime_error("an empty timeline");
  for (const auto &entry : timeline.entries)
    entry.json();
  renderTree(layOutEntry(timeline.entries.front(), context.displaySize), 1);
}

std::vector<Actor> everyActor(const kit::widgets::WidgetBundle &bundle) {
  std::vector<Actor> actors;
  for (const auto &widget : bundle.widgets())
    actors.push_back({widget.kind(), [&widget] { drawWidget(widget); }});
  for (const auto &intent : bundle.intents().intents())
    actors.push_back(
        {intent.typeName,
         [&bundle, name = intent.typeName] { bundle.intents().perform(name, Json::object()); },
         true});
  return actors;
}

// The suite keys looked for and written while it lives.
class KeyLog {
public:
  std::set<std::string> read() const { return locked(read_); }
  std::set<std::string> written() const { return locked(written_); }
  void forgetWrites() {
    std::lock_guard lock(mutex_);
    written_.clear();
  }

private:
  std::set<std::string> locked(const std::set<std::string> &keys) const {
    std::lock_guard lock(mutex_);
    return keys;
  }
  std::function<void(std::string_view, std::string_view)> into(std::set<std::string> &keys) {
    return [this, &keys](std::string_view store, std::string_view key) {
      std::lock_guard lock(mutex_);
      if (store == AppGroup::identifier)
        keys.emplace(key);
    };
  }

  mutable std::mutex mutex_;
  std::set<std::string> read_, written_;
  kit::foundation::DefaultsReadObserver readObserver_{into(read_)};
  kit::foundation::DefaultsWriteObserver writeObserver_{into(written_)};
};

// What one run of an actor did.
struct Outcome {
  std::string failure; // what escaped it
  std::string report;  // the kinds it reloaded and the notifications it posted, in order
  std::set<std::string> wrote;
};

Outcome perform(const Actor &actor, KeyLog &log) {
  Outcome outcome;
  log.forgetWrites();
  kit::widgets::ReloadRecorder reloads;
  kit::foundation::NotificationRecorder notifications;
  try {
    actor.act();
  } catch (const std::exception &error) {
    outcome.failure = error.what();
  } catch (...) {
    outcome.failure = "something not an exception";
  }
  // Work started in the background ends before the next actor looks.
  kit::foundation::waitForBackgroundTasks(std::chrono::seconds(2));
  outcome.report = fmt::format("reloaded {}; posted {}", fmt::join(reloads.kinds(), ","),
                               fmt::join(notifications.names(), ","));
  outcome.wrote = log.written();
  return outcome;
}

// Each kind of hostile value: what it makes of a key, given what that key held after the
// widgets and intents ran on an empty home, and what it puts in the note file.
struct Hostile {
  const char *name;
  std::function<std::optional<DefaultsValue>(const std::optional<DefaultsValue> &held)> value;
  std::string notes;
  // Every reader finds it unreadable, so every intent acts as on an empty home.
  bool readsAsAbsent = false;
};

std::string randomBytes(std::size_t count) {
  std::mt19937 random(37);
  std::string bytes(count, '\0');
  for (char &byte : bytes)
    byte = static_cast<char>(random());
  bytes[0] = '\xFF'; // never the start of JSON
  return bytes;
}

// The JSON held as data under a key; none for anything else.
std::optional<Json> heldJson(const std::optional<DefaultsValue> &held) {
  const auto *data = held ? std::get_if<Data>(&*held) : nullptr;
  return data ? kit::foundation::parseJson(data->bytes) : std::nullopt;
}

// `json` with every number replaced by the text `number`.
std::string withNumbers(const Json &json, const std::string &number) {
  if (json.is_number())
    return number;
  if (json.is_array()) {
    std::vector<std::string> elements;
    for (const auto &element : json)
      elements.push_back(withNumbers(element, number));
    return fmt::format("[{}]", fmt::join(elements, ","));
  }
  if (json.is_object()) {
    std::vector<std::string> members;
    for (const auto &[name, value] : json.items())
      members.push_back(Json(name).dump() + ":" + withNumbers(value, number));
    return fmt::format("{{{}}}", fmt::join(members, ","));
  }
  return json.dump();
}

// `json` with its first string (in document order) replaced by `text`; true once replaced.
bool replaceFirstString(Json &json, const std::string &text) {
  if (json.is_string()) {
    json = text;
    return true;
  }
  if (!json.is_structured())
    return false;
  for (auto &element : json)
    if (replaceFirstString(element, text))
      return true;
  return false;
}

std::string noteList(const std::string &text, const std::string &edited) {
  return fmt::format(R"([{{"id":"0F8FAD5B-D9CB-469F-A165-70867728950E","text":{},"edited":{},)"
                     R"("pinned":false}}])",
                     Json(text).dump(), edited);
}

// A number as every reader may meet it: inside a record that is otherwise whole, or plain.
Hostile number(const char *name, const std::string &text, DefaultsValue plain) {
  return {name,
          [=](const std::optional<DefaultsValue> &held) -> std::optional<DefaultsValue> {
            if (auto json = heldJson(held))
              return Data{withNumbers(*json, text)};
            return plain;
          },
          noteList("a note", text)};
}

// A huge text where a reader takes text: a string, a string array, the first string of a
// record; keys that hold none keep their value.
Hostile hugeText(const std::string &text) {
  return {"a string of a million characters",
          [=](const std::optional<DefaultsValue> &held) -> std::optional<DefaultsValue> {
            if (!held)
              return std::nullopt;
            if (std::holds_alternative<std::string>(*held))
              return text;
            if (std::holds_alternative<std::vector<std::string>>(*held))
              return std::vector<std::string>{text};
            auto json = heldJson(held);
            if (json && replaceFirstString(*json, text))
              return Data{json->dump()};
            return std::nullopt;
          },
          noteList(text, "1")};
}

// Stored as the host application might: data larger than this store writes goes in by SQL.
bool storeAsAnotherProgram(const fs::path &file, Defaults &suite, const std::string &key,
                           const DefaultsValue &value) {
  const auto *data = std::get_if<Data>(&value);
  if (!data || data->bytes.size() <= kit::foundation::largestDefaultsValue)
    return suite.set(key, value);
  sqlite3 *raw = nullptr;
  sqlite3_open(file.c_str(), &raw);
  std::unique_ptr<sqlite3, int (*)(sqlite3 *)> database(raw, sqlite3_close);
  sqlite3_stmt *statement = nullptr;
  sqlite3_prepare_v2(raw, "INSERT OR REPLACE INTO entries VALUES(?1, 'data', ?2)", -1, &statement,
                     nullptr);
  std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt *)> owned(statement, sqlite3_finalize);
  sqlite3_bind_text(statement, 1, key.data(), static_cast<int>(key.size()), SQLITE_TRANSIENT);
  sqlite3_bind_blob(statement, 2, data->bytes.data(), static_cast<int>(data->bytes.size()),
                    SQLITE_TRANSIENT);
  return sqlite3_step(statement) == SQLITE_DONE;
}

std::vector<Hostile> hostileValues() {
  using limits = std::numeric_limits<double>;
  auto fixed = [](const char *name, std::string bytes) {
    return Hostile{name, [=](const auto &) { return DefaultsValue(Data{bytes}); }, bytes, true};
  };
  return {
      fixed("random bytes", randomBytes(4096)),
      fixed("JSON text where a record belongs", R"("zavel")"),
      // Over the size a stored value may have: unreadable unread.
      fixed("2 MiB of JSON", "[" + std::string(2 << 20, ' ') + "]"),
      fixed("JSON array of every type", R"([1,"two",null,true,{"three":[]}])"),
      fixed("JSON object of unknown members", R"({"zavel":{"id":7},"items":"none"})"),
      number("the largest integer", "9223372036854775807",
             int64_t{std::numeric_limits<int64_t>::max()}),
      number("the smallest integer", "-9223372036854775808",
             int64_t{std::numeric_limits<int64_t>::min()}),
      number("the largest double", "1.7976931348623157e308", limits::max()),
      number("the most negative double", "-1.7976931348623157e308", -limits::max()),
      number("infinity", "1e999", limits::infinity()),
      number("minus infinity", "-1e999", -limits::infinity()),
      // As large as a stored value may be with room for the record around it; larger ones read
      // as unreadable, as random bytes do.
      hugeText(std::string(1'000'000, 'W')),
  };
}

// Whatever is stored under the keys the extension reads, and in the note file, every widget is
// drawn and every intent performed without an error, and nothing is overwritten except by an
// intent's own write or a widget's rewrite of its own record. The widgets and intents are those
// of the bundle, and the keys those they look for, so new ones are covered as they come.
TEST(HostileStoredData, EveryWidgetDrawsAndEveryIntentPerformsOverwritingNothingOfAnother) {
  zavel::test::TempHome home;
  ProgramEnvironment fixed;
  auto bundle = makeWidgetsBundle();
  auto actors = everyActor(bundle);
  KeyLog log;
  // On an empty home: what each writes and reports, and what they all look for.
  std::map<std::string, Outcome> usual;
  for (const auto &actor : actors) {
    usual[actor.name] = perform(actor, log);
    ASSERT_EQ(usual[actor.name].failure, "") << actor.name;
  }
  std::map<std::string, std::optional<DefaultsValue>> held;
  for (const auto &key : log.read())
    held[key] = Defaults::suite(AppGroup::identifier, home.path())->object(key);
  const fs::path notesFile = NotesStore::fileURL(home.path());
  const fs::path suiteFile = home.suiteFile(std::string(AppGroup::identifier));

  for (const Hostile &hostile : hostileValues()) {
    auto suite = Defaults::suite(AppGroup::identifier, home.path());
    for (const auto &key : log.read()) {
      auto value = hostile.value(held.contains(key) ? held[key] : std::nullopt);
      if (value) {
        ASSERT_TRUE(storeAsAnotherProgram(suiteFile, *suite, key, *value)) << key;
      }
    }
    std::ofstream(notesFile, std::ios::binary) << hostile.notes;
    auto notesBefore = NotesStore::latest(home.path());

    for (const auto &actor : actors) {
      SCOPED_TRACE(fmt::format("{} under every key, then {}", hostile.name, actor.name));
      Outcome outcome = perform(actor, log);
      EXPECT_EQ(outcome.failure, "");
      for (const auto &key : outcome.wrote)
        EXPECT_TRUE(usual[actor.name].wrote.contains(key)) << "overwrote " << key;
      if (hostile.readsAsAbsent && actor.isIntent) {
        EXPECT_EQ(outcome.report, usual[actor.name].report);
      }
    }
    // Only the pin key changes the note file, and only a readable one, to a whole list again.
    if (notesBefore.empty())
      EXPECT_EQ(fileText(notesFile), hostile.notes) << hostile.name;
    else
      EXPECT_EQ(NotesStore::latest(home.path()).size(), notesBefore.size()) << hostile.name;
  }
}

} // namespace
} // namespace zavel::host::testing
