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
    if (!isBusySqlite(code) || std::chrono::steady_clock::now() >= deadline)
      return code;
    std::this_thread::sleep_for(kRetryPause);
  }
}

std::shared_ptr<sqlite3> adopt(sqlite3 *database) {
  return std::shared_ptr<sqlite3>(database, sqlite3_close_v2);
}

// Whether `sql` compiles; false with the reason in `code` when not.
bool compiles(sqlite3 *database, std::string_view sql, int &code) {
  return prepareSqlite(database, sql, &code) != nullptr;
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
      [&] { return sqlite3_exec(database, text.c_str(), nullptr, nullptr, nullptr); });
}

bool executeSqlite(sqlite3 *database, std::string_view sql) {
  return runSqlite(database, sql) == SQLITE_OK;
}

SqliteStatement prepareSqlite(sqlite3 *database, std::string_view sql, int *code) {
  sqlite3_stmt *statement = nullptr;
  int result = retryWhileBusy([&] {
    return sqlite3_prepare_v2(database, sql.data(), static_cast<int>(sql.size()), &statement,
                              nullptr);
  });
  if (code)
    *code = result;
  return SqliteStatement(statement, sqlite3_finalize);
}

SqliteOpening openSqliteFile(const std::filesystem::path &path, std::string_view schema,
                             std::string_view probe) {
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  if (error)
    return {};
  sqlite3 *raw = nullptr;
  int code =
      sqlite3_open_v2(path.c_str(), &raw,
                      SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
  auto database = adopt(raw);
  if (code != SQLITE_OK)
    return {};
  sqlite3_busy_timeout(raw, kBusyTimeoutMs);
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
