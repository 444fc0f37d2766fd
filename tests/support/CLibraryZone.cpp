#include "support/CLibraryZone.h"

#include "kit/foundation/Descriptor.h"

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <functional>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace zavel::test {

namespace {

CLibraryReading readingAt(std::int64_t moment) {
  time_t time = moment;
  struct tm fields {};
  localtime_r(&time, &fields);
  return {.at = moment,
          .offset = fields.tm_gmtoff,
          .year = fields.tm_year + 1900,
          .month = fields.tm_mon + 1,
          .day = fields.tm_mday,
          .hour = fields.tm_hour,
          .minute = fields.tm_min,
          .second = fields.tm_sec};
}

// The earliest second after `before` whose offset differs from its, `after` being one.
CLibraryChange changeBetween(std::int64_t before, std::int64_t after) {
  std::int64_t offset = readingAt(before).offset;
  while (after - before > 1) {
    std::int64_t middle = before + (after - before) / 2;
    (readingAt(middle).offset == offset ? before : after) = middle;
  }
  return {readingAt(after - 1), readingAt(after)};
}

template <class T> bool writeList(int fd, const std::vector<T> &list) {
  std::size_t count = list.size();
  auto bytes = [](const void *at, std::size_t size) {
    return std::string_view(static_cast<const char *>(at), size);
  };
  return !kit::foundation::writeAll(fd, bytes(&count, sizeof count)) &&
         !kit::foundation::writeAll(fd, bytes(list.data(), count * sizeof(T)));
}

bool readAll(int fd, void *bytes, std::size_t size) {
  char *at = static_cast<char *>(bytes);
  while (size > 0) {
    ssize_t got = read(fd, at, size);
    if (got <= 0)
      return false;
    at += got;
    size -= static_cast<std::size_t>(got);
  }
  return true;
}

template <class T> std::vector<T> readList(int fd) {
  std::size_t count = 0;
  if (!readAll(fd, &count, sizeof count))
    return {};
  std::vector<T> list(count);
  return readAll(fd, list.data(), count * sizeof(T)) ? list : std::vector<T>{};
}

// Runs `work` in a child whose TZ is `tz`; it writes its answer to the descriptor it is given.
template <class Answer>
Answer inChild(const std::string &tz, const std::function<bool(int fd)> &work,
               const std::function<Answer(int fd)> &read) {
  int channel[2];
  if (pipe(channel) != 0)
    return {};
  pid_t child = fork();
  if (child == 0) {
    close(channel[0]);
    setenv("TZ", tz.c_str(), 1);
    tzset();
    _exit(work(channel[1]) ? 0 : 1);
  }
  close(channel[1]);
  Answer answer = child > 0 ? read(channel[0]) : Answer{};
  close(channel[0]);
  int status = 0;
  if (child > 0)
    waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? answer : Answer{};
}

} // namespace

CLibraryZone cLibraryZone(const std::string &tz, std::int64_t from, std::int64_t to) {
  return inChild<CLibraryZone>(
      tz,
      [&](int fd) {
        CLibraryZone zone;
        constexpr std::int64_t kDay = 86400;
        CLibraryReading previous = readingAt(from);
        for (std::int64_t day = 1; from + day * kDay < to; ++day) {
          // A time of day that moves by just under a quarter of an hour each day.
          CLibraryReading now = readingAt(from + day * kDay + day * 863 % kDay);
          if (now.offset != previous.offset)
            zone.changes.push_back(changeBetween(previous.at, now.at));
          zone.daily.push_back(now);
          previous = now;
        }
        return writeList(fd, zone.changes) && writeList(fd, zone.daily);
      },
      [](int fd) {
        CLibraryZone zone;
        zone.changes = readList<CLibraryChange>(fd);
        zone.daily = readList<CLibraryReading>(fd);
        return zone;
      });
}

std::vector<CLibraryReading> cLibraryReadings(const std::string &tz,
                                              const std::vector<std::int64_t> &moments) {
  return inChild<std::vector<CLibraryReading>>(
      tz,
      [&](int fd) {
        std::vector<CLibraryReading> readings;
        for (std::int64_t moment : moments)
          readings.push_back(readingAt(moment));
        return writeList(fd, readings);
      },
      [](int fd) { return readList<CLibraryReading>(fd); });
}

std::set<std::string> zone1970Names() {
  std::ifstream table("/usr/share/zoneinfo/zone1970.tab");
  std::set<std::string> names;
  for (std::string line; std::getline(table, line);) {
    if (line.empty() || line[0] == '#')
      continue;
    std::istringstream fields(line);
    std::string codes, coordinates, name;
    fields >> codes >> coordinates >> name;
    names.insert(name);
  }
  return names;
}

} // namespace zavel::test
