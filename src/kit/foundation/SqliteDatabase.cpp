#include "kit/foundation/SqliteDatabase.h"

#include <chrono>
#include <sqlite3.h>
#include <string>
#include <thread>

namespace kit::foundation {

namespace {

constexpr int kBusyTimeoutMs = 5000;
constexpr auto kRetryPause = std::chrono::milliseconds(2);

// Repeats `attempt` while it reports a lock held by another connection, for at most as long as
// the busy timeout; the lock is waited out here where SQLite skips its busy handler (first
// creation, a change of journal mode).
template <class Attempt> int retryWhileBusy(Attempt attempt) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kBusyTimeoutMs);
  while (true) {
    int code = attempt();
    int primary = code & 0xFF;
    bool busy = primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
    if (!busy || std::chrono::steady_clock::now() >= deadline)
      return code;
    std::this_thread::sleep_for(kRetryPause);
  }
}

std::shared_ptr<sqlite3> adopt(sqlite3 *database) {
  return std::shared_ptr<sqlite3>(database, sqlite3_close_v2);
}

bool compiles(sqlite3 *database, std::string_view sql) {
  return prepareSqlite(database, sql) != nullptr;
}

} // namespace

bool executeSqlite(sqlite3 *database, std::string_view sql) {
  std::string text(sql);
  return retryWhileBusy([&] {
           return sqlite3_exec(database, text.c_str(), nullptr, nullptr, nullptr);
         }) == SQLITE_OK;
}

SqliteStatement prepareSqlite(sqlite3 *database, std::string_view sql) {
  sqlite3_stmt *statement = nullptr;
  retryWhileBusy([&] {
    return sqlite3_prepare_v2(database, sql.data(), static_cast<int>(sql.size()), &statement,
                              nullptr);
  });
  return SqliteStatement(statement, sqlite3_finalize);
}

std::shared_ptr<sqlite3> openSqliteFile(const std::filesystem::path &path, std::string_view schema,
                                        std::string_view probe) {
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  if (error)
    return nullptr;
  sqlite3 *raw = nullptr;
  int code =
      sqlite3_open_v2(path.c_str(), &raw,
                      SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
  auto database = adopt(raw);
  if (code != SQLITE_OK)
    return nullptr;
  sqlite3_busy_timeout(raw, kBusyTimeoutMs);
  // The log and its index stay beside the database when the last connection closes, emptied:
  // a file is opened anew for every read, and making and deleting both each time cost more than
  // the read; a log left full would be read through at every open.
  int persist = 1;
  sqlite3_file_control(raw, "main", SQLITE_FCNTL_PERSIST_WAL, &persist);
  executeSqlite(raw, "PRAGMA journal_size_limit=0");
  // Readers and a writer of other processes proceed together; a commit is safe against a crash
  // of the process without a sync of its own.
  if (!executeSqlite(raw, "PRAGMA journal_mode=WAL") ||
      !executeSqlite(raw, "PRAGMA synchronous=NORMAL"))
    return nullptr;
  // The schema is applied only when the probe shows it missing: most opens find it in place.
  if (compiles(raw, probe))
    return database;
  if (!executeSqlite(raw, schema) || !compiles(raw, probe))
    return nullptr;
  return database;
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
