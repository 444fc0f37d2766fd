#include "kit/foundation/Defaults.h"

#include "kit/foundation/DefaultsCoercion.h"
#include "kit/foundation/JsonCoding.h"
#include "kit/foundation/ObserverList.h"
#include "kit/foundation/SqliteDatabase.h"
#include "kit/foundation/WriteFailureObserver.h"
#include "kit/foundation/WriteModes.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <sqlite3.h>

namespace kit::foundation {

namespace {

constexpr std::string_view kSchema =
    "CREATE TABLE IF NOT EXISTS entries(key TEXT PRIMARY KEY NOT NULL, type TEXT NOT NULL, value)";
// The value only when its length is within the cap, and whether it is: the length of data is
// known without reading it, so a huge value costs a reader nothing.
constexpr std::string_view kSelect =
    "SELECT type, CASE WHEN coalesce(length(value), 0) <= 1048576 THEN value END, "
    "coalesce(length(value), 0) <= 1048576 FROM entries WHERE key = ?1";
static_assert(largestDefaultsValue == 1048576, "the cap in kSelect");
constexpr std::string_view kReplace =
    "INSERT OR REPLACE INTO entries(key, type, value) VALUES(?1, ?2, ?3)";
constexpr std::string_view kDelete = "DELETE FROM entries WHERE key = ?1";
constexpr std::string_view kStandardName = "standard";

constexpr std::string_view kBusy = "another program holds the store";
constexpr std::string_view kReadOnly = "the store is read-only";
constexpr std::string_view kOnlyInMemory =
    "no store file could be opened, so it lasts only as long as the process";
constexpr std::string_view kTooLarge = "the value is larger than 1 MiB";

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

std::string reasonOf(int code) {
  if (isBusySqlite(code))
    return std::string(kBusy);
  switch (code & 0xFF) {
  case SQLITE_FULL:
    return "the disk is full";
  case SQLITE_READONLY:
    return std::string(kReadOnly);
  default:
    return sqlite3_errstr(code);
  }
}

void bindText(sqlite3_stmt *statement, int index, std::string_view text) {
  sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

enum class Binding { bound, noStoredForm, tooLarge };

Binding bound(bool ok) { return ok ? Binding::bound : Binding::noStoredForm; }

Binding bindValue(sqlite3_stmt *statement, int index, const DefaultsValue &value) {
  struct Binder {
    sqlite3_stmt *statement;
    int index;
    Binding operator()(const Data &data) const {
      if (data.bytes.size() > largestDefaultsValue)
        return Binding::tooLarge;
      return bound(sqlite3_bind_blob(statement, index, data.bytes.data(),
                                     static_cast<int>(data.bytes.size()),
                                     SQLITE_TRANSIENT) == SQLITE_OK);
    }
    Binding operator()(int64_t number) const {
      return bound(sqlite3_bind_int64(statement, index, number) == SQLITE_OK);
    }
    Binding operator()(double number) const {
      // SQLite would keep NaN as no value at all.
      return bound(!std::isnan(number) &&
                   sqlite3_bind_double(statement, index, number) == SQLITE_OK);
    }
    Binding operator()(bool flag) const {
      return bound(sqlite3_bind_int64(statement, index, flag ? 1 : 0) == SQLITE_OK);
    }
    Binding operator()(const std::string &text) const { return bindLimited(text); }
    Binding operator()(const std::vector<std::string> &strings) const {
      auto text = encodeJsonData(strings);
      return text ? bindLimited(*text) : Binding::noStoredForm;
    }
    Binding bindLimited(std::string_view text) const {
      if (text.size() > largestDefaultsValue)
        return Binding::tooLarge;
      bindText(statement, index, text);
      return Binding::bound;
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
  // Over the cap (a text's length counts its characters, not its bytes).
  if (sqlite3_column_int(statement, 2) == 0 ||
      static_cast<std::size_t>(sqlite3_column_bytes(statement, 1)) > largestDefaultsValue)
    return std::nullopt;
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
      : database_(database), code_(runSqlite(database, "BEGIN IMMEDIATE")),
        open_(code_ == SQLITE_OK) {}
  ~WriteTransaction() {
    if (open_)
      executeSqlite(database_, "ROLLBACK");
  }
  WriteTransaction(const WriteTransaction &) = delete;
  WriteTransaction &operator=(const WriteTransaction &) = delete;

  bool isOpen() const { return open_; }
  // The result of the last step taken: the start, or the commit.
  int code() const { return code_; }
  bool commit() {
    code_ = runSqlite(database_, "COMMIT");
    open_ = code_ != SQLITE_OK;
    return !open_;
  }

private:
  sqlite3 *database_;
  int code_;
  bool open_;
};

} // namespace

Defaults::Defaults(std::shared_ptr<sqlite3> database, std::string name)
    : database_(std::move(database)), name_(std::move(name)) {}

std::optional<Defaults> Defaults::openFile(const std::filesystem::path &file, std::string name) {
  std::error_code error;
  if (!std::filesystem::exists(file, error) && !mayCreate(file))
    return std::nullopt;
  bool readOnly =
      kit::foundation::isReadOnly(file) || kit::foundation::isReadOnly(file.parent_path());
  SqliteOpening opened = openSqliteFile(file, kSchema, kSelect);
  // A store made read-only stays the store even when it will not open (a process that may not
  // write it cannot open its log): nothing is written anywhere in its place.
  if (!opened.database && !opened.busy && !readOnly)
    return std::nullopt;
  Defaults store(std::move(opened.database), std::move(name));
  store.busy_ = opened.busy;
  store.readOnly_ = readOnly;
  return store;
}

std::optional<Defaults> Defaults::suite(std::string_view name, const std::filesystem::path &home) {
  return openFile(suitePath(home, name), std::string(name));
}

Defaults Defaults::standard(const std::filesystem::path &home) {
  if (auto store = openFile(suitePath(home, kStandardName), std::string(kStandardName)))
    return std::move(*store);
  Defaults store(memoryStore(), std::string(kStandardName));
  store.inMemory_ = true;
  return store;
}

Defaults::Row Defaults::row(std::string_view key) const {
  notify(DefaultsAccess::read, key);
  if (!database_)
    return {};
  auto statement = prepareSqlite(database_.get(), kSelect);
  if (!statement)
    return {};
  bindText(statement.get(), 1, key);
  if (sqlite3_step(statement.get()) != SQLITE_ROW)
    return {};
  return {true, readValue(statement.get())};
}

std::optional<DefaultsValue> Defaults::object(std::string_view key) const { return row(key).value; }

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
  std::lock_guard writes(processWrites());
  if (std::string why = refusal(); !why.empty())
    return told({false, why}, key);
  if (!database_)
    return false;
  WriteTransaction transaction(database_.get());
  if (!transaction.isOpen())
    return told({false, reasonOf(transaction.code())}, key);
  Row current = row(key);
  if (current.present && !current.value)
    return false;
  DefaultsChange decided = change(current.value);
  Written written;
  switch (decided.kind()) {
  case DefaultsChange::Kind::keep:
    return false;
  case DefaultsChange::Kind::replace:
    written = apply(kReplace, key, &*decided.value());
    break;
  case DefaultsChange::Kind::remove:
    written = apply(kDelete, key, nullptr);
    break;
  }
  if (written.done && !transaction.commit())
    written = {false, reasonOf(transaction.code())};
  return told(written, key);
}

bool Defaults::change(std::string_view sql, std::string_view key, const DefaultsValue *value) {
  std::lock_guard writes(processWrites());
  return told(apply(sql, key, value), key);
}

Defaults::Written Defaults::apply(std::string_view sql, std::string_view key,
                                  const DefaultsValue *value) {
  if (std::string why = refusal(); !why.empty())
    return {false, why};
  if (!database_)
    return {};
  int code = SQLITE_OK;
  auto statement = prepareSqlite(database_.get(), sql, &code);
  if (!statement)
    return {false, reasonOf(code)};
  bindText(statement.get(), 1, key);
  if (value) {
    bindText(statement.get(), 2, kTypeNames[value->index()]);
    switch (bindValue(statement.get(), 3, *value)) {
    case Binding::bound:
      break;
    case Binding::noStoredForm:
      return {};
    case Binding::tooLarge:
      return {false, std::string(kTooLarge)};
    }
  }
  code = sqlite3_step(statement.get());
  if (code != SQLITE_DONE)
    return {false, reasonOf(code)};
  return {true, {}};
}

std::string Defaults::refusal() const {
  if (busy_)
    return std::string(kBusy);
  if (readOnly_)
    return std::string(kReadOnly);
  return {};
}

bool Defaults::told(const Written &written, std::string_view key) const {
  if (written.done && inMemory_)
    announceWriteFailure({name_, std::string(key), std::string(kOnlyInMemory)});
  else if (written.done)
    notify(DefaultsAccess::write, key);
  else if (!written.refusal.empty())
    announceWriteFailure({name_, std::string(key), written.refusal});
  return written.done;
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
