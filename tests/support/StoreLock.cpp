#include "support/StoreLock.h"

#include <sqlite3.h>
#include <stdexcept>
#include <string>

namespace zavel::test {

StoreLock::StoreLock(const std::filesystem::path &file, Kind kind)
    : database_(nullptr, sqlite3_close) {
  sqlite3 *raw = nullptr;
  if (sqlite3_open_v2(file.c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
    sqlite3_close(raw);
    throw std::runtime_error("no store to lock at " + file.string());
  }
  database_.reset(raw);
  // A write is what takes the lock; it is never committed.
  const char *statements =
      kind == Kind::writer
          ? "BEGIN IMMEDIATE; INSERT OR REPLACE INTO entries VALUES('test.lock', 'integer', 1)"
          : "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE; "
            "INSERT OR REPLACE INTO entries VALUES('test.lock', 'integer', 1)";
  if (sqlite3_exec(raw, statements, nullptr, nullptr, nullptr) != SQLITE_OK)
    throw std::runtime_error(std::string("the store would not lock: ") + sqlite3_errmsg(raw));
}

} // namespace zavel::test
