#pragma once

#include "kit/foundation/Defaults.h"
#include "kit/foundation/DefaultsCoercion.h"
#include "kit/foundation/JsonCoding.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Access to the defaults suite shared with the host application. Every access opens the suite
// anew, so it sees the latest value any process wrote; records are kept as JSON data.
namespace zavel::SharedSuite {

// The suite for one access: the app group's, else the process's standard defaults. A suite that
// is busy or read-only is still the one: the standard defaults stand in only for one that cannot
// be opened at all. Plain values are read and written through it:
// `SharedSuite::open().integer("zavel.timeformat")`.
kit::foundation::Defaults open(const std::filesystem::path &home = kit::foundation::zavelHome());

// The bytes stored as data under `key`; none when absent or stored as another type.
std::optional<std::string>
readData(std::string_view key, const std::filesystem::path &home = kit::foundation::zavelHome());

// Stores `bytes` as data under `key`; false when the store refused.
bool writeData(std::string_view key, std::string bytes,
               const std::filesystem::path &home = kit::foundation::zavelHome());

// The record stored under `key`; none when absent, not data, or not of the record's form.
template <class Record>
std::optional<Record> read(std::string_view key,
                           const std::filesystem::path &home = kit::foundation::zavelHome()) {
  auto bytes = readData(key, home);
  if (!bytes)
    return std::nullopt;
  return kit::foundation::decodeJsonData<Record>(*bytes);
}

// Stores the record as JSON data under `key`, replacing the whole value. A record that cannot be
// encoded (a number that is not finite) leaves the suite unopened and the stored value as it
// was. False when nothing was written.
template <class Record>
bool write(std::string_view key, const Record &value,
           const std::filesystem::path &home = kit::foundation::zavelHome()) {
  auto bytes = kit::foundation::encodeJsonData(value);
  if (!bytes)
    return false;
  return writeData(key, std::move(*bytes), home);
}

// Reads the value under `key` and carries out what `change` makes of it, in one write
// transaction of the suite: no other writer's change, the host application's included, comes
// between the read and the write, so none is lost. Every change of ours that depends on the
// value before it goes through here. False when nothing was written.
bool update(std::string_view key, const kit::foundation::Defaults::Change &change,
            const std::filesystem::path &home = kit::foundation::zavelHome());

// A stored value read as a record: none when absent, not data, or not of the record's form.
template <class Record>
std::optional<Record> recordOf(const std::optional<kit::foundation::DefaultsValue> &value) {
  auto bytes = value ? kit::foundation::dataOf(*value) : std::nullopt;
  if (!bytes)
    return std::nullopt;
  return kit::foundation::decodeJsonData<Record>(*bytes);
}

// What `updateRecord` makes of a stored value that is not a readable record.
enum class Unreadable {
  // Hands `change` none, as for an absent record: state of our own, which would otherwise stay
  // stuck on a value nobody can read.
  startsAfresh,
  // Leaves it as it is, writing nothing: a record the host application writes (the user's), which
  // a guess of ours must never replace.
  isKept,
};

// The record under `key` (none when absent, or unreadable and `unreadable` starts afresh) handed
// to `change`, which alters it in place and returns true to store it, all in one write
// transaction (see `update`). A record that cannot be encoded leaves the stored value as it was.
// False when nothing was written.
template <class Record>
bool updateRecord(std::string_view key,
                  const std::function<bool(std::optional<Record> &record)> &change,
                  const std::filesystem::path &home = kit::foundation::zavelHome(),
                  Unreadable unreadable = Unreadable::startsAfresh) {
  using kit::foundation::DefaultsChange;
  return update(
      key,
      [&](const std::optional<kit::foundation::DefaultsValue> &current) {
        auto record = recordOf<Record>(current);
        if (current && !record && unreadable == Unreadable::isKept)
          return DefaultsChange::keep();
        if (!change(record) || !record)
          return DefaultsChange::keep();
        auto bytes = kit::foundation::encodeJsonData(*record);
        if (!bytes)
          return DefaultsChange::keep();
        return DefaultsChange::replace(kit::foundation::Data{std::move(*bytes)});
      },
      home);
}

} // namespace zavel::SharedSuite
