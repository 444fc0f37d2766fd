#pragma once

#include <filesystem>
#include <memory>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace kit::foundation {

using SqliteStatement = std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt *)>;

// The database file at `path` (and its folder) opened, created when missing, in WAL mode with
// a busy timeout, with `schema` applied; null when any of it fails. Several processes may
// create the same file at once.
std::shared_ptr<sqlite3> openSqliteFile(const std::filesystem::path &path, std::string_view schema,
                                        std::string_view probe);

// A private database in memory with `schema`, safe to share between threads; null on failure.
std::shared_ptr<sqlite3> openSqliteMemory(std::string_view schema);

// Runs `sql` (statements without results), waiting out other connections' locks as long as the
// busy timeout; false when it fails.
bool executeSqlite(sqlite3 *database, std::string_view sql);

// `sql` prepared on `database`; null when it does not compile.
SqliteStatement prepareSqlite(sqlite3 *database, std::string_view sql);

} // namespace kit::foundation
