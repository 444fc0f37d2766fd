#pragma once

#include "kit/foundation/Defaults.h"

namespace kit::foundation {

// How the typed getters read a value stored as another type.
std::optional<std::string> dataOf(const DefaultsValue &value);
// What `integerOf` reads, or none when the value is no number at all (data, a list, a word).
std::optional<int64_t> numberOf(const DefaultsValue &value);
int64_t integerOf(const DefaultsValue &value);
// As `Defaults::integer` reads: 0 when there is no value.
int64_t integerOf(const std::optional<DefaultsValue> &value);
std::optional<std::string> stringOf(const DefaultsValue &value);
std::optional<std::vector<std::string>> stringArrayOf(const DefaultsValue &value);

} // namespace kit::foundation
