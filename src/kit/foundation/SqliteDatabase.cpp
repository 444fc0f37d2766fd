#include "kit/foundation/SqliteDatabase.h"

#include "kit/foundation/FileOwner.h"

#include <algorithm>
#include <chrono>
#include <iterator>
#include <mutex>
#include <set>
#include <sqlite3.h>
#include <string>
#include <thread>
#include <utility>

#include <sys/stat.h>

namespace kit::foundation {

namespace {

using std::chrono::milliseconds;

// SQLite's own steps between attempts; the last one repeats.
constexpr milliseconds kPauses[] = {milliseconds(1),  milliseconds(2),  milliseconds(5),
                                    milliseconds(10), milliseconds(15), milliseconds(20),
                                    milliseconds(25), milliseconds(25), milliseconds(25),
                                    milliseconds(50), milliseconds(50), milliseconds(100)};
constexpr int kSteps = static_cast<int>(std::size(kPauses));

// What was paused before the `count`th pause of one wait.
milliseconds pausedBefore(int count) {
  milliseconds paused{0};
  for (int i = 0; i < std::min(count, kSteps); ++i)
    paused += kPauses[i];
  return paused + std::max(count - kSteps, 0) * kPauses[kSteps - 1];
}

struct BusyWaits {
  std::mutex mutex;
  SqliteBusyWait wait;
  // The files a connection of this process waited for to the end of the timeout.
  std::set<std::string, std::less<>> waitedOut;
};

BusyWaits &busyWaits() {
  static BusyWaits waits;
  return waits;
}

// Whether to try `file` again after it was found locked `count` times in a row; pauses first
// when so. The timeout passed, the file is marked so that no later attempt waits for it.
bool waitAgain(std::string_view file, int count) {
  BusyWaits &waits = busyWaits();
  std::function<void(milliseconds)> pause;
  milliseconds left;
  {
    std::lock_guard lock(waits.mutex);
    if (waits.waitedOut.contains(file))
      return false;
    left = waits.wait.timeout - pausedBefore(count);
    if (left <= milliseconds(0)) {
      waits.waitedOut.emplace(file);
      return false;
    }
    pause = waits.wait.pause;
  }
  milliseconds step = std::min(kPauses[std::min(count, kSteps - 1)], left);
  if (pause)
    pause(step);
  else
    std::this_thread::sleep_for(step);
  return true;
}

std::string_view fileOf(sqlite3 *database) {
  const char *name = sqlite3_db_filename(database, "main");
  return name ? name : "";
}

// SQLite's busy handler: the same waits, counted by SQLite.
int onBusy(void *database, int count) {
  return waitAgain(fileOf(static_cast<sqlite3 *>(database)), count) ? 1 : 0;
}

// Repeats `attempt` while it reports a lock held by another connection, as the busy handler
// would; the lock is waited out here where SQLite skips its busy handler (first creation, a
// change of journal mode).
template <class Attempt> int retryWhileBusy(sqlite3 *database, Attempt attempt) {
  for (int count = 0;; ++count) {
    int code = attempt();
    if (!isBusySqlite(code) || !waitAgain(fileOf(database), count))
      return code;
  }
}

std::shared_ptr<sqlite3> adopt(sqlite3 *database) {
  return std::shared_ptr<sqlite3>(database, sqlite3_close_v2);
}

// Whether `sql` compiles; false with the reason in `code` when not.
bool compiles(sqlite3 *database, std::string_view sql, int &code) {
  return prepareSqlite(database, sql, &code) != nullptr;
}

// The database, its log and the log's index made here when missing rather than by SQLite, which
// gives the last two the database's owner only when run as root: all three take their folder's
// owner and group. An empty file is an empty database, log or index; the log and index get the
// database's mode, as SQLite gives them.
void makeOwnedFiles(const std::filesystem::path &database) {
  Descriptor made;
  makeFile(database, 0644, made);
  struct stat status {};
  if (::stat(database.c_str(), &status) != 0)
    return;
  for (const char *suffix : {"-wal", "-shm"}) {
    Descriptor companion;
    if (!makeFile(database.string() + suffix, status.st_mode & 0777, companion))
      ::fchmod(companion.fd, status.st_mode & 0777);
  }
}

// What an open that stopped at `code` gives.
SqliteOpening stopped(int code) { return {nullptr, isBusySqlite(code)}; }

} // namespace

bool isBusySqlite(int code) {
  int primary = code & 0xFF;
  return primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
}

int runSqlite(sqlite3 *database, std::string_view sql) {
  std::string text(sql);
  return retryWhileBusy(
      database, [&] { return sqlite3_exec(database, text.c_str(), nullptr, nullptr, nullptr); });
}

bool executeSqlite(sqlite3 *database, std::string_view sql) {
  return runSqlite(database, sql) == SQLITE_OK;
}

SqliteStatement prepareSqlite(sqlite3 *database, std::string_view sql, int *code) {
  sqlite3_stmt *statement = nullptr;
  int result = retryWhileBusy(database, [&] {
    return sqlite3_prepare_v2(database, sql.data(), static_cast<int>(sql.size()), &statement,
                              nullptr);
  });
  if (code)
    *code = result;
  return SqliteStatement(statement, sqlite3_finalize);
}

SqliteBusyWait replaceSqliteBusyWait(SqliteBusyWait wait) {
  BusyWaits &waits = busyWaits();
  std::lock_guard lock(waits.mutex);
  return std::exchange(waits.wait, std::move(wait));
}

SqliteOpening openSqliteFile(const std::filesystem::path &path, std::string_view schema,
                             std::string_view probe) {
  if (makeFolders(path.parent_path()))
    return {};
  makeOwnedFiles(path);
  sqlite3 *raw = nullptr;
  int code =
      sqlite3_open_v2(path.c_str(), &raw,
                      SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
  auto database = adopt(raw);
  if (code != SQLITE_OK)
    return {};
  sqlite3_busy_handler(raw, onBusy, raw);
  // The log and its index stay beside the database when the last connection closes, emptied:
  // a file is opened anew for every read, and making and deleting both each time cost more than
  // the read; a log left full would be read through at every open.
  int persist = 1;
  sqlite3_file_control(raw, "main", SQLITE_FCNTL_PERSIST_WAL, &persist);
  executeSqlite(raw, "PRAGMA journal_size_limit=0");
  // Readers and a writer of other processes proceed together; a commit is safe against a crash
  // of the process without a sync of its own.
  for (std::string_view setting : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=NORMAL"})
    if ((code = runSqlite(raw, setting)) != SQLITE_OK)
      return stopped(code);
  // The schema is applied only when the probe shows it missing: most opens find it in place.
  if (compiles(raw, probe, code))
    return {database};
  if (isBusySqlite(code))
    return stopped(code);
  if ((code = runSqlite(raw, schema)) != SQLITE_OK || !compiles(raw, probe, code))
    return stopped(code);
  return {database};
}

std::shared_ptr<sqlite3> openSqliteMemory(std::string_view schema) {
  sqlite3 *raw = nullptr;
  int code =
      sqlite3_open_v2(":memory:", &raw,
                      SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX, nullptr);
  auto database = adopt(raw);
  if (code != SQLITE_OK || !executeSqlite(raw, schema))
    return nullptr;
  return database;
}

} // namespace kit::foundation
