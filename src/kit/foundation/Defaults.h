#pragma once

#include "kit/foundation/ZavelHome.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

struct sqlite3;

namespace kit::foundation {

// Bytes stored as data (how JSON records are kept), as opposed to text.
struct Data {
  std::string bytes;
  bool operator==(const Data &) const = default;
};

// One stored value with its type.
using DefaultsValue =
    std::variant<Data, int64_t, double, bool, std::string, std::vector<std::string>>;

// What an observer hears of: every read of a key, whether or not the key holds a value (what a
// reader looks for), or every successful write or removal that reached a store's file (what a
// store in memory keeps is heard by nobody, as it is gone when the process ends).
enum class DefaultsAccess { read, write };

// What `Defaults::update` does with a key once it has read it.
class DefaultsChange {
public:
  // Leave the key as it is.
  static DefaultsChange keep() { return DefaultsChange(Kind::keep, std::nullopt); }
  // Store `value` in place of whatever the key held.
  static DefaultsChange replace(DefaultsValue value) {
    return DefaultsChange(Kind::replace, std::move(value));
  }
  // Remove the key.
  static DefaultsChange remove() { return DefaultsChange(Kind::remove, std::nullopt); }

  enum class Kind { keep, replace, remove };
  Kind kind() const { return kind_; }
  // The value to store, for a replacement.
  const std::optional<DefaultsValue> &value() const { return value_; }

private:
  DefaultsChange(Kind kind, std::optional<DefaultsValue> value)
      : kind_(kind), value_(std::move(value)) {}
  Kind kind_;
  std::optional<DefaultsValue> value_;
};

// A stored value with a length (data, a text, a list of texts) larger than this reads as
// unreadable, without being loaded or parsed, and is never written: 1 MiB is far beyond any
// record, and a larger value would cost every reader that much memory and time.
inline constexpr std::size_t largestDefaultsValue = std::size_t{1} << 20;

// A store of typed values under text keys, shared by every process that opens it: one SQLite
// database, open for as long as this object lives. Open one per access, on one thread; every
// write is one whole-value replacement. A plain write of a key replaces whatever any other writer
// stored meanwhile; a change that depends on the value before it goes through `update`.
// A write the store refuses, or that only the store in memory keeps, is told to write failure
// observers (kit/foundation/WriteFailureObserver.h).
class Defaults {
public:
  // The suite `name` at `home`/suites/<name>.sqlite3, created when missing; none when it cannot
  // be opened or created as a store. A file or folder without write bits opens read-only (reading
  // nothing when it will not open at all); a file another connection keeps locked past the busy
  // timeout opens busy.
  static std::optional<Defaults> suite(std::string_view name,
                                       const std::filesystem::path &home = zavelHome());

  // The process's own store `home`/suites/standard.sqlite3; when that cannot be opened, a store
  // in memory that lasts as long as the process.
  static Defaults standard(const std::filesystem::path &home = zavelHome());

  // The name it was opened with ("standard" for the standard store).
  const std::string &name() const { return name_; }
  // The standard store standing in for its file, in memory: what is written lasts only as long
  // as the process.
  bool isInMemory() const { return inMemory_; }
  // Another connection held the store locked past the busy timeout when it was opened: it reads
  // as empty and refuses every write, and nothing stands in for it. The process waits for such a
  // store once (kit/foundation/SqliteDatabase.h): later opens of it find it busy at once.
  bool isBusy() const { return busy_; }
  // The store's file or folder has no write bits: it reads what it can, and refuses every write.
  bool isReadOnly() const { return readOnly_; }

  // The stored value with its type; none when the key is absent or its row unreadable (of a type
  // unknown here, malformed, or larger than `largestDefaultsValue`).
  std::optional<DefaultsValue> object(std::string_view key) const;
  // Only a value stored as data.
  std::optional<std::string> data(std::string_view key) const;
  // 0 when absent; a boolean as 0 or 1, a double truncated, a numeric string its value; else 0.
  int64_t integer(std::string_view key) const;
  // A string, or a number as its text; none for anything else.
  std::optional<std::string> string(std::string_view key) const;
  // Only an array whose every element is a string.
  std::optional<std::vector<std::string>> stringArray(std::string_view key) const;

  // Replaces the key's value; false when it was not written: the store refused it, or the value
  // has no stored form (a NaN, a list with text that is not UTF-8).
  bool set(std::string_view key, const DefaultsValue &value);
  // Removes the key; false when the store refused.
  bool removeObject(std::string_view key);

  using Change = std::function<DefaultsChange(const std::optional<DefaultsValue> &current)>;
  // Reads the key (none when absent), asks `change` what to make of it, and carries that out,
  // all in one write transaction: no other writer, in this process or any other, changes the
  // store between the read and the write. Waits for other writers as long as the busy timeout
  // allows. A key whose row is there but unreadable is kept as it is, and `change` is not asked:
  // what cannot be read is someone else's, never replaced by a guess. `change` runs at most once
  // and must not write to a store itself; what it throws undoes the transaction and passes on.
  // False when nothing was written: the store refused, the row was unreadable or `change` kept
  // the key.
  bool update(std::string_view key, const Change &change);

private:
  // What a write came to.
  struct Written {
    bool done = false;
    // Why the store refused it; empty when it did not refuse (done, or nothing to store).
    std::string refusal;
  };
  // A key's row: whether there is one, and its value when it reads.
  struct Row {
    bool present = false;
    std::optional<DefaultsValue> value;
  };

  Defaults(std::shared_ptr<sqlite3> database, std::string name);
  static std::optional<Defaults> openFile(const std::filesystem::path &file, std::string name);
  Row row(std::string_view key) const;
  // Runs a statement that changes `key`: a replacement with `value`, or a removal without;
  // `change` also tells the observers.
  bool change(std::string_view sql, std::string_view key, const DefaultsValue *value);
  Written apply(std::string_view sql, std::string_view key, const DefaultsValue *value);
  // Why every write is refused, when it is (busy or read-only); empty otherwise.
  std::string refusal() const;
  // Tells the observers how a write of `key` came out; true when it was done.
  bool told(const Written &written, std::string_view key) const;
  void notify(DefaultsAccess access, std::string_view key) const;

  std::shared_ptr<sqlite3> database_;
  std::string name_;
  bool inMemory_ = false;
  bool busy_ = false;
  bool readOnly_ = false;
};

// While it lives, hears of every access of its kind in any store of this process (writes only
// when they reached a store's file). The callback runs on the accessing thread and must not use
// a store itself.
template <DefaultsAccess Access> class DefaultsObserver {
public:
  using Callback = std::function<void(std::string_view store, std::string_view key)>;
  explicit DefaultsObserver(Callback callback);
  ~DefaultsObserver();
  DefaultsObserver(const DefaultsObserver &) = delete;
  DefaultsObserver &operator=(const DefaultsObserver &) = delete;

private:
  Callback callback_;
};

using DefaultsReadObserver = DefaultsObserver<DefaultsAccess::read>;
using DefaultsWriteObserver = DefaultsObserver<DefaultsAccess::write>;

} // namespace kit::foundation
