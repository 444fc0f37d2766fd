#include "kit/foundation/Defaults.h"

#include "kit/foundation/DefaultsCoercion.h"
#include "kit/foundation/JsonCoding.h"
#include "kit/foundation/ObserverList.h"
#include "kit/foundation/SqliteDatabase.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <sqlite3.h>

namespace kit::foundation {

namespace {

constexpr std::string_view kSchema =
    "CREATE TABLE IF NOT EXISTS entries(key TEXT PRIMARY KEY NOT NULL, type TEXT NOT NULL, value)";
constexpr std::string_view kSelect = "SELECT type, value FROM entries WHERE key = ?1";
constexpr std::string_view kReplace =
    "INSERT OR REPLACE INTO entries(key, type, value) VALUES(?1, ?2, ?3)";
constexpr std::string_view kDelete = "DELETE FROM entries WHERE key = ?1";
constexpr std::string_view kStandardName = "standard";

// The type names stored beside each value, in the order of DefaultsValue's alternatives.
constexpr std::string_view kTypeNames[] = {"data",    "integer", "double",
                                           "boolean", "string",  "array"};

std::filesystem::path suitePath(const std::filesystem::path &home, std::string_view name) {
  return home / "suites" / (std::string(name) + ".sqlite3");
}

std::shared_ptr<sqlite3> memoryStore() {
  static std::shared_ptr<sqlite3> store = openSqliteMemory(kSchema);
  return store;
}

void bindText(sqlite3_stmt *statement, int index, std::string_view text) {
  sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

// Binds the value and returns false when it has no stored form.
bool bindValue(sqlite3_stmt *statement, int index, const DefaultsValue &value) {
  struct Binder {
    sqlite3_stmt *statement;
    int index;
    bool operator()(const Data &data) const {
      return sqlite3_bind_blob(statement, index, data.bytes.data(),
                               static_cast<int>(data.bytes.size()), SQLITE_TRANSIENT) == SQLITE_OK;
    }
    bool operator()(int64_t number) const {
      return sqlite3_bind_int64(statement, index, number) == SQLITE_OK;
    }
    bool operator()(double number) const {
      // SQLite would keep NaN as no value at all.
      return !std::isnan(number) && sqlite3_bind_double(statement, index, number) == SQLITE_OK;
    }
    bool operator()(bool flag) const {
      return sqlite3_bind_int64(statement, index, flag ? 1 : 0) == SQLITE_OK;
    }
    bool operator()(const std::string &text) const {
      bindText(statement, index, text);
      return true;
    }
    bool operator()(const std::vector<std::string> &strings) const {
      auto text = encodeJsonData(strings);
      if (!text)
        return false;
      bindText(statement, index, *text);
      return true;
    }
  };
  return std::visit(Binder{statement, index}, value);
}

std::string_view columnText(sqlite3_stmt *statement, int column) {
  auto bytes = static_cast<const char *>(sqlite3_column_blob(statement, column));
  return bytes ? std::string_view(bytes, sqlite3_column_bytes(statement, column))
               : std::string_view();
}

std::optional<DefaultsValue> readValue(sqlite3_stmt *statement) {
  std::string_view type = columnText(statement, 0);
  if (type == "data")
    return Data{std::string(columnText(statement, 1))};
  if (type == "integer")
    return int64_t{sqlite3_column_int64(statement, 1)};
  if (type == "double")
    return sqlite3_column_double(statement, 1);
  if (type == "boolean")
    return sqlite3_column_int64(statement, 1) != 0;
  if (type == "string")
    return std::string(columnText(statement, 1));
  if (type == "array") {
    if (auto strings = decodeJsonData<std::vector<std::string>>(columnText(statement, 1)))
      return *strings;
  }
  return std::nullopt;
}

using ObserverRegistry = ObserverList<std::string_view, std::string_view>;

ObserverRegistry &observers(DefaultsAccess access) {
  static ObserverRegistry registries[2];
  return registries[access == DefaultsAccess::read ? 0 : 1];
}

// Writes of this process one at a time: the in-memory store is one connection for the whole
// process, on which a transaction would take in another thread's write.
std::mutex &processWrites() {
  static std::mutex mutex;
  return mutex;
}

// One write transaction, taken at its start (so no reader inside it can be overtaken by another
// writer), undone unless committed.
class WriteTransaction {
public:
  explicit WriteTransaction(sqlite3 *database)
      : database_(database), open_(executeSqlite(database, "BEGIN IMMEDIATE")) {}
  ~WriteTransaction() {
    if (open_)
      executeSqlite(database_, "ROLLBACK");
  }
  WriteTransaction(const WriteTransaction &) = delete;
  WriteTransaction &operator=(const WriteTransaction &) = delete;

  bool isOpen() const { return open_; }
  bool commit() {
    open_ = !executeSqlite(database_, "COMMIT");
    return !open_;
  }

private:
  sqlite3 *database_;
  bool open_;
};

} // namespace

Defaults::Defaults(std::shared_ptr<sqlite3> database, std::string name, bool inMemory)
    : database_(std::move(database)), name_(std::move(name)), inMemory_(inMemory) {}

std::optional<Defaults> Defaults::suite(std::string_view name, const std::filesystem::path &home) {
  auto database = openSqliteFile(suitePath(home, name), kSchema, kSelect);
  if (!database)
    return std::nullopt;
  return Defaults(std::move(database), std::string(name), false);
}

Defaults Defaults::standard(const std::filesystem::path &home) {
  if (auto database = openSqliteFile(suitePath(home, kStandardName), kSchema, kSelect))
    return Defaults(std::move(database), std::string(kStandardName), false);
  return Defaults(memoryStore(), std::string(kStandardName), true);
}

std::optional<DefaultsValue> Defaults::object(std::string_view key) const {
  notify(DefaultsAccess::read, key);
  if (!database_)
    return std::nullopt;
  auto statement = prepareSqlite(database_.get(), kSelect);
  if (!statement)
    return std::nullopt;
  bindText(statement.get(), 1, key);
  if (sqlite3_step(statement.get()) != SQLITE_ROW)
    return std::nullopt;
  return readValue(statement.get());
}

std::optional<std::string> Defaults::data(std::string_view key) const {
  auto value = object(key);
  if (!value)
    return std::nullopt;
  return dataOf(*value);
}

int64_t Defaults::integer(std::string_view key) const {
  auto value = object(key);
  return value ? integerOf(*value) : 0;
}

std::optional<std::string> Defaults::string(std::string_view key) const {
  auto value = object(key);
  if (!value)
    return std::nullopt;
  return stringOf(*value);
}

std::optional<std::vector<std::string>> Defaults::stringArray(std::string_view key) const {
  auto value = object(key);
  if (!value)
    return std::nullopt;
  return stringArrayOf(*value);
}

bool Defaults::set(std::string_view key, const DefaultsValue &value) {
  return change(kReplace, key, &value);
}

bool Defaults::removeObject(std::string_view key) { return change(kDelete, key, nullptr); }

bool Defaults::update(std::string_view key, const Change &change) {
  if (!database_)
    return false;
  std::lock_guard writes(processWrites());
  WriteTransaction transaction(database_.get());
  if (!transaction.isOpen())
    return false;
  DefaultsChange decided = change(object(key));
  bool applied = false;
  switch (decided.kind()) {
  case DefaultsChange::Kind::keep:
    return false;
  case DefaultsChange::Kind::replace:
    applied = apply(kReplace, key, &*decided.value());
    break;
  case DefaultsChange::Kind::remove:
    applied = apply(kDelete, key, nullptr);
    break;
  }
  if (!applied || !transaction.commit())
    return false;
  notify(DefaultsAccess::write, key);
  return true;
}

bool Defaults::change(std::string_view sql, std::string_view key, const DefaultsValue *value) {
  std::lock_guard writes(processWrites());
  if (!apply(sql, key, value))
    return false;
  notify(DefaultsAccess::write, key);
  return true;
}

bool Defaults::apply(std::string_view sql, std::string_view key, const DefaultsValue *value) {
  auto statement =
      database_ ? prepareSqlite(database_.get(), sql) : SqliteStatement(nullptr, nullptr);
  if (!statement)
    return false;
  bindText(statement.get(), 1, key);
  if (value) {
    bindText(statement.get(), 2, kTypeNames[value->index()]);
    if (!bindValue(statement.get(), 3, *value))
      return false;
  }
  return sqlite3_step(statement.get()) == SQLITE_DONE;
}

void Defaults::notify(DefaultsAccess access, std::string_view key) const {
  if (access == DefaultsAccess::write && inMemory_)
    return;
  observers(access).notify(name_, key);
}

template <DefaultsAccess Access>
DefaultsObserver<Access>::DefaultsObserver(Callback callback) : callback_(std::move(callback)) {
  observers(Access).add(&callback_);
}

template <DefaultsAccess Access> DefaultsObserver<Access>::~DefaultsObserver() {
  observers(Access).remove(&callback_);
}

template class DefaultsObserver<DefaultsAccess::read>;
template class DefaultsObserver<DefaultsAccess::write>;

} // namespace kit::foundation
