#include "FuzzSupport.h"
#include "Harnesses.h"

#include "Shared/Data/ExtraModels/AirQualitySnapshot.h"
#include "Shared/Data/ExtraModels/FocusSession.h"
#include "Shared/Data/ExtraModels/HabitItem.h"
#include "Shared/Data/ExtraModels/InboxSnapshot.h"
#include "Shared/Data/ExtraModels/NowPlayingSnapshot.h"
#include "Shared/Data/ExtraModels/StockSnapshot.h"
#include "Shared/Data/ExtraModels/StopwatchState.h"
#include "Shared/Data/ExtrasProviders/AirQualityProvider.h"
#include "Shared/Data/ExtrasProviders/StocksProvider.h"
#include "Shared/Data/ExtrasStores/ExtrasStore.h"
#include "Shared/Data/Models/CalendarSnapshot.h"
#include "Shared/Data/Models/PowerSnapshot.h"
#include "Shared/Data/Models/RemindersSnapshot.h"
#include "Shared/Data/Models/UsageSnapshot.h"
#include "Shared/Data/Models/WeatherSnapshot.h"
#include "Shared/Data/NotesStore.h"
#include "Shared/Data/PowerSource/PowerLog.h"
#include "Shared/Data/RSSStore/Cache.h"
#include "Shared/Data/RSSStore/RSSFeed.h"
#include "Shared/Data/SharedSuite.h"
#include "Shared/Data/SystemStats/SystemStats.h"
#include "Shared/Data/UsageLog.h"
#include "Shared/Data/WeatherProvider/WeatherCache.h"

#include <fstream>

namespace zavel::fuzz {

namespace {

using kit::foundation::Clock;
using kit::foundation::Data;

// A record that reads from JSON can be stored again, and reads back the same.
template <class Record> void checkRecord(std::string_view text) {
  auto record = kit::foundation::decodeJsonData<Record>(text);
  if (!record)
    return;
  auto stored = kit::foundation::encodeJsonData(*record);
  require(stored.has_value(), "a record read from JSON cannot be stored");
  require(kit::foundation::decodeJsonData<Record>(*stored) == *record,
          "a stored record reads back otherwise");
}

template <class... Records> void checkRecords(std::string_view text) {
  (checkRecord<Records>(text), ...);
}

// The readers with a logic of their own, over the input stored where the host would put it.
void readStored(std::string_view text, const std::filesystem::path &home) {
  const WeatherProvider::Place place{"Oslo", 59.91, 10.75};
  auto suite = SharedSuite::open(home);
  for (std::string_view key :
       {UsageLog::key, PowerLog::key, AirQualityProvider::cacheKey, ExtrasStore::habitsKey})
    suite.set(key, Data{std::string(text)});
  suite.set(StocksProvider::cacheKey("AAPL"), Data{std::string(text)});
  if (auto weatherKey = WeatherProvider::cacheKey(place))
    suite.set(*weatherKey, Data{std::string(text)});

  const Clock clock = Clock::fixed(fuzzNow);
  UsageLog::snapshot(120, clock, home);
  PowerSource::InternalBattery battery;
  battery.percent = 40;
  battery.isCharging = true;
  PowerLog::record(battery, {.root = home, .home = home, .clock = clock});
  ExtrasStore::habitWeek(clock, home);
  WeatherProvider::cached(place, home);
  AirQualityProvider::snapshot(place, {.home = home, .clock = clock, .address = std::nullopt});
  StocksProvider::snapshot("AAPL", {.home = home, .clock = clock, .address = std::nullopt});
}

// The note file: read, and a pin toggled twice leaves the same notes.
void readNotes(std::string_view text, const std::filesystem::path &home) {
  std::ofstream(NotesStore::fileURL(home), std::ios::binary | std::ios::trunc) << text;
  auto notes = NotesStore::latest(home);
  if (notes.empty())
    return;
  const auto id = notes.front().id;
  require(NotesStore::togglePin(id, home) && NotesStore::togglePin(id, home),
          "a readable note list could not be pinned");
  require(NotesStore::latest(home) == notes, "two pins changed the notes");
}

} // namespace

int fuzzStoredRecords(const std::uint8_t *data, std::size_t size) {
  const auto &home = fuzzingHome();
  std::string_view text = textOf(data, size);
  checkRecords<WeatherSnapshot, WeatherProvider::Place, AirQualitySnapshot, StockSnapshot,
               NowPlayingSnapshot, InboxSnapshot, FocusSession, StopwatchState,
               std::vector<HabitItem>, CalendarSnapshot, RemindersSnapshot, UsageSnapshot,
               std::vector<PowerSnapshot::Device>, PowerLog::Stored, SystemStats::CPUTicks,
               SystemStats::NetCounters, RSSStore::Cache, std::vector<RSSFeed>,
               std::vector<NoteItem>>(text);
  // What is not JSON every reader refuses at its first byte, as the records above show; the
  // readers' own logic starts where JSON does.
  if (!kit::foundation::parseJson(text))
    return 0;
  readStored(text, home);
  readNotes(text, home);
  return 0;
}

} // namespace zavel::fuzz
