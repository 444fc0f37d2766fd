#include "Widgets/SystemWidgets/SystemLocalProviders.h"

#include "Shared/Data/PowerSource/PowerLog.h"
#include "Shared/Data/SharedSuite.h"
#include "support/FakeMachine.h"
#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace zavel {
namespace {

using kit::foundation::Json;
using kit::widgets::TimelineContext;
using test::FakeMachine;

const TimelineContext kOnScreen = TimelineContext::of(kit::widgets::WidgetFamily::systemMedium);
const TimelineContext kInGallery =
    TimelineContext::of(kit::widgets::WidgetFamily::systemMedium, true);

// What one widget's provider gives: the placeholder's data, one timeline's data (asked in a
// preview context, where it must still read the machine) and the minutes to its reload.
struct Reading {
  Json sample;
  Json live;
  double minutes = 0;
};

template <class Value> Reading readingOf(const LocalProvider<Value> &provider) {
  auto timeline = provider.timeline(CasingConfigIntent{CasingOption::cream}, kInGallery);
  auto now = provider.clock.now();
  return {kit::foundation::encodeJson(provider.placeholder(kOnScreen).data),
          kit::foundation::encodeJson(timeline.entries.at(0).data),
          timeline.policy.date().value_or(now).timeIntervalSince(now) / 60};
}

SystemStats::Environment statsOf(const FakeMachine &machine, bool volumeReadable) {
  return {.root = machine.root(),
          .home = machine.home(),
          .clock = machine.clock(),
          .statVfs = [volumeReadable](const char *, struct statvfs *result) {
            *result = {};
            result->f_frsize = 1'000'000;
            result->f_blocks = 500'000; // 500 GB
            result->f_bavail = 100'000; // 100 GB free
            return volumeReadable ? 0 : -1;
          }};
}

PowerSource::Environment powerOf(const FakeMachine &machine) {
  return {.root = machine.root(), .home = machine.home(), .clock = machine.clock()};
}

// Every figure the widgets read, as a machine with one wired interface and a battery gives it.
void fillMachine(const FakeMachine &machine) {
  const auto &tree = machine.tree();
  tree.write("proc/stat", "cpu  100 0 100 800 0 0 0 0 0 0\n");
  tree.write("proc/meminfo", "MemTotal: 1000 kB\nMemAvailable: 400 kB\n");
  tree.write("sys/class/drm/card0/device/gpu_busy_percent", "17\n");
  tree.folder("sys/class/net/enp3s0/device");
  tree.write("sys/class/net/enp3s0/statistics/rx_bytes", "1000000\n");
  tree.write("sys/class/net/enp3s0/statistics/tx_bytes", "1000000\n");
  tree.write("sys/class/power_supply/BAT0/type", "Battery\n");
  tree.write("sys/class/power_supply/BAT0/status", "Discharging\n");
  tree.write("sys/class/power_supply/BAT0/capacity", "57\n");
}

TEST(SystemLocalProvider, EachWidgetsSampleLiveReadingFallbackAndMinutes) {
  const Json storageSample = {{"usedGB", 721}, {"totalGB", 1000}};
  const Json powerSample = kit::foundation::encodeJson(PowerSnapshot::sample());
  struct Case {
    const char *widget = "";
    std::function<Reading(const FakeMachine &, bool volumeReadable)> read;
    Json sample;
    Json live;     // the first reading on a machine that gives every figure
    Json fallback; // on one that gives none
    double minutes = 0;
  };
  const Case cases[] = {
      Case{.widget = "system",
           .read = [](const FakeMachine &m,
                      bool v) { return readingOf(systemGaugesProvider(statsOf(m, v))); },
           .sample = {{"system", {{"cpuPercent", 34}, {"memoryPercent", 61}, {"gpuPercent", 88}}},
                      {"storage", storageSample}},
           // No processor sample is stored yet: the first reading shows 0.
           .live = {{"system", {{"cpuPercent", 0}, {"memoryPercent", 60}, {"gpuPercent", 17}}},
                    {"storage", {{"usedGB", 400}, {"totalGB", 500}}}},
           .fallback = {{"system", {{"cpuPercent", 0}, {"memoryPercent", 0}}},
                        {"storage", storageSample}},
           .minutes = 5},
      Case{.widget = "network",
           .read = [](const FakeMachine &m,
                      bool v) { return readingOf(networkProvider(statsOf(m, v))); },
           .sample = {{"downMBs", 482.0}, {"upMBs", 36.0}},
           .live = {{"downMBs", 0.0}, {"upMBs", 0.0}},
           .fallback = {{"downMBs", 0.0}, {"upMBs", 0.0}},
           .minutes = 5},
      Case{.widget = "storage",
           .read = [](const FakeMachine &m,
                      bool v) { return readingOf(storageProvider(statsOf(m, v))); },
           .sample = storageSample,
           .live = {{"usedGB", 400}, {"totalGB", 500}},
           .fallback = storageSample,
           .minutes = 360},
      Case{
          .widget = "batteries",
          .read = [](const FakeMachine &m, bool) { return readingOf(batteryProvider(powerOf(m))); },
          .sample = powerSample,
          .live = {{"percent", 57},
                   {"isCharging", false},
                   {"devices", {{{"name", "MacBook"}, {"percent", 57}}}}},
          // No battery: full and charging, as if on the mains.
          .fallback = {{"percent", 100}, {"isCharging", true}, {"devices", Json::array()}},
          .minutes = 15},
  };
  test::ScopedEnvironment home({{"HOME", std::string("/home/ada")}});
  for (const Case &c : cases) {
    SCOPED_TRACE(c.widget);
    FakeMachine full, empty;
    fillMachine(full);
    Reading live = c.read(full, true), fallback = c.read(empty, false);
    EXPECT_EQ(live.sample, c.sample);
    EXPECT_EQ(live.minutes, c.minutes);
    Json liveData = live.live, fallbackData = fallback.live;
    liveData.erase("log"); // the power log has its own test
    fallbackData.erase("log");
    EXPECT_EQ(liveData, c.live);
    EXPECT_EQ(fallbackData, c.fallback);
  }
}

TEST(SystemLocalProvider, TheSecondRefreshShowsTheAveragesSinceTheFirst) {
  FakeMachine machine;
  fillMachine(machine);
  test::ScopedEnvironment home({{"HOME", std::string("/home/ada")}});
  auto system = systemGaugesProvider(statsOf(machine, true));
  auto network = networkProvider(statsOf(machine, true));
  readingOf(system);
  readingOf(network);
  // Ten seconds on: 300 of 1000 ticks busy, 5 MB in and 1 MB out.
  machine.now = machine.now.addingTimeInterval(10);
  machine.tree().write("proc/stat", "cpu  300 0 200 1500 0 0 0 0 0 0\n");
  machine.tree().write("sys/class/net/enp3s0/statistics/rx_bytes", "6000000\n");
  machine.tree().write("sys/class/net/enp3s0/statistics/tx_bytes", "2000000\n");
  EXPECT_EQ(readingOf(system).live["system"]["cpuPercent"], 30);
  EXPECT_EQ(readingOf(network).live, (Json{{"downMBs", 0.5}, {"upMBs", 0.1}}));
}

TEST(SystemLocalProvider, EveryBatteryRefreshAdvancesThePowerLog) {
  FakeMachine machine;
  fillMachine(machine);
  auto battery = batteryProvider(powerOf(machine));
  EXPECT_EQ(readingOf(battery).live["log"].size(), 1u);
  machine.tree().write("sys/class/power_supply/BAT0/status", "Charging\n");
  machine.tree().write("sys/class/power_supply/AC/type", "Mains\n");
  machine.tree().write("sys/class/power_supply/AC/online", "1\n");
  machine.now = machine.now.addingTimeInterval(60);
  Json log = readingOf(battery).live["log"];
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0]["message"], "Connected to power");
  EXPECT_EQ(SharedSuite::read<PowerLog::Stored>(PowerLog::key, machine.home())->lastCharging, true);
}

} // namespace
} // namespace zavel
