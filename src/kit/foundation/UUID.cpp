#include "kit/foundation/UUID.h"

#include <random>
#include <string_view>
#include <sys/random.h>

namespace kit::foundation {

namespace {

constexpr std::string_view kHexDigits = "0123456789ABCDEF";

bool isHyphenPosition(size_t i) { return i == 8 || i == 13 || i == 18 || i == 23; }

int hexValue(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

void fillRandom(std::array<uint8_t, 16> &bytes) {
  size_t filled = 0;
  while (filled < bytes.size()) {
    ssize_t got = getrandom(bytes.data() + filled, bytes.size() - filled, 0);
    if (got <= 0)
      break;
    filled += static_cast<size_t>(got);
  }
  if (filled == bytes.size())
    return;
  // getrandom is missing or interrupted: the library's source still gives unique values.
  std::random_device device;
  for (auto &byte : bytes)
    byte = static_cast<uint8_t>(device());
}

} // namespace

UUID UUID::random() {
  UUID uuid;
  fillRandom(uuid.bytes);
  uuid.bytes[6] = (uuid.bytes[6] & 0x0F) | 0x40; // version 4
  uuid.bytes[8] = (uuid.bytes[8] & 0x3F) | 0x80; // RFC 4122 variant
  return uuid;
}

std::optional<UUID> UUID::fromString(std::string_view text) {
  if (text.size() != 36)
    return std::nullopt;
  UUID uuid;
  size_t nibble = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (isHyphenPosition(i)) {
      if (text[i] != '-')
        return std::nullopt;
      continue;
    }
    int value = hexValue(text[i]);
    if (value < 0)
      return std::nullopt;
    uint8_t &byte = uuid.bytes[nibble / 2];
    byte = static_cast<uint8_t>(nibble % 2 == 0 ? value << 4 : byte | value);
    ++nibble;
  }
  return uuid;
}

std::string UUID::uuidString() const {
  std::string text;
  text.reserve(36);
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i == 4 || i == 6 || i == 8 || i == 10)
      text += '-';
    text += kHexDigits[bytes[i] >> 4];
    text += kHexDigits[bytes[i] & 0x0F];
  }
  return text;
}

} // namespace kit::foundation

size_t
std::hash<kit::foundation::UUID>::operator()(const kit::foundation::UUID &uuid) const noexcept {
  size_t result = 0;
  for (uint8_t byte : uuid.bytes)
    result = result * 131 + byte;
  return result;
}
