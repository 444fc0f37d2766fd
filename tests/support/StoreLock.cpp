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

void StoreLock::store(const std::string &key, const std::string &bytes) {
  sqlite3_stmt *raw = nullptr;
  sqlite3_prepare_v2(database_.get(), "INSERT OR REPLACE INTO entries VALUES(?1, 'data', ?2)", -1,
                     &raw, nullptr);
  std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt *)> statement(raw, sqlite3_finalize);
  sqlite3_bind_text(raw, 1, key.data(), static_cast<int>(key.size()), SQLITE_TRANSIENT);
  sqlite3_bind_blob(raw, 2, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
  if (sqlite3_step(raw) != SQLITE_DONE)
    throw std::runtime_error(std::string("the store took no value: ") +
                             sqlite3_errmsg(database_.get()));
}

void StoreLock::commit() {
  if (sqlite3_exec(database_.get(), "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
    throw std::runtime_error(std::string("the store would not commit: ") +
                             sqlite3_errmsg(database_.get()));
}

} // namespace zavel::test
