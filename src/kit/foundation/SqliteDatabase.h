#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace kit::foundation {

using SqliteStatement = std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt *)>;

// A database file opened, or why not.
struct SqliteOpening {
  std::shared_ptr<sqlite3> database; // null when it did not open
  // Another connection held the file locked for longer than the busy timeout: the file may be
  // whole and usable once it lets go.
  bool busy = false;
};

// The database file at `path` (and its folder) opened, created when missing, in WAL mode with
// a busy timeout, with `schema` applied. Several processes may create the same file at once.
// What it makes (folders, the file, its log and the log's index) takes the owner and group of the
// folder it is made in, where the process may give them.
SqliteOpening openSqliteFile(const std::filesystem::path &path, std::string_view schema,
                             std::string_view probe);

// A private database in memory with `schema`, safe to share between threads; null on failure.
std::shared_ptr<sqlite3> openSqliteMemory(std::string_view schema);

// Runs `sql` (statements without results), waiting out other connections' locks as long as the
// busy timeout; SQLite's result code.
int runSqlite(sqlite3 *database, std::string_view sql);

// The same, true when it succeeded.
bool executeSqlite(sqlite3 *database, std::string_view sql);

// `sql` prepared on `database`; null when it does not compile, with SQLite's result code in
// `code` when given.
SqliteStatement prepareSqlite(sqlite3 *database, std::string_view sql, int *code = nullptr);

// Whether a result code says another connection held a lock past the busy timeout.
bool isBusySqlite(int code);

// How this process's connections wait for a lock another connection holds: pauses of growing
// length, SQLite's own, until `timeout` worth of them has passed (the busy timeout). A process
// that has waited a file's whole timeout once waits no more for it: later attempts try once, so
// a command that meets a file held for long waits for it once, not at every access.
struct SqliteBusyWait {
  std::chrono::milliseconds timeout{5000};
  // Stands in for sleeping through each pause; none sleeps.
  std::function<void(std::chrono::milliseconds)> pause;
};

// Makes `wait` the process's way of waiting (a test counts the pauses, or acts in one of them);
// the way before.
SqliteBusyWait replaceSqliteBusyWait(SqliteBusyWait wait);

} // namespace kit::foundation
