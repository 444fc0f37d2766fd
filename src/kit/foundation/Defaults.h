#pragma once

#include "kit/foundation/ZavelHome.h"

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

// A store of typed values under text keys, shared by every process that opens it: one SQLite
// database, open for as long as this object lives. Open one per access, on one thread; every
// write is one whole-value replacement. A plain write of a key replaces whatever any other writer
// stored meanwhile; a change that depends on the value before it goes through `update`.
class Defaults {
public:
  // The suite `name` at `home`/suites/<name>.sqlite3, created when missing; none when it cannot
  // be opened or created as a store.
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

  // The stored value with its type; none when the key is absent or its row unreadable.
  std::optional<DefaultsValue> object(std::string_view key) const;
  // Only a value stored as data.
  std::optional<std::string> data(std::string_view key) const;
  // 0 when absent; a boolean as 0 or 1, a double truncated, a numeric string its value; else 0.
  int64_t integer(std::string_view key) const;
  // A string, or a number as its text; none for anything else.
  std::optional<std::string> string(std::string_view key) const;
  // Only an array whose every element is a string.
  std::optional<std::vector<std::string>> stringArray(std::string_view key) const;

  // Replaces the key's value; false when the store refused the write.
  bool set(std::string_view key, const DefaultsValue &value);
  // Removes the key; false when the store refused.
  bool removeObject(std::string_view key);

  using Change = std::function<DefaultsChange(const std::optional<DefaultsValue> &current)>;
  // Reads the key (none when absent or unreadable), asks `change` what to make of it, and
  // carries that out, all in one write transaction: no other writer, in this process or any
  // other, changes the store between the read and the write. Waits for other writers as long
  // as the busy timeout allows. `change` runs once and must not write to a store itself; what it
  // throws undoes the transaction and passes on.
  // False when the store refused (then nothing changed) or `change` kept the key.
  bool update(std::string_view key, const Change &change);

private:
  Defaults(std::shared_ptr<sqlite3> database, std::string name, bool inMemory);
  // Runs a statement that changes `key`: a replacement with `value`, or a removal without;
  // `change` also tells the observers.
  bool change(std::string_view sql, std::string_view key, const DefaultsValue *value);
  bool apply(std::string_view sql, std::string_view key, const DefaultsValue *value);
  void notify(DefaultsAccess access, std::string_view key) const;

  std::shared_ptr<sqlite3> database_;
  std::string name_;
  bool inMemory_ = false;
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
