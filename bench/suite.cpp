// One access of the shared suite as a widget makes it: open the database, run one statement,
// close it again. A small record (the focus timer) and a larger one (a place's weather).
#include "support/BenchFolder.h"

#include "Shared/Data/AppGroup.h"
#include "Shared/Data/ExtraModels/FocusSession.h"
#include "Shared/Data/Models/WeatherSnapshot.h"
#include "Shared/Data/SharedSuite.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <sqlite3.h>

namespace {

using zavel::FocusSession;
using zavel::WeatherSnapshot;

constexpr std::string_view kKey = "zavel.bench.record";

template <class Record> const Record &sampleOf();
template <> const FocusSession &sampleOf() { return FocusSession::sample(); }
template <> const WeatherSnapshot &sampleOf() { return WeatherSnapshot::sample(); }

template <class Record> void BM_WriteRecord(benchmark::State &state) {
  bench::BenchFolder home;
  const Record &record = sampleOf<Record>();
  for (auto _ : state)
    if (!zavel::SharedSuite::write(kKey, record, home.path()))
      state.SkipWithError("the suite refused the record");
}
BENCHMARK(BM_WriteRecord<FocusSession>);
BENCHMARK(BM_WriteRecord<WeatherSnapshot>);

template <class Record> void BM_ReadRecord(benchmark::State &state) {
  bench::BenchFolder home;
  zavel::SharedSuite::write(kKey, sampleOf<Record>(), home.path());
  for (auto _ : state)
    if (!zavel::SharedSuite::read<Record>(kKey, home.path()))
      state.SkipWithError("the record did not read back");
}
BENCHMARK(BM_ReadRecord<FocusSession>);
BENCHMARK(BM_ReadRecord<WeatherSnapshot>);

// A plain value, as the clock format is read.
void BM_ReadInteger(benchmark::State &state) {
  bench::BenchFolder home;
  zavel::SharedSuite::open(home.path()).set("zavel.timeformat", int64_t{24});
  for (auto _ : state)
    benchmark::DoNotOptimize(zavel::SharedSuite::open(home.path()).integer("zavel.timeformat"));
}
BENCHMARK(BM_ReadInteger);

// A key nobody wrote, in a suite that exists: what most first reads of a widget find.
void BM_ReadMissingRecord(benchmark::State &state) {
  bench::BenchFolder home;
  zavel::SharedSuite::open(home.path()).set("zavel.timeformat", int64_t{24});
  for (auto _ : state)
    benchmark::DoNotOptimize(zavel::SharedSuite::read<FocusSession>(kKey, home.path()));
}
BENCHMARK(BM_ReadMissingRecord);

// A record far over the size cap, as another program could leave it (50 MB under the theme's
// key): it reads as unreadable at about the cost of a small record, neither loaded nor parsed.
void BM_ReadRecordOverTheSizeCap(benchmark::State &state) {
  bench::BenchFolder home;
  zavel::SharedSuite::open(home.path()).set("zavel.timeformat", int64_t{24});
  auto file = home.path() / "suites" / (std::string(zavel::AppGroup::identifier) + ".sqlite3");
  sqlite3 *raw = nullptr;
  sqlite3_open(file.c_str(), &raw);
  std::unique_ptr<sqlite3, int (*)(sqlite3 *)> database(raw, sqlite3_close);
  std::string insert =
      "INSERT INTO entries VALUES('" + std::string(kKey) + "', 'data', zeroblob(50000000))";
  if (sqlite3_exec(raw, insert.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
    state.SkipWithError("the record could not be stored");
  for (auto _ : state)
    if (zavel::SharedSuite::read<FocusSession>(kKey, home.path()))
      state.SkipWithError("a record over the cap was read");
}
BENCHMARK(BM_ReadRecordOverTheSizeCap);

} // namespace
