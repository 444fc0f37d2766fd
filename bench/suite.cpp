// One access of the shared suite as a widget makes it: open the database, run one statement,
// close it again.
#include "Shared/Data/SharedSuite.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

using namespace kit::foundation;

struct FocusSession {
  Date endDate;
  int64_t minutes = 0;
  static constexpr auto jsonFields() {
    return std::tuple{field("endDate", &FocusSession::endDate),
                      field("minutes", &FocusSession::minutes)};
  }
};

// A home of its own for the run, removed afterwards.
class BenchHome {
public:
  BenchHome() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zavel-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
      std::abort();
    path_ = pattern;
  }
  ~BenchHome() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  const std::filesystem::path &path() const { return path_; }

private:
  std::filesystem::path path_;
};

void BM_WriteSmallRecord(benchmark::State &state) {
  BenchHome home;
  FocusSession session{Date{760000000}, 25};
  for (auto _ : state) {
    session.minutes++;
    benchmark::DoNotOptimize(zavel::SharedSuite::write("zavel.focus.v1", session, home.path()));
  }
}
BENCHMARK(BM_WriteSmallRecord);

void BM_ReadSmallRecord(benchmark::State &state) {
  BenchHome home;
  zavel::SharedSuite::write("zavel.focus.v1", FocusSession{Date{760000000}, 25}, home.path());
  for (auto _ : state)
    benchmark::DoNotOptimize(zavel::SharedSuite::read<FocusSession>("zavel.focus.v1", home.path()));
}
BENCHMARK(BM_ReadSmallRecord);

void BM_ReadInteger(benchmark::State &state) {
  BenchHome home;
  zavel::SharedSuite::open(home.path()).set("zavel.timeformat", int64_t{24});
  for (auto _ : state)
    benchmark::DoNotOptimize(zavel::SharedSuite::open(home.path()).integer("zavel.timeformat"));
}
BENCHMARK(BM_ReadInteger);

} // namespace
